// Texts that read back exactly. The reader accumulates digits in double and divides once
// by a power of ten, so a correctly rounded decimal of 17 digits may read back an ulp or
// so away. Nearby mantissas at a few lengths nearly always include one that reads back
// exactly; the few doubles that no text of the reader's reaches get the nearest one.
#include "tools/exact_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/reader.h"

namespace {

// mantissa / 10^shift in the reader's own form: digits, then "e-NN" or "e+NN".
void MantissaText(uint64_t mantissa, int shift, char* out)
{
    char* p = std::to_chars(out, out + 20, mantissa).ptr;
    if (shift != 0) {
        int magnitude = shift < 0 ? -shift : shift;
        *p++ = 'e';
        *p++ = shift > 0 ? '-' : '+';
        if (magnitude >= 10)
            *p++ = (char)('0' + magnitude / 10);
        *p++ = (char)('0' + magnitude % 10);
    }
    *p = 0;
}

// Splits value's correctly rounded decimal of the given number of significant digits
// into an integer mantissa and the power of ten that scales it down.
void Decimal(double value, int digits, uint64_t* mantissa, int* shift)
{
    char text[EXACT_TEXT_MAX];
    char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                              digits - 1).ptr;
    *end = 0;
    const char* p = text;
    *mantissa = 0;
    for (; *p != 'e'; p++)
        if (*p != '.')
            *mantissa = *mantissa * 10 + (uint64_t)(*p - '0');
    int negative = p[1] == '-';
    int exponent = 0;
    for (p += 2; *p; p++)
        exponent = exponent * 10 + (*p - '0');
    *shift = digits - 1 - (negative ? -exponent : exponent);
}

}  // namespace

void ExactText(double value, char* out)
{
    char* end = std::to_chars(out, out + EXACT_TEXT_MAX - 1, value).ptr;
    *end = 0;
    double read;
    if (!std::isfinite(value) || (ParseWholeNumber(out, &read) == 0 && read == value))
        return;
    double bestError = std::fabs(read - value);
    char candidate[EXACT_TEXT_MAX];
    for (int digits = 15; digits <= 19; digits++) {
        uint64_t mantissa;
        int shift;
        Decimal(value, digits, &mantissa, &shift);
        // The reader's exponent has at most two digits.
        if (shift < -99 || shift > 99)
            continue;
        for (uint64_t step = 0; step <= 40; step++) {
            for (int sign = 0; sign < 2; sign++) {
                if (sign && (step == 0 || step > mantissa))
                    continue;
                MantissaText(sign ? mantissa - step : mantissa + step, shift, candidate);
                if (ParseWholeNumber(candidate, &read) != 0 || !(std::fabs(read - value) < bestError))
                    continue;
                bestError = std::fabs(read - value);
                std::memcpy(out, candidate, std::strlen(candidate) + 1);
                if (bestError == 0)
                    return;
            }
        }
    }
}
