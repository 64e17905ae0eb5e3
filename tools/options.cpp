// Parsing the command line of velortin-calc.
#include "tools/options.h"

#include <cstring>

#include "core/text.h"
#include "resources/strings.h"
#include "core/choice_list.h"

const char UsageText[] =
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
    "Exit status: 0 done, 1 a field rejected, 2 usage error, 3 input or output failed.\n";

const char HelpExamples[] =
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

namespace {

const char PRINTER_NAMES[] = "|continuous|dithered|press|";

int IsOption(const char* arg, const char* name)
{
    return std::strcmp(arg, name) == 0;
}

}  // namespace

int ChoiceIndex(const char* list, const char* name)
{
    int length = StringLength(name);
    int items = ChoiceCount(list) - 1;
    for (int n = 1; n <= items; n++) {
        const char* item = ChoiceItem(list, n);
        if (ChoiceItemLength(item) == length && std::strncmp(item, name, (size_t)length) == 0)
            return n - 1;
    }
    return -1;
}

int ParseOptions(int argc, char** argv, CliOptions* options)
{
    int count = 0;
    int optionsEnded = 0;
    int selections = 0;
    for (int i = 1; i < argc; i++) {
        const char* arg = argv[i];
        if (!optionsEnded) {
            int* unit = nullptr;
            if (IsOption(arg, "--")) {
                optionsEnded = 1;
                continue;
            }
            if (IsOption(arg, "--batch")) {
                options->batch = 1;
                continue;
            }
            if (IsOption(arg, "--help")) {
                options->help = 1;
                continue;
            }
            int taken = ParsePlanOption(argc, argv, &i, &options->plan);
            if (taken < 0)
                return 1;
            if (taken)
                continue;
            if (IsOption(arg, "--printer")) {
                if (i + 1 >= argc)
                    return 1;
                options->printerType = ChoiceIndex(PRINTER_NAMES, argv[++i]);
                if (options->printerType < 0)
                    return 1;
                selections = 1;
                continue;
            }
            if (IsOption(arg, "--input-units"))
                unit = &options->inputUnits;
            else if (IsOption(arg, "--output-units"))
                unit = &options->outputUnits;
            else if (IsOption(arg, "--distance-units"))
                unit = &options->distanceUnits;
            if (unit) {
                if (i + 1 >= argc)
                    return 1;
                *unit = ChoiceIndex(LIST_UNITS, argv[++i]);
                if (*unit < 0)
                    return 1;
                selections = 1;
                continue;
            }
        }
        if (count == 5)
            return 1;
        options->fields[count++] = arg;
    }
    if (options->help)
        return 0;
    if (CheckPlan(&options->plan, options->batch, count))
        return 1;
    // A batch line carries its own selections and texts.
    if (options->batch)
        return count != 0 || selections ? 1 : 0;
    return count == 5 || (count == 0 && options->plan.named) ? 0 : 1;
}
