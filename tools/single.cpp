// One Compute from the command line: the window's results in the format asked for, the
// print's layout and the scanner's limit when asked for, and the scanner's warning.
#include "tools/single.h"

#include "tools/plan.h"
#include "tools/report_write.h"

namespace {

// Writes everything held; returns 1 after any failed write.
int Finish(OutBuffer* buffer)
{
    int failed = OutFlush(buffer);
    OutClose(buffer);
    return failed;
}

}  // namespace

int RunSingle(const CliOptions* options, FILE* out, FILE* err)
{
    static PlanInput input;
    PreparePlan(options, &input);
    CalcRecord record;
    record.printerType = options->printerType;
    record.inputUnits = input.units[0];
    record.outputUnits = input.units[1];
    record.distanceUnits = input.units[2];
    static TextFields fields;  // large: kept off the stack
    for (int i = 0; i < 5; i++)
        fields.input[i] = input.texts[i];

    const PlanOptions* plan = &options->plan;
    int format = plan->format < 0 ? FORMAT_TEXT : plan->format;
    ReportColumns columns = {input.hasPrint, plan->scannerGiven};
    static Report report;
    OutBuffer results, messages;
    if (OutOpen(&results, out, 1 << 16) || OutOpen(&messages, err, 1 << 12)) {
        std::fputs("velortin-calc: out of memory\n", err);
        return 3;
    }
    int status = 0;
    if (ComputeScan(&record, &fields)) {
        ReportRejection(&report, &record, fields.rejectedId,
                        input.texts[InputIndex(fields.rejectedId)]);
        status = 1;
    } else {
        // The results in the units asked for, as the window shows them after a unit change.
        record.inputUnits = options->inputUnits;
        record.outputUnits = options->outputUnits;
        record.distanceUnits = options->distanceUnits;
        ShowResults(&record, &fields);
        ReportResult(&report, &record, &fields, input.hasPrint ? &input.print : nullptr,
                     plan->scannerGiven ? &plan->scannerDpi : nullptr);
    }
    if (status && format == FORMAT_TEXT) {
        OutWrite(&messages, "velortin-calc: ", 15);
        WriteReport(&messages, format, &columns, &report);
    } else {
        WriteHeader(&results, format, &columns);
        WriteReport(&results, format, &columns, &report);
    }
    WriteWarning(&messages, &report, "");
    Finish(&messages);
    if (Finish(&results)) {
        std::fputs("velortin-calc: cannot write the results\n", err);
        return 3;
    }
    return status;
}
