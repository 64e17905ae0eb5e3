// The calculator on the page: the core's Compute and ShowResults on the page's fields, with
// the record kept here as the window keeps its own, and the page's choices as the window
// handles its pickers. The page only carries texts and events to these exports.
#include "web/page.h"

#include <emscripten/emscripten.h>

#include "plan/names.h"

// The page's side, given to the module at instantiation.
extern "C" {
__attribute__((import_module("page"), import_name("text"))) void page_text(int id, char* buffer,
                                                                             int size);
__attribute__((import_module("page"), import_name("set_text"))) void page_set_text(int id,
                                                                                 const char* text);
__attribute__((import_module("page"), import_name("reject"))) void page_reject(int id);
__attribute__((import_module("page"), import_name("disable_compute"))) void page_disable_compute();
__attribute__((import_module("page"), import_name("select"))) void page_select(int id, int index);
}

CalcRecord PageRecord;

const char* PageText(int id, char* buffer, int size)
{
    // The page writes at most size - 1 bytes and the terminator, and at most 254
    // characters, as GetWindowTextA does into the window's 255 bytes.
    buffer[0] = 0;
    page_text(id, buffer, size < 255 ? size : 255);
    buffer[size - 1] = 0;
    return buffer;
}

void SetPageText(int id, const char* text)
{
    page_set_text(id, text);
}

void RejectPageText(int id)
{
    page_reject(id);
}

namespace {

struct PageFieldIo final : FieldIo {
    const char* FieldText(int id, char* buffer, int size) override
    {
        return PageText(id, buffer, size);
    }
    void ShowRejection(int id) override { page_reject(id); }
    void SetFieldText(int id, const char* text) override { page_set_text(id, text); }
    void DisableCompute() override { page_disable_compute(); }
};

PageFieldIo Fields;

}  // namespace

FieldIo* PageFields()
{
    return &Fields;
}

extern "C" {

// The page as the window opens, before its first Compute: the start-up texts and choices.
EMSCRIPTEN_KEEPALIVE void PageStart()
{
    PageRecord = CalcRecord();
    for (int i = 0; i < 5; i++)
        page_set_text(INPUT_FIELDS[i], START_TEXTS[i]);
    page_select(ID_PRINTER_TYPE, PageRecord.printerType);
    page_select(ID_INPUT_UNITS, PageRecord.inputUnits);
    page_select(ID_OUTPUT_UNITS, PageRecord.outputUnits);
    page_select(ID_DISTANCE_UNITS, PageRecord.distanceUnits);
    page_set_text(ID_RESOLUTION_LABEL, ResolutionLabel(PageRecord.printerType));
}

// Compute, from the button or Enter: 0, or 1 after a rejected field.
EMSCRIPTEN_KEEPALIVE int PageCompute()
{
    if (ComputeScan(&PageRecord, &Fields))
        return 1;
    ShowPlanReport();
    return 0;
}

// An item of one of the four lists stored, as a link opens with it: a new printer type
// changes only the resolution row's label; the results wait for the next Compute.
EMSCRIPTEN_KEEPALIVE int PageStore(int id, int index)
{
    int kind = StoreChoice(&PageRecord, id, index);
    if (kind == CHOICE_PRINTER)
        page_set_text(ID_RESOLUTION_LABEL, ResolutionLabel(PageRecord.printerType));
    return kind;
}

// A new item chosen in one of the four lists; the page enables Compute itself, as the
// window's rewritten fields and repainted label do.
EMSCRIPTEN_KEEPALIVE void PageChoose(int id, int index)
{
    // A new unit shows the same record in it: nothing is read and nothing recomputed.
    if (PageStore(id, index) != CHOICE_UNIT)
        return;
    ShowResults(&PageRecord, &Fields);
    ShowPlanReport();
}

}  // extern "C"
