// Parsing the command line of velortin-calc.
#include "tools/options.h"

#include <cstring>

#include "core/text.h"
#include "resources/strings.h"
#include "ui/choice/choice_list.h"

const char UsageText[] =
    "usage: velortin-calc [--printer continuous|dithered|press] [--input-units U]\n"
    "                     [--output-units U] [--distance-units U] [--]\n"
    "                     INPUT-WIDTH INPUT-HEIGHT OUTPUT-WIDTH VIEW-DISTANCE RESOLUTION\n"
    "       velortin-calc --batch < lines\n"
    "       velortin-calc --help | --version\n"
    "U is one of mm, cm, in, ft, m. Defaults: dithered; mm, in, in.\n"
    "A batch line holds 9 tab-separated columns: printer (0-2), input, output and\n"
    "distance units (0-4), then the five field texts. Lines end at a line feed only: a\n"
    "carriage return belongs to the last text, and a NUL byte ends the text it is in.\n"
    "Each line gets one line: seven results, ERROR (a rejected field) or INVALID and why.\n"
    "Exit status: 0 done, 1 a field rejected, 2 usage error, 3 input or output failed.\n";

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
                *unit = ChoiceIndex(APP_STRING_19, argv[++i]);
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
    // A batch line carries its own selections and texts.
    if (options->batch)
        return count != 0 || selections ? 1 : 0;
    return count == 5 ? 0 : 1;
}
