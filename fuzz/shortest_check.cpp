// The shortest number texts against strtod and printf: each reads back, no shorter text
// does, and of the texts as long none nearer to the value does.
#include <cfenv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fuzz/calc_checks.h"
#include "cli/shortest_text.h"

namespace {

// A decimal text as digits times 10^power, with no trailing zero in digits.
struct Decimal {
    uint64_t digits;
    int power;
};

Decimal ReadDecimal(const char* text)
{
    Decimal d = {0, 0};
    const char* p = text + (*text == '-');
    for (int point = 0; *p && *p != 'e'; p++) {
        if (*p == '.') {
            point = 1;
            continue;
        }
        d.digits = d.digits * 10 + (uint64_t)(*p - '0');
        d.power -= point;
    }
    if (*p == 'e')
        d.power += std::atoi(p + 1);
    while (d.digits >= 10 && d.digits % 10 == 0) {
        d.digits /= 10;
        d.power++;
    }
    return d;
}

int SameDecimal(Decimal a, const char* text)
{
    Decimal b = ReadDecimal(text);
    return a.digits == b.digits && (a.digits == 0 || a.power == b.power);
}

int SameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// value to n significant digits, rounded as the rounding mode says.
void Rounded(double value, int n, int rounding, char* out)
{
    std::fesetround(rounding);
    std::snprintf(out, 64, "%.*e", n - 1, value);
    std::fesetround(FE_TONEAREST);
}

}  // namespace

void CheckShortestText(double value)
{
    char text[SHORTEST_TEXT_MAX + 1];
    text[SHORTEST_TEXT_MAX] = 0x5a;
    int length = ShortestText(value, text);
    if (length <= 0 || length >= SHORTEST_TEXT_MAX || (size_t)length != std::strlen(text) ||
        text[SHORTEST_TEXT_MAX] != 0x5a)
        CalcFail("a number text fits SHORTEST_TEXT_MAX", text);
    char* end;
    if (!SameDouble(std::strtod(text, &end), value) || *end)
        CalcFail("a number text reads back through strtod", text);

    // Of the texts with a given count of digits, only the nearest below and the nearest
    // above the value could read back, and printf gives them rounding down and up.
    Decimal ours = ReadDecimal(text);
    int count = 1;
    for (uint64_t d = ours.digits; d >= 10; d /= 10)
        count++;
    char other[64];
    for (int rounding : {FE_DOWNWARD, FE_UPWARD}) {
        if (count == 1)
            break;
        Rounded(value, count - 1, rounding, other);
        if (std::strtod(other, nullptr) == value)
            CalcFail("a number text is the shortest", std::string(text) + " or " + other);
    }
    char below[64], above[64];
    Rounded(value, count, FE_DOWNWARD, below);
    Rounded(value, count, FE_UPWARD, above);
    if (!SameDecimal(ours, below) && !SameDecimal(ours, above))
        CalcFail("a number text is next to the value", std::string(text) + " not " + below +
                                                           " or " + above);
    // printf's nearest, ties to even, is the one when it reads back.
    Rounded(value, count, FE_TONEAREST, other);
    if (std::strtod(other, nullptr) == value && !SameDecimal(ours, other))
        CalcFail("a number text is the nearest of its length", std::string(text) + " or " + other);
}
