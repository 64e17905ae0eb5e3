// velortin-calc as a callable whole: the command line read, then one Compute from its
// texts or named values, or a batch; the help, the version, and the usage errors.
#include "cli/cli.h"

#include <cmath>
#include <cstring>

#include "cli/batch.h"
#include "cli/options.h"
#include "cli/shortest_text.h"

namespace {

const char HELP[] =
    "Usage: velortin-calc [OPTION]... IN-WIDTH IN-HEIGHT OUT-WIDTH DISTANCE RESOLUTION\n"
    "  or:  velortin-calc [OPTION]... [--original SIZE] [--print SIZE] [--fit FIT]\n"
    "  or:  velortin-calc --batch [--format F] [--scanner DPI] < LINES\n"
    "Works out the resolution to scan an original at for a print, as Velortin's\n"
    "window does: from the window's five field texts, or from named values, of\n"
    "which at least one of --original, --print, --output-width, --distance and\n"
    "--resolution is given and the others keep the window's start-up values.\n"
    "\n"
    "Options:\n"
    "  --printer continuous|dithered|press\n"
    "                     the printer type (default dithered)\n"
    "  --input-units U, --output-units U, --distance-units U\n"
    "                     units of the results and of the five texts (default mm,\n"
    "                     in, in); U is mm, cm, in, ft or m\n"
    "  --original SIZE    35mm, half, aps, 645, 6x6, 6x7, 6x9, 4x5, 5x7, 8x10, or\n"
    "                     WxHUNIT such as 36x24mm or 4x5in (default 24x36mm)\n"
    "  --print SIZE       4x6, 5x7, 8x10, 11x14, 16x20, a5, a4, a3, a2, letter, or\n"
    "                     WxHUNIT; sets the output width, with the original's longer\n"
    "                     side along the print's longer side\n"
    "  --fit inside|fill  inside (default): all of the original shows, with a border;\n"
    "                     fill: the print is covered and the original cropped\n"
    "  --output-width LEN, --distance LEN\n"
    "                     a number and a unit, as 8in or 50cm (default 8in, 10in)\n"
    "  --resolution N     printer resolution in dpi, or line screen in lpi (default\n"
    "                     720)\n"
    "  --scanner DPI      the scanner's optical resolution: adds the largest print at\n"
    "                     full detail, and warns on standard error when the scan\n"
    "                     needs more\n"
    "  --format F         text (the default), tsv (the default with --batch), csv or\n"
    "                     json (JSON Lines with --batch)\n"
    "  --batch            one calculation for each line of standard input\n"
    "  --help             show this text\n"
    "  --version          show the version and the licence\n"
    "  --                 the arguments after it are field texts\n"
    "\n"
    "A batch line holds 9 tab-separated columns: printer (0-2), input, output and\n"
    "distance units (0-4), then the five field texts. Lines end at a line feed only: a\n"
    "carriage return belongs to the last text, and a NUL byte ends the text it is in.\n"
    "Each line gets one answer: in tsv a line of seven results, ERROR (a rejected\n"
    "field) or INVALID and why; in csv a row after the header, in json an object (with\n"
    "\"error\" or \"invalid\" for those), in text a paragraph.\n"
    "\n"
    "Exit status: 0 done, 1 a field rejected, 2 usage error, 3 input or output failed.\n"
    "\n"
    "Examples:\n"
    "A 35 mm frame to an 8x10 print on a 1440 dpi inkjet:\n"
    "  $ velortin-calc --printer dithered --resolution 1440 --original 35mm --print 8x10\n"
    "\n"
    "A 6x7 frame filling an A3 print, from a 4000 dpi film scanner:\n"
    "  $ velortin-calc --original 6x7 --print a3 --fit fill --scanner 4000\n"
    "\n"
    "The frames of a roll of 35 mm film to prints 5, 7 and 10 inches wide, as JSON:\n"
    "  $ printf '1\\t0\\t2\\t2\\t36\\t24\\t%s\\t10\\t1440\\n' 5 7 10 | velortin-calc --batch --format json\n";

// VELORTIN_VERSION is the project's version, defined by the build.
const char VERSION[] = "velortin-calc " VELORTIN_VERSION "\n"
                       "Copyright (c) 2026 the Velortin developers.\n"
                       "MIT licence: free to use, copy, modify and distribute; no warranty.\n";

// One Compute: the field texts go through ReadInputs as the window reads its fields; named
// values enter the record as the doubles they are. Results show in the units asked for.
int RunSingle(const CliOptions* o, FILE* out, FILE* err)
{
    static Answers run;
    TextFields* fields = &run.fields;
    Report* report = &run.report;
    CalcRecord record = o->record;
    int planned = o->fieldCount == 0;
    int hasPrint = planned && o->plan.print[0] > 0;
    const double* scanner = o->scannerDpi > 0 ? &o->scannerDpi : nullptr;
    int format = o->format == FORMAT_NOT_GIVEN ? FORMAT_TEXT : o->format;
    char fitted[SHORTEST_TEXT_MAX] = "inf";
    int status = 0;
    if (!planned) {
        for (int i = 0; i < 5; i++)
            fields->input[i] = o->fields[i];
        status = ComputeScan(&record, fields);
        if (status)
            ReportRejection(report, &record, fields->rejectedId,
                            o->fields[InputIndex(fields->rejectedId)]);
    } else if (PlanRecord(&o->plan, &record)) {
        // A fitted width out of Compute's range is refused as that field's text would be.
        if (std::isfinite(record.outputWidth))
            ShortestText(record.outputWidth, fitted);
        ReportRejection(report, &record, ID_OUTPUT_WIDTH, fitted);
        status = 1;
    } else {
        ComputeRecord(&record, fields);
    }
    if (status == 0) {
        PrintLayout layout;
        if (hasPrint)
            LayOutPrint(&o->plan, &record, &layout);
        ReportResult(report, &record, fields, hasPrint ? &layout : nullptr, scanner);
    }
    if (StartAnswers(&run, out, err, format, hasPrint, scanner))
        return 3;
    // In text, a rejection is a message, on standard error.
    OutBuffer* to = status && format == FORMAT_TEXT ? &run.messages : &run.out;
    if (to == &run.messages)
        OutWrite(to, "velortin-calc: ", 15);
    WriteReport(to, format, &run.columns, report);
    WriteWarning(&run.messages, report, "");
    if (EndAnswers(&run)) {
        std::fputs("velortin-calc: cannot write the results\n", err);
        return 3;
    }
    return status;
}

}  // namespace

int RunCalc(int argc, char** argv, FILE* in, FILE* out, FILE* err)
{
    CliOptions options;
    char message[MESSAGE_MAX];
    if (ParseOptions(argc, argv, &options, message)) {
        std::fputs("velortin-calc: ", err);
        std::fputs(message, err);
        std::fputs("\nRun 'velortin-calc --help' for usage.\n", err);
        return 2;
    }
    if (options.help || options.version) {
        std::fputs(options.help ? HELP : VERSION, out);
        if (std::fflush(out) == 0 && !std::ferror(out))
            return 0;
        std::fputs("velortin-calc: cannot write the help\n", err);
        return 3;
    }
    if (options.batch)
        return RunBatch(in, out, err,
                        options.format == FORMAT_NOT_GIVEN ? FORMAT_TSV : options.format,
                        options.scannerDpi > 0 ? &options.scannerDpi : nullptr);
    return RunSingle(&options, out, err);
}
