// The shortest decimal text of a double that reads back to exactly that double, and of
// those the nearest to it, for the numbers of JSON and CSV.
#include "cli/shortest_text.h"

#include <cstdint>
#include <cstring>

#include "cli/ten_powers.h"

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

// (g cp) / 2^127 for g = g1 2^63 + g0, rounded to odd: the floor, its last bit set when
// the fraction is not zero. The fraction is judged on its bits down to 2^-63: the excess
// of g over the true power of ten stays below those, and no double's scaled value that is
// not a whole number comes that close to one (Giulietti's Schubfach paper).
static uint64_t RoundToOdd(uint64_t g1, uint64_t g0, uint64_t cp)
{
    uint64_t ignored, y0;
    uint64_t x1 = MultiplyHigh(g0, cp, &ignored);
    uint64_t y1 = MultiplyHigh(g1, cp, &y0);
    uint64_t z = (y0 >> 1) + x1;
    return (y1 + (z >> 63)) | ((z & ~(1ull << 63)) != 0);
}

// The decimal f 10^k nearest to c 2^q among the shortest that read back as it, ties to an
// even last digit; returns k. The doubles that read back as c 2^q lie within its rounding
// interval, which at the scale 10^k is at least 1 and less than 10 wide: so it holds at
// most one multiple of 10, which if there is one is the shortest, and otherwise the
// shortest are the whole numbers in it, of which the nearer of the two either side of
// c 2^q is wanted.
static int ShortestDecimal(uint64_t c, int q, uint64_t* f)
{
    // Quantities scaled by 4 so the interval's ends are whole numbers. Below the powers of
    // two the doubles lie twice as close, and so does the interval's lower end; with an odd
    // c the ends read as the neighbours, so they are left out.
    int open = (int)(c & 1);
    uint64_t cb = c << 2, cbr = cb + 2, cbl;
    int k;
    if (c != 1ull << 52 || q == -1074) {
        cbl = cb - 2;
        k = (q * 315653) >> 20;  // floor(q log10(2)) for |q| up to 2620
    } else {
        cbl = cb - 1;
        k = (q * 315653 - 131237) >> 20;  // floor(log10(3/4 2^q))
    }
    int h = q + FloorLog2Pow10(-k) + 2;  // 2 to 5: cb << h stays below 2^60
    uint64_t g1, g0;
    TenPower(-k, &g1, &g0);
    uint64_t vb = RoundToOdd(g1, g0, cb << h);
    uint64_t vbl = RoundToOdd(g1, g0, cbl << h);
    uint64_t vbr = RoundToOdd(g1, g0, cbr << h);
    uint64_t s = vb >> 2;
    uint64_t sp10 = s / 10 * 10, tp10 = sp10 + 10;
    int upin = vbl + open <= sp10 << 2, wpin = (tp10 << 2) + open <= vbr;
    if (upin != wpin) {
        *f = upin ? sp10 : tp10;
        return k;
    }
    uint64_t t = s + 1;
    int uin = vbl + open <= s << 2, win = (t << 2) + open <= vbr;
    if (uin != win) {
        *f = uin ? s : t;
        return k;
    }
    // Both: compare 4 c 2^q, rounded to odd, with the midpoint 4 s + 2.
    uint64_t middle = (s + t) << 1;
    *f = vb < middle || (vb == middle && (s & 1) == 0) ? s : t;
    return k;
}

int ShortestText(double value, char* out)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    int negative = (int)(bits >> 63);
    int biased = (int)(bits >> 52 & 0x7ff);
    uint64_t c = bits & ((1ull << 52) - 1);
    int q = -1074;
    if (biased) {
        c |= 1ull << 52;
        q = biased - 1075;
    }
    // Zero and the whole numbers below 2^53 are their own digits.
    uint64_t f = c;
    int k = 0;
    if (q <= 0 && q > -53 && (c & ((1ull << -q) - 1)) == 0)
        f = c >> -q;
    else if (c)
        k = ShortestDecimal(c, q, &f);
    // Eight digits at a time in 32 bits, which the 32-bit builds divide without a library call.
    char digits[24];
    char* p = digits + sizeof digits;
    while (f >= 100000000) {
        uint32_t low = (uint32_t)(f % 100000000);
        f /= 100000000;
        for (int i = 0; i < 8; i++, low /= 10)
            *--p = (char)('0' + low % 10);
    }
    uint32_t high = (uint32_t)f;
    do
        *--p = (char)('0' + high % 10);
    while (high /= 10);
    int n = (int)(digits + sizeof digits - p);
    return GeneralText(p, n, k + n - 1, negative, out);
}
