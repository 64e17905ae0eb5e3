// The shortest number texts against strtod and against the program's own reader.
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/reader.h"
#include "fuzz/calc_checks.h"
#include "cli/shortest_text.h"

namespace {

// A decimal text as the reader sees it: its digits as one whole number, how many of them
// follow the point, and its exponent with the count of the exponent's digits.
struct DecimalForm {
    uint64_t digits;
    int decimals, exponent, exponentDigits;
};

DecimalForm ReadForm(const char* text)
{
    DecimalForm form = {};
    const char* p = text + (*text == '-');
    for (int point = 0; *p && *p != 'e'; p++) {
        if (*p == '.') {
            point = 1;
            continue;
        }
        form.digits = form.digits * 10 + (uint64_t)(*p - '0');
        form.decimals += point;
    }
    if (*p == 'e') {
        form.exponent = std::atoi(p + 1);
        form.exponentDigits = (int)std::strlen(p + 2);
    }
    return form;
}

int SameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
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

    // Shortest: no decimal of one significant digit fewer reads back. Only the nearest below
    // and the nearest above the value could, and printf gives them rounding down and up.
    DecimalForm form = ReadForm(text);
    uint64_t significant = form.digits;
    while (significant >= 10 && significant % 10 == 0)
        significant /= 10;
    int count = 1;
    for (; significant >= 10; significant /= 10)
        count++;
    for (int rounding : {FE_DOWNWARD, FE_UPWARD}) {
        char shorter[64];
        std::fesetround(rounding);
        std::snprintf(shorter, sizeof shorter, "%.*e", count - 2, value);
        std::fesetround(FE_TONEAREST);
        if (count > 1 && std::strtod(shorter, nullptr) == value)
            CalcFail("a number text is the shortest", std::string(text) + " or " + shorter);
    }

    // The reader takes two exponent digits at most, so it reads no text of a magnitude
    // from 1e100, or below 1e-99: it must refuse those, not misread them.
    double read;
    int refused = ParseWholeNumber(text, &read);
    if (form.exponentDigits > 2) {
        if (!refused)
            CalcFail("a three-digit exponent is refused by the reader", text);
        return;
    }
    if (refused)
        CalcFail("the reader takes a number text whole", text);
    // The reader forms the digits as a whole number in double, exact below 2^53, and divides
    // once by PowerOfTen(n), n the decimals less the exponent, exact for n from 0 to 22: the
    // one division then rounds as strtod does, to the value itself. Otherwise the digits past
    // 2^53 round up to three times (each by at most 2^-53 of the value), PowerOfTen is within
    // 2.8 times 2^-53 of 10^n for every n such a text gives (-99 to 115), the division rounds
    // once more and the text lies within half an ulp of the value: less than 8 times 2^-53
    // in all, which can put the result an ulp or more away.
    int n = form.decimals - form.exponent;
    if (form.digits < (1ull << 53) && n >= 0 && n <= 22) {
        if (!SameDouble(read, value))
            CalcFail("the reader reads a number text back exactly", text);
    } else if (!(std::fabs(read - value) <= 0x1p-50 * std::fabs(value))) {
        CalcFail("the reader reads a number text back within 8 units of 2^-53", text);
    }
}
