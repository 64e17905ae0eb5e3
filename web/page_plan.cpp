// Planning on the page: a named original or print, chosen by its place in the page's lists,
// fills the record as velortin-calc's named values do; what is not chosen comes from the
// page's own fields. The lines under the results are the plan's own.
#include <emscripten/emscripten.h>

#include "plan/names.h"
#include "plan/report.h"
#include "resources/strings.h"
#include "web/page.h"

namespace {

Plan LastPlan;  // the last planning's, whose print stays laid out under later results

// A field's text that planning takes as it stands, read as Compute reads it; 1 after
// marking it rejected.
int Taken(int id, double factor, double* value)
{
    char text[256];
    if (!ReadFieldText(PageText(id, text, sizeof text), factor, value))
        return 0;
    RejectPageText(id);
    return 1;
}

// The scanner's field: 0 empty, 1 a dpi (then in *dpi), -1 a text that is none.
int ReadScanner(double* dpi)
{
    char text[256];
    if (!PageText(ID_SCANNER, text, sizeof text)[0])
        return 0;
    return ReadFieldText(text, 1, dpi) ? -1 : 1;
}

}  // namespace

void ShowPlanReport()
{
    static ScanReport report;
    static char lines[PLAN_LINES_MAX];
    double scanner;
    int hasScanner = ReadScanner(&scanner) > 0;
    int hasPrint = LastPlan.print[0] > 0;
    PrintLayout layout;
    if (hasPrint)
        LayOutPrint(&LastPlan, &PageRecord, &layout);
    ReportScan(&report, &PageRecord, hasPrint ? &layout : nullptr, hasScanner ? &scanner : nullptr);
    int n = WritePlanLines(&report, lines, sizeof lines);
    if (n > 0)
        lines[n - 1] = 0;  // the last line's end
    SetPageText(ID_PLAN_REPORT, lines);
    char warning[SCAN_TEXT_MAX + 16] = "";
    if (report.needsMore)
        FormatTextN(warning, sizeof warning, "%s: %s", CAPTION_WARNING, report.text[TEXT_WARNING]);
    SetPageText(ID_PLAN_WARNING, warning);
}

extern "C" {

// The planning section changed: original and print are places in NAMED_ORIGINALS and
// NAMED_PRINTS, or -1 for the fields' own values; fit is FIT_INSIDE or FIT_FILL. Fills the
// fields as velortin-calc does and computes: 0, or 1 after a rejected field, the record
// then as it was.
EMSCRIPTEN_KEEPALIVE int PagePlan(int original, int print, int fit)
{
    Plan plan;
    const CalcRecord& page = PageRecord;
    // Unchosen values are the page's texts, checked in the order Compute reads them.
    if (original >= 0 && original < NAMED_ORIGINAL_COUNT) {
        NamedSizeMm(&NAMED_ORIGINALS[original], plan.original);
    } else {
        double in = UNIT_TO_MM[page.inputUnits];
        if (Taken(ID_INPUT_WIDTH, in, &plan.original[0]) ||
            Taken(ID_INPUT_HEIGHT, in, &plan.original[1]))
            return 1;
    }
    if (print >= 0 && print < NAMED_PRINT_COUNT) {
        NamedSizeMm(&NAMED_PRINTS[print], plan.print);
        plan.fit = fit == FIT_FILL ? FIT_FILL : FIT_INSIDE;
    } else if (Taken(ID_OUTPUT_WIDTH, UNIT_TO_MM[page.outputUnits], &plan.outputWidth)) {
        return 1;
    }
    double dpi;
    if (Taken(ID_VIEW_DISTANCE, UNIT_TO_MM[page.distanceUnits], &plan.distance) ||
        Taken(ID_PRINTER_RES, PER_INCH_TO_PER_MM, &plan.resolution))
        return 1;
    if (ReadScanner(&dpi) < 0) {
        RejectPageText(ID_SCANNER);
        return 1;
    }

    // From here on as velortin-calc computes one answer, in the page's units.
    CalcRecord record = page;
    if (PlanRecord(&plan, &record)) {
        RejectPageText(ID_OUTPUT_WIDTH);
        return 1;
    }
    PageRecord = record;
    ComputeRecord(&PageRecord, PageFields());
    LastPlan = plan;
    ShowPlanReport();
    return 0;
}

// A link's print laid out under the results, as the planning that the link's results
// followed left it, without planning again: print is a place in NAMED_PRINTS, or -1.
EMSCRIPTEN_KEEPALIVE void PageLayPrint(int print, int fit)
{
    LastPlan = Plan();
    if (print >= 0 && print < NAMED_PRINT_COUNT)
        NamedSizeMm(&NAMED_PRINTS[print], LastPlan.print);
    LastPlan.fit = fit == FIT_FILL ? FIT_FILL : FIT_INSIDE;
}

}  // extern "C"
