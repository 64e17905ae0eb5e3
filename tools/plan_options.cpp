// Parsing the named values of velortin-calc. Every number is checked here as Compute will
// read it, so a bad value is a usage error that names its option.
#include "tools/plan_options.h"

#include <cstring>

#include "core/format.h"
#include "resources/strings.h"
#include "tools/options.h"
#include "core/choice_list.h"

namespace {

struct NamedSize {
    const char* name;
    const char* width;
    const char* height;
    int unit;
};

// Width x height, as the sizes are commonly named.
const NamedSize ORIGINALS[] = {
    {"35mm", "36", "24", UNIT_MM}, {"half", "24", "18", UNIT_MM}, {"aps", "30.2", "16.7", UNIT_MM},
    {"645", "56", "41.5", UNIT_MM}, {"6x6", "56", "56", UNIT_MM},  {"6x7", "56", "70", UNIT_MM},
    {"6x9", "56", "84", UNIT_MM},   {"4x5", "4", "5", UNIT_IN},     {"5x7", "5", "7", UNIT_IN},
    {"8x10", "8", "10", UNIT_IN},   {nullptr, nullptr, nullptr, 0},
};
const NamedSize PRINTS[] = {
    {"4x6", "4", "6", UNIT_IN},      {"5x7", "5", "7", UNIT_IN},        {"8x10", "8", "10", UNIT_IN},
    {"11x14", "11", "14", UNIT_IN},  {"16x20", "16", "20", UNIT_IN},    {"a5", "148", "210", UNIT_MM},
    {"a4", "210", "297", UNIT_MM},   {"a3", "297", "420", UNIT_MM},     {"a2", "420", "594", UNIT_MM},
    {"letter", "8.5", "11", UNIT_IN}, {nullptr, nullptr, nullptr, 0},
};

int Fail(PlanOptions* plan, const char* format, const char* option, const char* value = "",
         const char* more = "")
{
    FormatTextN(plan->error, sizeof plan->error, format, option, value, more);
    return -1;
}

// Splits off a unit name that ends arg; returns the unit and the length before it, or -1.
int UnitSuffix(const char* arg, size_t* numberLength)
{
    size_t length = std::strlen(arg);
    int best = -1;
    size_t bestLength = 0;
    for (int unit = 0; unit < UNIT_COUNT; unit++) {
        const char* item = ChoiceItem(LIST_UNITS, unit + 1);
        size_t n = (size_t)ChoiceItemLength(item);
        if (n <= length && n > bestLength && std::strncmp(arg + length - n, item, n) == 0) {
            best = unit;
            bestLength = n;
        }
    }
    *numberLength = length - bestLength;
    return best;
}

// The first n characters of from as a text of its own, when they fit.
int Take(char* out, const char* from, size_t n)
{
    if (n >= PLAN_TEXT_MAX)
        return 0;
    std::memcpy(out, from, n);
    out[n] = 0;
    return 1;
}

int Accepted(const char* text, int unit)
{
    double value;
    return ReadFieldText(text, unit < 0 ? PER_INCH_TO_PER_MM : UNIT_TO_MM[unit], &value) == 0;
}

int TooLong(PlanOptions* plan, const char* option)
{
    return Fail(plan, "%s: the value is longer than a field's 254 characters", option);
}

int ParseLength(const char* option, const char* arg, LengthValue* length, PlanOptions* plan)
{
    size_t numberLength;
    int unit = UnitSuffix(arg, &numberLength);
    if (unit < 0)
        return Fail(plan, "%s: '%s' has no unit; add mm, cm, in, ft or m (as in 8in or 50cm)",
                    option, arg);
    if (!Take(length->text, arg, numberLength))
        return TooLong(plan, option);
    length->unit = unit;
    if (!Accepted(length->text, unit))
        return Fail(plan, "%s: '%s' is not a length greater than zero (as in 8in or 50cm)", option,
                    arg);
    return 1;
}

int ParseSize(const char* option, const char* arg, const NamedSize* names, SizeValue* size,
              PlanOptions* plan)
{
    for (const NamedSize* n = names; n->name; n++) {
        if (std::strcmp(arg, n->name) == 0) {
            Take(size->width, n->width, std::strlen(n->width));
            Take(size->height, n->height, std::strlen(n->height));
            size->unit = n->unit;
            return 1;
        }
    }
    size_t numberLength;
    int unit = UnitSuffix(arg, &numberLength);
    const char* x = (const char*)std::memchr(arg, 'x', numberLength);
    if (!x && unit < 0) {
        char known[256] = "";
        size_t used = 0;
        for (const NamedSize* n = names; n->name; n++)
            used += (size_t)FormatTextN(known + used, sizeof known - used, "%s%s",
                                        n == names ? "" : ", ", n->name);
        return Fail(plan, "%s: unknown size '%s'; give one of %s, or WxHUNIT as in 36x24mm",
                    option, arg, known);
    }
    if (unit < 0)
        return Fail(plan, "%s: '%s' has no unit; add mm, cm, in, ft or m (as in 36x24mm)",
                    option, arg);
    if (!x)
        return Fail(plan, "%s: '%s' is not WxHUNIT (as in 36x24mm or 4x5in)", option, arg);
    size_t widthLength = (size_t)(x - arg);
    if (!Take(size->width, arg, widthLength) ||
        !Take(size->height, x + 1, numberLength - widthLength - 1))
        return TooLong(plan, option);
    size->unit = unit;
    if (!Accepted(size->width, unit) || !Accepted(size->height, unit))
        return Fail(plan, "%s: '%s' is not a width and height greater than zero (as in 36x24mm)",
                    option, arg);
    return 1;
}

int ParseChoice(const char* option, const char* arg, const char* list, const char* names,
                int* value, PlanOptions* plan)
{
    *value = ChoiceIndex(list, arg);
    if (*value < 0)
        return Fail(plan, "%s: unknown value '%s'; give %s", option, arg, names);
    return 1;
}

}  // namespace

