// The page's side of the wasm: its controls beyond the window's, and what the calculator
// and the planning share. The page gives and takes texts and list positions only.
#pragma once

#include "core/calc.h"

// The page's own controls, numbered after the window's.
enum PageId {
    ID_ORIGINAL = 120,
    ID_PRINT = 121,
    ID_FIT = 122,
    ID_SCANNER = 123,
    ID_PLAN_REPORT = 124,
    ID_PLAN_WARNING = 125,
    ID_RESOLUTION_LABEL = 126,
};

// The page's one record, kept as the window keeps its global one, and the FieldIo on the
// page's own controls.
extern CalcRecord PageRecord;
FieldIo* PageFields();
// The text of any control of the page, read as the window reads its edit fields: at most
// 254 characters, in Windows-1252.
const char* PageText(int id, char* buffer, int size);
void SetPageText(int id, const char* text);
// The rejection of a field, marked on the page.
void RejectPageText(int id);

// The megapixels, file sizes, print and scanner lines under the results, for the record
// as last computed; planning leaves the print it laid out.
void ShowPlanReport();
