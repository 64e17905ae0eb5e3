// The formatter. All writing goes through one bounded sink, so the unbounded and bounded
// entry points cannot drift apart.
#include "core/format.h"

#include <cmath>
#include <cstdint>

#include "core/reader.h"

namespace {

const double SCALE[7] = {1, 10, 100, 1000, 10000, 100000, 1000000};

struct Sink {
    char* out;
    size_t size;
    size_t count;
};

void Put(Sink* s, char c)
{
    // One byte is always kept back for the terminator.
    if (s->count + 1 < s->size)
        s->out[s->count++] = c;
}

void PutText(Sink* s, const char* text)
{
    while (*text)
        Put(s, *text++);
}

// Writes the decimal digits of v, most significant first, unterminated; returns the count.
int PutDigits(char* out, uint64_t v)
{
    char tmp[20];
    int n = 0;
    do {
        tmp[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v);
    for (int i = 0; i < n; i++)
        out[i] = tmp[n - 1 - i];
    return n;
}

// Writes "nan", "inf" or "-inf" and returns 1 when value is not finite.
int PutNonFinite(double value, char* out)
{
    const char* text;
    if (std::isnan(value))
        text = "nan";
    else if (std::isinf(value))
        text = value > 0 ? "inf" : "-inf";
    else
        return 0;
    while ((*out++ = *text++))
        ;
    return 1;
}

// A large finite magnitude (at least 1000) with ten significant digits and a decimal
// exponent, in a form the number reader takes back to nearly the same value. The reader
// takes at most two exponent digits, so beyond 10^99 the rest of the exponent is spelled
// out as digits before the point.
void PutScientific(char* out, double mag)
{
    // The binary exponent puts the decimal one within one of its true value.
    int binary = 0;
    std::frexp(mag, &binary);
    int e = (int)((binary - 1) * 0.30102999566398120);
    if (e < 3)
        e = 3;
    if (e > 308)
        e = 308;
    uint64_t m = 0;
    // Settles in a step or two; the bound only guards against a surprise.
    for (int settle = 0; settle < 6; settle++) {
        m = (uint64_t)(mag / PowerOfTen(e - 9) + 0.5);
        if (m >= 10000000000ull && e < 308)
            e++;
        else if (m < 1000000000ull && e > 3)
            e--;
        else
            break;
    }
    // Rounding up at the top of the range would read back as infinity.
    if (e == 308 && m > 1797693134ull)
        m = 1797693134ull;
    while (m % 10 == 0 && m >= 10)
        m /= 10;
    char digits[20];
    int count = PutDigits(digits, m);
    int exponent = e > 99 ? 99 : e;
    int whole = e - exponent + 1;
    char* p = out;
    for (int i = 0; i < whole; i++)
        *p++ = i < count ? digits[i] : '0';
    if (count > whole) {
        *p++ = '.';
        for (int i = whole; i < count; i++)
            *p++ = digits[i];
    }
    *p++ = 'e';
    *p++ = '+';
    p += PutDigits(p, (uint64_t)exponent);
    *p = 0;
}

}  // namespace

void FormatInt(int value, char* out)
{
    uint32_t magnitude = (uint32_t)value;
    if (value < 0) {
        *out++ = '-';
        magnitude = 0u - magnitude;
    }
    out[PutDigits(out, magnitude)] = 0;
}

void FormatFixed(double value, char* out, int decimals, int trim)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 6)
        decimals = 6;
    if (PutNonFinite(value, out))
        return;
    if (value == 0.0) {
        char* p = out;
        *p++ = '0';
        if (decimals > 0 && !trim) {
            *p++ = '.';
            for (int i = 0; i < decimals; i++)
                *p++ = '0';
        }
        *p = 0;
        return;
    }
    if (value < 0) {
        *out++ = '-';
        value = -value;
    }
    // Rounding half up on the double product, as the product rounds, not on the decimal.
    double scaled = value * SCALE[decimals];
    scaled = scaled + 0.5;
    if (!(scaled < 2147483648.0)) {
        PutScientific(out, value);
        return;
    }
    char digits[12];
    int count = PutDigits(digits, (uint64_t)(int32_t)scaled);
    int width = count > decimals ? count : decimals + 1;
    char* p = out;
    for (int i = 0; i < width; i++) {
        if (decimals > 0 && i == width - decimals)
            *p++ = '.';
        int from = i - (width - count);
        *p++ = from < 0 ? '0' : digits[from];
    }
    if (decimals > 0 && trim) {
        while (p[-1] == '0')
            p--;
        if (p[-1] == '.')
            p--;
    }
    *p = 0;
}

void FormatCount(double value, char* out)
{
    if (PutNonFinite(value, out))
        return;
    if (value <= -1.0)
        *out++ = '-';
    double magnitude = value < 0 ? -value : value;
    if (magnitude < 9223372036854775808.0)
        out[PutDigits(out, (uint64_t)magnitude)] = 0;
    else
        PutScientific(out, magnitude);
}

int FormatTextVN(char* out, size_t size, const char* format, va_list args)
{
    if (size == 0)
        return 0;
    Sink s = {out, size, 0};
    char number[FIXED_TEXT_MAX];
    const char* f = format;
    while (*f) {
        char c = *f++;
        if (c == '\\') {
            // A backslash at the very end escapes nothing and writes nothing.
            char e = *f;
            if (!e)
                break;
            f++;
            Put(&s, e == '0' ? '\0' : e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e);
            continue;
        }
        if (c != '%') {
            Put(&s, c);
            continue;
        }
        int decimals = 4, trim = 0;
        while ((*f >= '0' && *f <= '6') || *f == 'z') {
            if (*f == 'z')
                trim = 1;
            else
                decimals = *f - '0';
            f++;
        }
        // A conversion cut off by the end of the format takes no argument and writes nothing.
        char conversion = *f;
        if (!conversion)
            break;
        f++;
        switch (conversion) {
        case '%':
            Put(&s, '%');
            break;
        case 'c':
            Put(&s, (char)va_arg(args, int));
            break;
        case 'd':
            FormatInt(va_arg(args, int), number);
            PutText(&s, number);
            break;
        case 'f':
            FormatFixed(va_arg(args, double), number, decimals, trim);
            PutText(&s, number);
            break;
        case 's': {
            const char* text = va_arg(args, const char*);
            if (text)
                PutText(&s, text);
            break;
        }
        default:
            break;
        }
    }
    out[s.count] = 0;
    return (int)s.count;
}

int FormatTextN(char* out, size_t size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int n = FormatTextVN(out, size, format, args);
    va_end(args);
    return n;
}

int FormatTextV(char* out, const char* format, va_list args)
{
    return FormatTextVN(out, (size_t)-1, format, args);
}

int FormatText(char* out, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int n = FormatTextV(out, format, args);
    va_end(args);
    return n;
}