int ParsePlanOption(int argc, char** argv, int* i, PlanOptions* plan)
{
    static const char* const OPTIONS[] = {"--original", "--print",      "--output-width",
                                          "--distance", "--resolution", "--fit",
                                          "--scanner",  "--format"};
    const char* option = argv[*i];
    int which = -1;
    for (int k = 0; k < 8; k++)
        if (std::strcmp(option, OPTIONS[k]) == 0)
            which = k;
    if (which < 0)
        return 0;
    if (*i + 1 >= argc)
        return Fail(plan, "%s needs a value", option);
    const char* arg = argv[++*i];
    if (which <= 4)
        plan->named = 1;
    switch (which) {
    case 0: return ParseSize(option, arg, ORIGINALS, &plan->original, plan);
    case 1:
        plan->printGiven = 1;
        return ParseSize(option, arg, PRINTS, &plan->print, plan);
    case 2:
        plan->outputWidthGiven = 1;
        return ParseLength(option, arg, &plan->outputWidth, plan);
    case 3: return ParseLength(option, arg, &plan->distance, plan);
    case 4:
        if (!Take(plan->resolution, arg, std::strlen(arg)))
            return TooLong(plan, option);
        if (!Accepted(plan->resolution, -1))
            return Fail(plan, "%s: '%s' is not a number greater than zero", option, arg);
        return 1;
    case 5:
        plan->fitGiven = 1;
        return ParseChoice(option, arg, "|inside|fill|", "inside or fill", &plan->fit, plan);
    case 6:
        plan->scannerGiven = 1;
        if (ReadFieldText(arg, 1, &plan->scannerDpi))
            return Fail(plan, "%s: '%s' is not a resolution greater than zero", option, arg);
        return 1;
    default: return ParseChoice(option, arg, "|text|tsv|csv|json|", "text, tsv, csv or json",
                                       &plan->format, plan);
    }
}

int CheckPlan(PlanOptions* plan, int batch, int positionalCount)
{
    const char* problem = nullptr;
    if (batch && (plan->named || plan->fitGiven))
        problem = "--batch reads its values from its lines; only --format and --scanner go with it";
    else if (plan->named && positionalCount > 0)
        problem = "give either the five field texts or named values, not both";
    else if (plan->printGiven && plan->outputWidthGiven)
        problem = "--print sets the output width; leave out --output-width";
    else if (plan->fitGiven && !plan->printGiven)
        problem = "--fit needs --print";
    if (!problem)
        return 0;
    FormatTextN(plan->error, sizeof plan->error, "%s", problem);
    return 1;
}
