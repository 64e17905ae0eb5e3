// Planning on the page, through velortin-calc's own code: the page's choices become its
// command line, its planning fills the record, and its report gives the lines under the
// results. What the page leaves unchosen comes from the page's own fields and lists.
#include <cstring>

#include <emscripten/emscripten.h>

#include "core/choice_list.h"
#include "core/format.h"
#include "core/text.h"
#include "core/text_fields.h"
#include "resources/strings.h"
#include "tools/options.h"
#include "tools/plan.h"
#include "tools/report_write.h"
#include "web/page.h"

namespace {

PrintLayout LaidPrint;  // the print the last planning laid out
int HasPrint;
TextFields Shown;  // the report's first seven lines, which the page does not show

// Computes on the planned texts, in the units they are given in; the results go to the
// page in its own units, as velortin-calc shows them in the units asked for.
struct PlanFields final : FieldIo {
    const PlanInput* input;
    const char* FieldText(int id, char* buffer, int size) override
    {
        (void)buffer;
        (void)size;
        return input->texts[InputIndex(id)];
    }
    void ShowRejection(int id) override { RejectPageText(id); }
    void SetFieldText(int, const char*) override {}
    void DisableCompute() override { PageFields()->DisableCompute(); }
};

// A unit's name as velortin-calc takes it after a number, as in 10.00in.
const char* UnitName(int unit)
{
    static char name[8];
    const char* item = ChoiceItem(LIST_UNITS, unit + 1);
    int length = ChoiceItemLength(item);
    CopyText(item, name, length < 8 ? length : 7);
    return name;
}

// The page's text of a field that planning takes as it stands, checked as Compute reads it.
const char* Taken(int id, double factor, char* buffer)
{
    double value;
    PageText(id, buffer, 256);
    if (ReadFieldText(buffer, factor, &value)) {
        RejectPageText(id);
        return nullptr;
    }
    return buffer;
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
    ReportResult(&report, &PageRecord, &Shown, HasPrint ? &LaidPrint : nullptr,
                 hasScanner ? &scanner : nullptr);
    ReportColumns columns = {HasPrint, hasScanner};
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
// 1 after a rejected field.
EMSCRIPTEN_KEEPALIVE int PagePlan()
{
    static char original[256], print[256], fit[256], scanner[256], size[520];
    static char width[256], height[256], output[256], distance[256], resolution[256];
    static char outputArg[264], distanceArg[264];
    const CalcRecord& page = PageRecord;
    PageText(ID_ORIGINAL, original, sizeof original);
    PageText(ID_PRINT, print, sizeof print);
    PageText(ID_FIT, fit, sizeof fit);
    PageText(ID_SCANNER, scanner, sizeof scanner);

    const char* argv[16] = {"velortin-calc"};
    int argc = 1;
    // Unchosen values are the page's texts, checked in the order Compute reads them.
    const char* typed = original;
    if (!original[0]) {
        double in = UNIT_TO_MM[page.inputUnits];
        if (!Taken(ID_INPUT_WIDTH, in, width) || !Taken(ID_INPUT_HEIGHT, in, height))
            return 1;
        FormatTextN(size, sizeof size, "%sx%s%s", width, height, UnitName(page.inputUnits));
        typed = size;
    }
    argv[argc++] = "--original";
    argv[argc++] = typed;
    if (print[0]) {
        argv[argc++] = "--print";
        argv[argc++] = print;
        argv[argc++] = "--fit";
        argv[argc++] = fit;
    } else {
        if (!Taken(ID_OUTPUT_WIDTH, UNIT_TO_MM[page.outputUnits], output))
            return 1;
        FormatTextN(outputArg, sizeof outputArg, "%s%s", output, UnitName(page.outputUnits));
        argv[argc++] = "--output-width";
        argv[argc++] = outputArg;
    }
    if (!Taken(ID_VIEW_DISTANCE, UNIT_TO_MM[page.distanceUnits], distance) ||
        !Taken(ID_PRINTER_RES, PER_INCH_TO_PER_MM, resolution))
        return 1;
    FormatTextN(distanceArg, sizeof distanceArg, "%s%s", distance, UnitName(page.distanceUnits));
    argv[argc++] = "--distance";
    argv[argc++] = distanceArg;
    argv[argc++] = "--resolution";
    argv[argc++] = resolution;
    double dpi;
    if (scanner[0] && ReadFieldText(scanner, 1, &dpi)) {
        RejectPageText(ID_SCANNER);
        return 1;
    }
    if (scanner[0]) {
        argv[argc++] = "--scanner";
        argv[argc++] = scanner;
    }

    static CliOptions options;
    options = CliOptions();
    options.printerType = page.printerType;
    options.inputUnits = page.inputUnits;
    options.outputUnits = page.outputUnits;
    options.distanceUnits = page.distanceUnits;
    if (ParseOptions(argc, (char**)argv, &options))
        return 1;
    // From here on as velortin-calc computes one answer.
    static PlanInput input;
    PreparePlan(&options, &input);
    CalcRecord record = page;
    record.inputUnits = input.units[0];
    record.outputUnits = input.units[1];
    record.distanceUnits = input.units[2];
    PlanFields fields;
    fields.input = &input;
    if (ComputeScan(&record, &fields))
        return 1;
    record.inputUnits = page.inputUnits;
    record.outputUnits = page.outputUnits;
    record.distanceUnits = page.distanceUnits;
    PageRecord = record;
    ShowResults(&PageRecord, PageFields());
    HasPrint = input.hasPrint;
    LaidPrint = input.print;
    ShowPlanReport();
    return 0;
}

}  // extern "C"
