// Texts that read back exactly. The reader accumulates digits in double and divides once
// by a power of ten, so a correctly rounded decimal of 17 digits may read back an ulp or
// so away. Nearby mantissas at a few lengths nearly always include one that reads back
// exactly; the few doubles that no text of the reader's reaches get the nearest one.
#include "tools/exact_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/reader.h"

namespace {

// mantissa / 10^shift in the reader's own form: digits, then "e-NN" or "e+NN".
void MantissaText(uint64_t mantissa, int shift, char* out)
{
    char digits[24];
    int n = 0;
    do
        digits[n++] = (char)('0' + mantissa % 10);
    while ((mantissa /= 10) != 0);
    char* p = out;
    while (n > 0)
        *p++ = digits[--n];
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
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
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

// Writes digits[0..n) (a decimal point after the first) times 10^exponent in the form of
// printf's "%g": plain for exponents from -4 to n - 1, else with an exponent; no
// trailing zeros. Returns the length.
static int GeneralText(const char* digits, int n, int exponent, int negative, char* out)
{
    while (n > 1 && digits[n - 1] == '0')
        n--;
    char* p = out;
    if (negative)
        *p++ = '-';
    if (exponent < -4 || exponent >= 17) {
        *p++ = digits[0];
        if (n > 1)
            *p++ = '.';
        for (int i = 1; i < n; i++)
            *p++ = digits[i];
        int magnitude = exponent < 0 ? -exponent : exponent;
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        if (magnitude >= 100)
            *p++ = (char)('0' + magnitude / 100);
        *p++ = (char)('0' + magnitude / 10 % 10);
        *p++ = (char)('0' + magnitude % 10);
    } else if (exponent < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = exponent + 1; i < 0; i++)
            *p++ = '0';
        for (int i = 0; i < n; i++)
            *p++ = digits[i];
    } else {
        for (int i = 0; i <= exponent || i < n; i++) {
            if (i == exponent + 1)
                *p++ = '.';
            *p++ = i < n ? digits[i] : '0';
        }
    }
    *p = 0;
    return (int)(p - out);
}

int ShortestText(double value, char* out)
{
    // One conversion to the correctly rounded 17 digits, which always read back; shorter
    // candidates are rounded from them and kept when they read back too. The C library's
    // conversions are correctly rounded (glibc; MinGW's gdtoa), so every build writes
    // the same text, and std::to_chars would cost the Windows build 400 KB.
    char text[EXACT_TEXT_MAX];
    // Whole numbers, the counts among them, take the short way.
    if (value != 0 && std::fabs(value) < 1e15 && value == std::trunc(value)) {
        int64_t whole = (int64_t)std::fabs(value), n = 0;
        do
            text[n++] = (char)('0' + whole % 10);
        while ((whole /= 10) != 0);
        char* p = out;
        if (value < 0)
            *p++ = '-';
        while (n > 0)
            *p++ = text[--n];
        *p = 0;
        return (int)(p - out);
    }
    std::snprintf(text, sizeof text, "%.16e", value);
    int negative = text[0] == '-';
    const char* p = text + negative;
    char digits[18];
    digits[0] = p[0];
    for (int i = 1; i < 17; i++)
        digits[i] = p[i + 1];
    int exponent = std::atoi(p + 19);
    for (int n = 15; n <= 16; n++) {
        // Rounded up from a 5, the 17 digits may themselves have been rounded up: then
        // the digits cut short are the nearer.
        for (int up = digits[n] >= '5'; up >= 0; up--) {
            char rounded[18];
            std::memcpy(rounded, digits, 17);
            int e = exponent, i = n;
            while (up && --i >= 0 && rounded[i] == '9')
                rounded[i] = '0';
            if (up && i < 0) {
                rounded[0] = '1';
                e++;
            } else if (up) {
                rounded[i]++;
            }
            int length = GeneralText(rounded, n, e, negative, out);
            if (std::strtod(out, nullptr) == value)
                return length;
            if (digits[n] != '5')
                break;
        }
    }
    return GeneralText(digits, 17, exponent, negative, out);
}

void ExactText(double value, char* out)
{
    double read;
    if (std::isfinite(value))
        ShortestText(value, out);
    else
        std::snprintf(out, EXACT_TEXT_MAX, "%s", std::isnan(value) ? "nan" : "inf");
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
