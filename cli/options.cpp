// The options of velortin-calc in one table, and the readers of their values. Every number
// is checked here as Compute will read it, so a bad value is a usage error naming its option.
#include "cli/options.h"

#include <cstring>

#include "core/format.h"
#include "plan/size_text.h"

namespace {

// A resolution is read per inch and held per millimetre, as the resolution field is; a
// scanner's dpi is held as given.
enum ValueKind { VALUE_NONE, VALUE_CHOICE, VALUE_SIZE, VALUE_LENGTH, VALUE_RESOLUTION, VALUE_DPI };

struct Option {
    const char* name;
    ValueKind value;  // VALUE_NONE: a switch, which sets *index to 1
    int withBatch;    // whether --batch takes it
    int* index;       // a switch, or the position of the name chosen: its enum value
    double* number;   // a size (width, height), a length or a resolution
    // The names a choice takes, or a size's named sizes: count of either.
    const char* const* names;
    const NamedSize* sizes;
    int count;
};

const char* const FORMAT_NAMES[] = {"text", "tsv", "csv", "json"};

enum { OPTION_COUNT = 16 };

// The table, pointing into o; "--" sets *ended.
void OptionTable(CliOptions* o, int* ended, Option table[OPTION_COUNT])
{
    Plan* p = &o->plan;
    CalcRecord* r = &o->record;
    const Option rows[] = {
        {"--printer", VALUE_CHOICE, 0, &r->printerType, nullptr, PRINTER_NAMES, nullptr, PRINTER_COUNT},
        {"--input-units", VALUE_CHOICE, 0, &r->inputUnits, nullptr, UNIT_NAMES, nullptr, UNIT_COUNT},
        {"--output-units", VALUE_CHOICE, 0, &r->outputUnits, nullptr, UNIT_NAMES, nullptr, UNIT_COUNT},
        {"--distance-units", VALUE_CHOICE, 0, &r->distanceUnits, nullptr, UNIT_NAMES, nullptr, UNIT_COUNT},
        {"--original", VALUE_SIZE, 0, nullptr, p->original, nullptr, NAMED_ORIGINALS, NAMED_ORIGINAL_COUNT},
        {"--print", VALUE_SIZE, 0, nullptr, p->print, nullptr, NAMED_PRINTS, NAMED_PRINT_COUNT},
        {"--fit", VALUE_CHOICE, 0, &p->fit, nullptr, FIT_NAMES, nullptr, 2},
        {"--output-width", VALUE_LENGTH, 0, nullptr, &p->outputWidth, nullptr, nullptr, 0},
        {"--distance", VALUE_LENGTH, 0, nullptr, &p->distance, nullptr, nullptr, 0},
        {"--resolution", VALUE_RESOLUTION, 0, nullptr, &p->resolution, nullptr, nullptr, 0},
        {"--scanner", VALUE_DPI, 1, nullptr, &o->scannerDpi, nullptr, nullptr, 0},
        {"--format", VALUE_CHOICE, 1, &o->format, nullptr, FORMAT_NAMES, nullptr, 4},
        {"--batch", VALUE_NONE, 1, &o->batch, nullptr, nullptr, nullptr, 0},
        {"--help", VALUE_NONE, 1, &o->help, nullptr, nullptr, nullptr, 0},
        {"--version", VALUE_NONE, 1, &o->version, nullptr, nullptr, nullptr, 0},
        {"--", VALUE_NONE, 1, ended, nullptr, nullptr, nullptr, 0},
    };
    static_assert(sizeof rows == sizeof(Option[OPTION_COUNT]), "the table's room");
    std::memcpy(table, rows, sizeof rows);
}

const Option* FindOption(const Option table[OPTION_COUNT], const char* name)
{
    for (int i = 0; i < OPTION_COUNT; i++)
        if (std::strcmp(table[i].name, name) == 0)
            return &table[i];
    return nullptr;
}

int Fail(char* message, const char* format, const char* option, const char* value = "",
         const char* more = "")
{
    FormatTextN(message, MESSAGE_MAX, format, option, value, more);
    return 1;
}

// The names an option takes, separated by ", " and before the last by last.
void Names(const Option* option, const char* last, char* out, int size)
{
    int used = 0;
    for (int n = 0; n < option->count && used < size - 1; n++)
        used += FormatTextN(out + used, (size_t)(size - used), "%s%s",
                            n == 0 ? "" : n == option->count - 1 ? last : ", ",
                            option->sizes ? option->sizes[n].name : option->names[n]);
}

// Messages for what reading a value found wrong (a ReadProblem), by the kind of value:
// formats of the option, the value and the accepted names.
const char TOO_LONG[] = "%s: the value is longer than a field's 254 characters";
const char* const LENGTH_PROBLEMS[] = {
    nullptr, TOO_LONG, "%s: '%s' is not a length greater than zero (as in 8in or 50cm)",
    "%s: '%s' has no unit; add mm, cm, in, ft or m (as in 8in or 50cm)"};
const char* const SIZE_PROBLEMS[] = {
    nullptr, TOO_LONG, "%s: '%s' is not a width and height greater than zero (as in 36x24mm)",
    "%s: '%s' has no unit; add mm, cm, in, ft or m (as in 36x24mm)",
    "%s: '%s' is not WxHUNIT (as in 36x24mm or 4x5in)",
    "%s: unknown size '%s'; give one of %s, or WxHUNIT as in 36x24mm"};
const char* const NUMBER_PROBLEMS[] = {nullptr, TOO_LONG,
                                       "%s: '%s' is not a number greater than zero"};

int ReadValue(const Option* option, const char* text, char* message)
{
    const char* problem = nullptr;
    switch (option->value) {
    case VALUE_CHOICE:
        *option->index = FindName(option->names, option->count, text);
        if (*option->index < 0)
            problem = "%s: unknown value '%s'; give %s";
        break;
    case VALUE_SIZE:
        problem = SIZE_PROBLEMS[ReadSizeText(text, option->sizes, option->count, option->number)];
        break;
    case VALUE_LENGTH: problem = LENGTH_PROBLEMS[ReadLengthText(text, option->number)]; break;
    case VALUE_RESOLUTION:
        problem = NUMBER_PROBLEMS[ReadNumberText(text, std::strlen(text), PER_INCH_TO_PER_MM,
                                                 option->number)];
        break;
    default:
        if (ReadFieldText(text, 1, option->number))
            problem = "%s: '%s' is not a resolution greater than zero";
    }
    if (!problem)
        return 0;
    char more[128] = "";
    Names(option, option->value == VALUE_CHOICE ? " or " : ", ", more, sizeof more);
    return Fail(message, problem, option->name, text, more);
}

// What the options say together; notWithBatch is the first option given that a batch
// does not take.
int CheckTogether(const CliOptions* o, const char* notWithBatch, char* message)
{
    const Plan* p = &o->plan;
    int named = p->original[0] > 0 || p->print[0] > 0 || p->outputWidth > 0 || p->distance > 0 ||
                p->resolution > 0;
    const char* problem = nullptr;
    if (o->batch && (notWithBatch || o->fieldCount))
        problem = "--batch reads its values from its lines; only --format and --scanner go with it";
    else if (named && o->fieldCount > 0)
        problem = "give either the five field texts or named values, not both";
    else if (p->print[0] > 0 && p->outputWidth > 0)
        problem = "--print sets the output width; leave out --output-width";
    else if (p->fit != FIT_NOT_GIVEN && !(p->print[0] > 0))
        problem = "--fit needs --print";
    if (problem)
        return Fail(message, "%s", problem);
    if (o->batch || o->fieldCount == 5 || (named && o->fieldCount == 0))
        return 0;
    char count[16];
    FormatInt(o->fieldCount, count);
    return Fail(message, "too few field texts: %s given, 5 needed (%s)", count,
                "IN-WIDTH IN-HEIGHT OUT-WIDTH DISTANCE RESOLUTION");
}

}  // namespace

int ParseOptions(int argc, char** argv, CliOptions* o, char* message)
{
    Option table[OPTION_COUNT];
    int ended = 0;
    OptionTable(o, &ended, table);
    const char* notWithBatch = nullptr;
    for (int i = 1; i < argc; i++) {
        const char* arg = argv[i];
        const Option* option = ended ? nullptr : FindOption(table, arg);
        if (option && !option->withBatch && !notWithBatch)
            notWithBatch = option->name;
        if (option && option->value == VALUE_NONE) {
            *option->index = 1;
        } else if (option) {
            if (i + 1 >= argc)
                return Fail(message, "%s needs a value", arg);
            if (ReadValue(option, argv[++i], message))
                return 1;
        } else if (!ended && arg[0] == '-' && arg[1] == '-') {
            return Fail(message, "unknown option '%s'", arg);
        } else if (o->fieldCount == 5) {
            return Fail(message, "too many field texts: '%s' after the five", arg);
        } else {
            o->fields[o->fieldCount++] = arg;
        }
    }
    if (o->help || o->version)
        return 0;
    return CheckTogether(o, notWithBatch, message);
}
