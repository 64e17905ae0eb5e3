// The shortest decimal text of a double that reads back to exactly that double, and of
// those the nearest to it, for the numbers of JSON and CSV.
#include "cli/shortest_text.h"

#include <cstdint>
#include <cstring>

#include "cli/ten_powers.h"

namespace {

struct DigitPairs {
    char c[200];  // "00" to "99"
};

constexpr DigitPairs MakeDigitPairs()
{
    DigitPairs pairs = {};
    for (int i = 0; i < 100; i++) {
        pairs.c[2 * i] = (char)('0' + i / 10);
        pairs.c[2 * i + 1] = (char)('0' + i % 10);
    }
    return pairs;
}

constexpr DigitPairs PAIRS = MakeDigitPairs();

struct TenPowers {
    uint64_t p[20];  // 10^0 to 10^19
};

constexpr TenPowers MakeTenPowers()
{
    TenPowers tens = {};
    tens.p[0] = 1;
    for (int i = 1; i < 20; i++)
        tens.p[i] = tens.p[i - 1] * 10;
    return tens;
}

constexpr TenPowers TENS = MakeTenPowers();

// Writes the decimal digits of f so that they end at end, two at a time, and eight at a time
// in 32 bits, which the 32-bit builds divide without a library call.
void PutDigits(uint64_t f, char* end)
{
    while (f >= 100000000) {
        uint32_t low = (uint32_t)(f % 100000000);
        f /= 100000000;
        for (int i = 0; i < 4; i++, low /= 100) {
            end -= 2;
            std::memcpy(end, &PAIRS.c[low % 100 * 2], 2);
        }
    }
    uint32_t high = (uint32_t)f;
    for (; high >= 100; high /= 100) {
        end -= 2;
        std::memcpy(end, &PAIRS.c[high % 100 * 2], 2);
    }
    if (high >= 10)
        std::memcpy(end - 2, &PAIRS.c[high * 2], 2);
    else
        end[-1] = (char)('0' + high);
}

// Writes f 10^k, f without trailing zeros, in the form of printf's "%.17g": plain for
// exponents from -4 to 16, else with an exponent of at least two digits. Returns the length.
int GeneralText(uint64_t f, int k, int negative, char* out)
{
    // The count of digits that many bits can have at most (1233 / 4096 is log10(2) to four
    // places), less one when f falls short of it.
    int bits = 64 - __builtin_clzll(f | 1);
    int n = ((bits * 1233) >> 12) + 1;
    n -= (f | 1) < TENS.p[n - 1];
    int exponent = k + n - 1;
    char* p = out;
    if (negative)
        *p++ = '-';
    if (exponent < -4 || exponent > 16) {
        // The first digit moves ahead of the point.
        PutDigits(f, p + n + 1);
        p[0] = p[1];
        p[1] = '.';
        p += n > 1 ? n + 1 : 1;
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
        PutDigits(f, p + n);
        p += n;
    } else if (exponent >= n - 1) {
        PutDigits(f, p + n);
        p += n;
        for (int i = n - 1; i < exponent; i++)
            *p++ = '0';
    } else {
        // The whole part's digits move ahead of the point.
        PutDigits(f, p + n + 1);
        for (int i = 0; i <= exponent; i++)
            p[i] = p[i + 1];
        p[exponent + 1] = '.';
        p += n + 1;
    }
    *p = 0;
    return (int)(p - out);
}

// (g cp) / 2^127 for g = g1 2^63 + g0, rounded to odd: the floor, its last bit set when
// the fraction is not zero. The fraction is judged on its bits down to 2^-63: the excess
// of g over the true power of ten stays below those, and no double's scaled value that is
// not a whole number comes that close to one (Giulietti's Schubfach paper).
uint64_t RoundToOdd(uint64_t g1, uint64_t g0, uint64_t cp)
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
int ShortestDecimal(uint64_t c, int q, uint64_t* f)
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

}  // namespace

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
    while (f >= 10 && f % 10 == 0) {
        f /= 10;
        k++;
    }
    return GeneralText(f, k, negative, out);
}
