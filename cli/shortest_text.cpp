// The shortest decimal text of a double that reads back to exactly that double, for the
// numbers of JSON and CSV.
#include "cli/shortest_text.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/format.h"
#include "core/text.h"

// Writes digits[0..n) (a decimal point after the first) times 10^exponent in the form of
// printf's "%.17g": plain for exponents from -4 to 16, else with an exponent; no trailing
// zeros. Returns the length.
static int GeneralText(const char* digits, int n, int exponent, int negative, char* out)
{
    while (n > 1 && digits[n - 1] == '0')
        n--;
    char* p = out;
    if (negative)
        *p++ = '-';
    int plain = exponent >= -4 && exponent < 17;
    int point = plain ? exponent + 1 : 1;  // digits before the decimal point
    if (point <= 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = point; i < 0; i++)
            *p++ = '0';
    }
    for (int i = 0; i < n || i < point; i++) {
        if (i == point && point > 0)
            *p++ = '.';
        *p++ = i < n ? digits[i] : '0';
    }
    if (!plain) {
        int magnitude = exponent < 0 ? -exponent : exponent;
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        if (magnitude >= 100)
            *p++ = (char)('0' + magnitude / 100);
        *p++ = (char)('0' + magnitude / 10 % 10);
        *p++ = (char)('0' + magnitude % 10);
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
    // Whole numbers, the counts among them, take the short way to the same text.
    if (value != 0 && std::fabs(value) < 1e15 && value == std::trunc(value)) {
        FormatCount(value, out);
        return StringLength(out);
    }
    char text[SHORTEST_TEXT_MAX];
    std::snprintf(text, sizeof text, "%.16e", value);
    int negative = text[0] == '-';
    const char* p = text + negative;
    char digits[18];
    digits[0] = p[0];
    for (int i = 1; i < 17; i++)
        digits[i] = p[i + 1];
    int exponent = std::atoi(p + 19);
    // No two texts of 15 digits read as the same normal double, so a shorter text that
    // reads back is found at 15 digits with trailing zeros; a subnormal has fewer bits, so
    // fewer digits may tell it. At a power of two the doubles below lie twice as close as
    // those above, so the farther of the two roundings may read back where the nearer does not.
    int binaryExponent;
    int subnormal = std::fabs(value) < DBL_MIN;
    int powerOfTwo = std::fabs(std::frexp(value, &binaryExponent)) == 0.5;
    for (int n = subnormal ? 1 : 15; n <= 16; n++) {
        // Rounded up from a 5, the 17 digits may themselves have been rounded up: then
        // the digits cut short are the nearer.
        int nearer = digits[n] >= '5';
        for (int pass = 0; pass < 2; pass++) {
            int up = pass ? !nearer : nearer;
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
            if (digits[n] != '5' && !powerOfTwo)
                break;
        }
    }
    return GeneralText(digits, 17, exponent, negative, out);
}
