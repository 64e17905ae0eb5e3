// The number reader. Every operation rounds to double in the order written, so results
// are the same to the last bit on every build that computes in plain IEEE double.
#include "core/reader.h"

int IsDigitChar(int c, int* digit)
{
    if (c < '0' || c > '9')
        return 0;
    *digit = c - '0';
    return 1;
}

double PowerOfTen(int n)
{
    switch (n) {
    case -1: return 0.1;
    case 0: return 1.0;
    case 1: return 10.0;
    case 2: return 100.0;
    }
    // Magnitude taken as unsigned so that the most negative int has one too.
    unsigned m = n < 0 ? 0u - (unsigned)n : (unsigned)n;
    double result = 1.0, base = 10.0;
    while (m) {
        if (m & 1u)
            result *= base;
        m >>= 1;
        if (m)
            base *= base;
    }
    return n < 0 ? 1.0 / result : result;
}

// Past this many decimals 10^count is already infinite, so counting further changes
// nothing but would let the int overflow on absurdly long texts.
static const int DECIMAL_COUNT_CAP = 1 << 20;

int ParseNumber(const char** position, double* value)
{
    const char* p = *position;
    int decimals = 0, exponent = 0, digit = 0;
    int point = 0, percent = 0, minus = 0, digits = 0;
    *value = 0.0;

    if (*p == '+') {
        p++;
    } else if (*p == '-') {
        minus = 1;
        p++;
    }
    for (;;) {
        *position = p;
        unsigned char c = (unsigned char)*p;
        if (c == ',') {
            p++;
        } else if (IsDigitChar(c, &digit)) {
            *value = *value * 10.0 + digit;
            digits = 1;
            if (point && decimals < DECIMAL_COUNT_CAP)
                decimals++;
            p++;
        } else if (c == '.') {
            if (point)
                return 1;
            point = 1;
            p++;
        } else if (c == '%') {
            if (percent)
                return 1;
            percent = 1;
            p++;
        } else if (c == 'E' || c == 'e') {
            int negative = 0;
            p++;
            if (*p == '+') {
                p++;
            } else if (*p == '-') {
                negative = 1;
                p++;
            }
            *position = p;
            if (!IsDigitChar((unsigned char)*p, &exponent))
                return 1;
            p++;
            if (IsDigitChar((unsigned char)*p, &digit)) {
                exponent = exponent * 10 + digit;
                p++;
            }
            *position = p;
            if (negative)
                exponent = -exponent;
            break;
        } else {
            break;
        }
    }
    int n = decimals - exponent + (percent ? 2 : 0);
    *value = *value / PowerOfTen(n);
    if (minus)
        *value = -*value;
    return digits || point ? 0 : 1;
}

int ParseWholeNumber(const char* text, double* value)
{
    const char* p = text;
    if (ParseNumber(&p, value))
        return 1;
    return *p ? 1 : 0;
}
