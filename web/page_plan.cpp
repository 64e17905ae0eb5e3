// Planning on the page, through velortin-calc's own code: the page's choices are read as
// its options are, its planning fills the record, and its report gives the lines under the
// results. What the page leaves unchosen comes from the page's own fields and lists.
#include <cstring>

#include <emscripten/emscripten.h>

#include "core/format.h"
#include "core/text_fields.h"
#include "resources/strings.h"
#include "cli/options.h"
#include "cli/report_write.h"
#include "web/page.h"

namespace {

Plan LastPlan;  // the last planning's, whose print stays laid out under later results
TextFields Shown;  // the report's first seven lines, which the page does not show

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

// A choice of the planning section read as velortin-calc reads that option's value.
int Chosen(int id, const char* option, CliOptions* options)
{
    char text[256], message[MESSAGE_MAX];
    if (!ReadOptionValue(option, PageText(id, text, sizeof text), options, message))
        return 0;
    RejectPageText(id);
    return 1;
}

int HasText(int id)
{
    char text[256];
    return PageText(id, text, sizeof text)[0] != 0;
}

}  // namespace

void ShowPlanReport()
{
    static Report report;
    static OutBuffer out;
    char text[256];
    double scanner = 0;
    PageText(ID_SCANNER, text, sizeof text);
    int hasScanner = text[0] && !ReadFieldText(text, 1, &scanner);
    int hasPrint = LastPlan.print[0] > 0;
    PrintLayout layout;
    if (hasPrint)
        LayOutPrint(&LastPlan, &PageRecord, &layout);
    ReportResult(&report, &PageRecord, &Shown, hasPrint ? &layout : nullptr,
                 hasScanner ? &scanner : nullptr);
    ReportColumns columns = {hasPrint, hasScanner};
    if (!out.data && OutOpen(&out, nullptr, 1 << 14))
        return;
    out.used = 0;
    WriteReport(&out, FORMAT_TEXT, &columns, &report);
    // The first seven lines are the window's own texts, already in their fields.
    char* rest = out.data;
    for (int line = 0; line < 7 && rest; line++)
        if ((rest = (char*)std::memchr(rest, '\n', out.used - (size_t)(rest - out.data))))
            rest++;
    out.data[out.used - 1] = 0;  // the last line's end
    SetPageText(ID_PLAN_REPORT, rest ? rest : "");
    char warning[REPORT_TEXT_MAX + 16] = "";
    if (report.has[KEY_WARNING])
        FormatTextN(warning, sizeof warning, "%s: %s", CAPTION_WARNING, report.text[KEY_WARNING]);
    SetPageText(ID_PLAN_WARNING, warning);
}

extern "C" {

// The planning section changed: fills the fields as velortin-calc does and computes. 0, or
// 1 after a rejected field; the record is then as it was.
EMSCRIPTEN_KEEPALIVE int PagePlan()
{
    static CliOptions options;
    options = CliOptions();
    Plan* plan = &options.plan;
    const CalcRecord& page = PageRecord;
    // Unchosen values are the page's texts, checked in the order Compute reads them.
    if (HasText(ID_ORIGINAL)) {
        if (Chosen(ID_ORIGINAL, "--original", &options))
            return 1;
    } else {
        double in = UNIT_TO_MM[page.inputUnits];
        if (Taken(ID_INPUT_WIDTH, in, &plan->original[0]) ||
            Taken(ID_INPUT_HEIGHT, in, &plan->original[1]))
            return 1;
    }
    if (HasText(ID_PRINT)) {
        if (Chosen(ID_PRINT, "--print", &options) || Chosen(ID_FIT, "--fit", &options))
            return 1;
    } else if (Taken(ID_OUTPUT_WIDTH, UNIT_TO_MM[page.outputUnits], &plan->outputWidth)) {
        return 1;
    }
    if (Taken(ID_VIEW_DISTANCE, UNIT_TO_MM[page.distanceUnits], &plan->distance) ||
        Taken(ID_PRINTER_RES, PER_INCH_TO_PER_MM, &plan->resolution) ||
        (HasText(ID_SCANNER) && Chosen(ID_SCANNER, "--scanner", &options)))
        return 1;

    // From here on as velortin-calc computes one answer, in the page's units.
    CalcRecord record = page;
    if (PlanRecord(plan, &record)) {
        RejectPageText(ID_OUTPUT_WIDTH);
        return 1;
    }
    PageRecord = record;
    ComputeRecord(&PageRecord, PageFields());
    LastPlan = *plan;
    ShowPlanReport();
    return 0;
}

}  // extern "C"
