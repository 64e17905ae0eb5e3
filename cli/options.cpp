// The options of velortin-calc in one table, and the readers of their values. Every number
// is checked here as Compute will read it, so a bad value is a usage error naming its option.
#include "cli/options.h"

#include <cstring>

#include "core/choice_list.h"
#include "core/format.h"
#include "core/text.h"
#include "resources/strings.h"
#include "cli/named_sizes.h"

namespace {

// A resolution is read per inch and held per millimetre, as the resolution field is; a
// scanner's dpi is held as given.
enum ValueKind { VALUE_NONE, VALUE_CHOICE, VALUE_SIZE, VALUE_LENGTH, VALUE_RESOLUTION, VALUE_DPI };

struct Option {
    const char* name;
    ValueKind value;       // VALUE_NONE: a switch, which sets *index to 1
    int withBatch;         // whether --batch takes it
    int* index;            // a switch, or the position of the name chosen: its enum value
    double* number;        // a size (width, height), a length or a resolution
    const char* accepted;  // a choice list of names; a size's items are NAME=WxHUNIT
};

enum { OPTION_COUNT = 16 };

// The table, pointing into o; "--" sets *ended.
void OptionTable(CliOptions* o, int* ended, Option table[OPTION_COUNT])
{
    Plan* p = &o->plan;
    CalcRecord* r = &o->record;
    const Option rows[] = {
        {"--printer", VALUE_CHOICE, 0, &r->printerType, nullptr, "|continuous|dithered|press|"},
        {"--input-units", VALUE_CHOICE, 0, &r->inputUnits, nullptr, LIST_UNITS},
        {"--output-units", VALUE_CHOICE, 0, &r->outputUnits, nullptr, LIST_UNITS},
        {"--distance-units", VALUE_CHOICE, 0, &r->distanceUnits, nullptr, LIST_UNITS},
        {"--original", VALUE_SIZE, 0, nullptr, p->original, NAMED_ORIGINALS},
        {"--print", VALUE_SIZE, 0, nullptr, p->print, NAMED_PRINTS},
        {"--fit", VALUE_CHOICE, 0, &p->fit, nullptr, "|inside|fill|"},
        {"--output-width", VALUE_LENGTH, 0, nullptr, &p->outputWidth, nullptr},
        {"--distance", VALUE_LENGTH, 0, nullptr, &p->distance, nullptr},
        {"--resolution", VALUE_RESOLUTION, 0, nullptr, &p->resolution, nullptr},
        {"--scanner", VALUE_DPI, 1, nullptr, &o->scannerDpi, nullptr},
        {"--format", VALUE_CHOICE, 1, &o->format, nullptr, "|text|tsv|csv|json|"},
        {"--batch", VALUE_NONE, 1, &o->batch, nullptr, nullptr},
        {"--help", VALUE_NONE, 1, &o->help, nullptr, nullptr},
        {"--version", VALUE_NONE, 1, &o->version, nullptr, nullptr},
        {"--", VALUE_NONE, 1, ended, nullptr, nullptr},
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

// The length of an item's name: up to its '=' or its closing bar.
int NameLength(const char* item)
{
    int n = 0;
    while (item[n] && item[n] != '|' && item[n] != '=')
        n++;
    return n;
}

// The position of the item named text in list, or -1.
int FindName(const char* list, const char* text)
{
    size_t length = std::strlen(text);
    for (int n = 1; n < ChoiceCount(list); n++) {
        const char* item = ChoiceItem(list, n);
        if ((size_t)NameLength(item) == length && std::strncmp(item, text, length) == 0)
            return n - 1;
    }
    return -1;
}

// The names of a list, separated by ", " and before the last by last.
void Names(const char* list, const char* last, char* out, int size)
{
    int items = ChoiceCount(list) - 1, used = 0;
    for (int n = 1; n <= items && used < size - 1; n++) {
        used += FormatTextN(out + used, (size_t)(size - used), "%s",
                            n == 1 ? "" : n == items ? last : ", ");
        const char* item = ChoiceItem(list, n);
        CopyText(item, out + used, NameLength(item) < size - used ? NameLength(item) : 0);
        used += StringLength(out + used);
    }
}

// The unit that ends text, and the length before it; -1 when there is none. "m" comes
// last in the list, so "mm" and "cm" are found before it.
int UnitSuffix(const char* text, size_t* numberLength)
{
    size_t length = std::strlen(text);
    for (int unit = 0; unit < UNIT_COUNT; unit++) {
        const char* item = ChoiceItem(LIST_UNITS, unit + 1);
        size_t n = (size_t)ChoiceItemLength(item);
        *numberLength = length - n;
        if (n <= length && std::strncmp(text + length - n, item, n) == 0)
            return unit;
    }
    *numberLength = length;
    return -1;
}

// What can be wrong with a value, as message formats of the option, the value and the
// accepted names.
const char TOO_LONG[] = "%s: the value is longer than a field's 254 characters";
const char NO_UNIT[] = "%s: '%s' has no unit; add mm, cm, in, ft or m (as in 8in or 50cm)";
const char NO_SIZE_UNIT[] = "%s: '%s' has no unit; add mm, cm, in, ft or m (as in 36x24mm)";

// n characters of text read as a field's text, multiplied by factor: null, or what is wrong.
const char* ReadPart(const char* text, size_t n, double factor, double* value, const char* bad)
{
    char field[255];
    if (n >= sizeof field)
        return TOO_LONG;
    std::memcpy(field, text, n);
    field[n] = 0;
    return ReadFieldText(field, factor, value) ? bad : nullptr;
}

const char* ReadLength(const char* text, double* mm)
{
    size_t n;
    int unit = UnitSuffix(text, &n);
    if (unit < 0)
        return NO_UNIT;
    return ReadPart(text, n, UNIT_TO_MM[unit], mm,
                    "%s: '%s' is not a length greater than zero (as in 8in or 50cm)");
}

const char* ReadSize(const char* text, const char* names, double size[2])
{
    int named = FindName(names, text);
    char own[32];
    if (named >= 0) {  // a name reads as the size it stands for
        const char* item = ChoiceItem(names, named + 1) + std::strlen(text) + 1;
        CopyText(item, own, ChoiceItemLength(item));
        text = own;
    }
    size_t n;
    int unit = UnitSuffix(text, &n);
    const char* x = (const char*)std::memchr(text, 'x', n);
    if (!x)
        return unit < 0 ? "%s: unknown size '%s'; give one of %s, or WxHUNIT as in 36x24mm"
                        : "%s: '%s' is not WxHUNIT (as in 36x24mm or 4x5in)";
    if (unit < 0)
        return NO_SIZE_UNIT;
    const char* bad = "%s: '%s' is not a width and height greater than zero (as in 36x24mm)";
    size_t w = (size_t)(x - text);
    const char* width = ReadPart(text, w, UNIT_TO_MM[unit], &size[0], bad);
    const char* height = width == TOO_LONG
                             ? TOO_LONG
                             : ReadPart(x + 1, n - w - 1, UNIT_TO_MM[unit], &size[1], bad);
    return height ? height : width;
}

int ReadValue(const Option* option, const char* text, char* message)
{
    const char* problem = nullptr;
    switch (option->value) {
    case VALUE_CHOICE:
        *option->index = FindName(option->accepted, text);
        if (*option->index < 0)
            problem = "%s: unknown value '%s'; give %s";
        break;
    case VALUE_SIZE: problem = ReadSize(text, option->accepted, option->number); break;
    case VALUE_LENGTH: problem = ReadLength(text, option->number); break;
    case VALUE_RESOLUTION:
        problem = ReadPart(text, std::strlen(text), PER_INCH_TO_PER_MM, option->number,
                           "%s: '%s' is not a number greater than zero");
        break;
    default:
        if (ReadFieldText(text, 1, option->number))
            problem = "%s: '%s' is not a resolution greater than zero";
    }
    if (!problem)
        return 0;
    char more[128] = "";
    if (option->accepted)
        Names(option->accepted, option->value == VALUE_CHOICE ? " or " : ", ", more, 128);
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

int ReadOptionValue(const char* name, const char* text, CliOptions* options, char* message)
{
    Option table[OPTION_COUNT];
    int ended;
    OptionTable(options, &ended, table);
    const Option* option = FindOption(table, name);
    if (!option || option->value == VALUE_NONE)
        return Fail(message, "'%s' is not an option with a value", name);
    return ReadValue(option, text, message);
}

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
