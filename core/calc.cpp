// The scan calculation. Every operation rounds to double in exactly the order written;
// the build forbids contraction and excess precision, so results agree to the last bit.
#include "core/calc.h"

#include <cfloat>

#include "core/format.h"
#include "core/ids.h"
#include "core/reader.h"

namespace {

// Selections come from list positions; anything else is kept inside the tables.
int ValidIndex(int index, int count)
{
    return index < 0 ? 0 : index >= count ? count - 1 : index;
}

struct InputStep {
    int id;
    double CalcRecord::*value;
    int CalcRecord::*unit;  // null: a resolution, always per inch
};

const InputStep INPUT_STEPS[5] = {
    {ID_INPUT_WIDTH, &CalcRecord::inputWidth, &CalcRecord::inputUnits},
    {ID_INPUT_HEIGHT, &CalcRecord::inputHeight, &CalcRecord::inputUnits},
    {ID_OUTPUT_WIDTH, &CalcRecord::outputWidth, &CalcRecord::outputUnits},
    {ID_VIEW_DISTANCE, &CalcRecord::viewDistance, &CalcRecord::distanceUnits},
    {ID_PRINTER_RES, &CalcRecord::printerRes, nullptr},
};

void ShowLength(FieldIo* io, int id, double mm, int unit)
{
    char text[FIXED_TEXT_MAX];
    FormatLength(mm, unit, text, sizeof text);
    io->SetFieldText(id, text);
}

}  // namespace

void FormatLength(double mm, int unit, char* out, int size)
{
    unit = ValidIndex(unit, UNIT_COUNT);
    if (unit == UNIT_MM)
        FormatTextN(out, (size_t)size, "%1f", mm);
    else
        FormatTextN(out, (size_t)size, "%2f", mm * UNIT_FROM_MM[unit]);
}

int ReadFieldText(const char* text, double factor, double* value)
{
    int malformed = ParseWholeNumber(text, value);
    double converted = *value * factor;
    // Infinity and values that the conversion takes out of range (to infinity, or a
    // tiny resolution to zero) are no more usable than zero: they fail the same test.
    if (malformed || !(*value > 0) || !(converted > 0) || !(converted <= DBL_MAX))
        return 1;
    *value = converted;
    return 0;
}

int ReadInputs(CalcRecord* record, FieldIo* io)
{
    char buffer[256];
    for (const InputStep& step : INPUT_STEPS) {
        const char* text = io->FieldText(step.id, buffer, sizeof buffer);
        double factor = step.unit ? UNIT_TO_MM[ValidIndex(record->*step.unit, UNIT_COUNT)]
                                  : PER_INCH_TO_PER_MM;
        if (ReadFieldText(text, factor, &(record->*step.value))) {
            io->ShowRejection(step.id);
            return 1;
        }
    }
    return 0;
}

void ComputeRecord(CalcRecord* r, FieldIo* io)
{
    double printer = r->printerRes * PRINTER_FACTOR[ValidIndex(r->printerType, PRINTER_COUNT)];
    double eye = (TEN_INCHES / r->viewDistance) * EYE_LIMIT;
    double usable = eye < printer ? eye : printer;
    r->outputHeight = (r->inputHeight / r->inputWidth) * r->outputWidth;
    r->scanRes = (r->outputWidth / r->inputWidth) * usable;
    r->scanPixelsX = r->scanRes * r->inputWidth;
    r->scanPixelsY = r->scanRes * r->inputHeight;
    ShowResults(r, io);
    // Rewriting the edit fields re-enables Compute in the window, so this comes last.
    io->DisableCompute();
}

int ComputeScan(CalcRecord* record, FieldIo* io)
{
    if (ReadInputs(record, io))
        return 1;
    ComputeRecord(record, io);
    return 0;
}

int StoreChoice(CalcRecord* record, int id, int index)
{
    int* selection = nullptr;
    int count = UNIT_COUNT, kind = CHOICE_UNIT;
    switch (id) {
    case ID_PRINTER_TYPE:
        selection = &record->printerType;
        count = PRINTER_COUNT;
        kind = CHOICE_PRINTER;
        break;
    case ID_INPUT_UNITS: selection = &record->inputUnits; break;
    case ID_OUTPUT_UNITS: selection = &record->outputUnits; break;
    case ID_DISTANCE_UNITS: selection = &record->distanceUnits; break;
    }
    // Indices come from list positions; anything else cannot name a unit or a type.
    if (!selection || index < 0 || index >= count)
        return CHOICE_NONE;
    *selection = index;
    return kind;
}

void ShowResults(const CalcRecord* r, FieldIo* io)
{
    ShowLength(io, ID_INPUT_WIDTH, r->inputWidth, r->inputUnits);
    ShowLength(io, ID_INPUT_HEIGHT, r->inputHeight, r->inputUnits);
    ShowLength(io, ID_OUTPUT_WIDTH, r->outputWidth, r->outputUnits);
    ShowLength(io, ID_OUTPUT_HEIGHT, r->outputHeight, r->outputUnits);
    ShowLength(io, ID_VIEW_DISTANCE, r->viewDistance, r->distanceUnits);

    char text[2 * FIXED_TEXT_MAX + 8];
    FormatTextN(text, sizeof text, "%1f", r->scanRes * PER_MM_TO_PER_INCH);
    io->SetFieldText(ID_SCAN_RES, text);

    // Pixel counts are the integer parts of the rounded-up halves. Within 32 bits this is
    // exactly the text of "%d x %d"; beyond, it stays a true count instead of wrapping.
    char x[FIXED_TEXT_MAX], y[FIXED_TEXT_MAX];
    FormatCount(r->scanPixelsX + 0.5, x);
    FormatCount(r->scanPixelsY + 0.5, y);
    FormatTextN(text, sizeof text, "%s x %s", x, y);
    io->SetFieldText(ID_SCAN_PIXELS, text);
}
