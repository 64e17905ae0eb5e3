// The number texts of JSON and CSV: shortest, then nearest, against hand-worked values, a
// slow reference built on printf and strtod, and the powers of ten in exact arithmetic.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "cli/shortest_text.h"
#include "cli/ten_powers.h"
#include "tests/core/double_bits.h"

namespace {

struct TextRow {
    double value;
    const char* text;
};

const TextRow HARD_ROWS[] = {
    {5e-324, "5e-324"},  // 4.94e-324: 3e-324 to 7e-324 all read back, 5 is nearest
    {1e-323, "1e-323"},  // 9.88e-324: 9e-324 reads back too, but is farther
    {2.2250738585072014e-308, "2.2250738585072014e-308"},  // the least normal
    {2.225073858507201e-308, "2.225073858507201e-308"},    // the greatest subnormal
    {1.7976931348623157e308, "1.7976931348623157e+308"},
    // Powers of two, whose neighbour below is half as far as the one above: the nearest
    // 16 digits lie below (6.189700196426901e+26, 7.120236347223044e-307, ...) out of reach.
    {0x1p89, "6.189700196426902e+26"},
    {0x1p-1017, "7.120236347223045e-307"},
    {0x1p-44, "5.684341886080802e-14"},
    {0x1p53, "9007199254740992"},
    {0x1p54, "18014398509481984"},
    {0x1p56, "72057594037927940"},
    {9007199254740993.0, "9007199254740992"},  // reads as 2^53
    {0.1, "0.1"},
    {0.3, "0.3"},
    {1e23, "1e+23"},  // 9.9999999999999992e+22 to 17 digits
    // Seventeenth digit 5: the exact value decides, not the 5.
    {749.9471935077815, "749.9471935077815"},  // 749.94719350778154...
    {758.4720160405305, "758.4720160405305"},  // 758.47201604053054...
    {837.6316130143636, "837.6316130143636"},  // 837.63161301436355188...
    {98.35685542114634, "98.35685542114634"},  // 98.356855421146335061...
    // The layout: plain from 1e-4 to below 1e17, whole numbers as themselves.
    {0.0001, "0.0001"},
    {0.00012345, "0.00012345"},
    {1.5e300, "1.5e+300"},
    {1e-5, "1e-05"},
    {1e16, "10000000000000000"},
    {1e17, "1e+17"},
    {123456789012345.0, "123456789012345"},
    {-2.5, "-2.5"},
    {0.0, "0"},
    {-0.0, "-0"},
};

TEST(ShortestText, HardCases)
{
    for (const TextRow& row : HARD_ROWS) {
        char text[SHORTEST_TEXT_MAX];
        int length = ShortestText(row.value, text);
        EXPECT_STREQ(row.text, text) << "value " << DescribeDouble(row.value);
        EXPECT_EQ((int)std::strlen(text), length) << text;
    }
}

// Moves "d.ddde+XX" one unit of its last digit up or down. Below a power of ten the next
// decimal down has n nines, a decade lower.
void Step(char* text, int up)
{
    char* e = std::strchr(text, 'e');
    int exponent = std::atoi(e + 1);
    char* p = e;
    while (--p >= text && (*p == '.' || *p == (up ? '9' : '0')))
        if (*p != '.')
            *p = up ? '0' : '9';
    if (p >= text)
        *p += up ? 1 : -1;
    if (p < text || text[0] == '0') {
        text[0] = up ? '1' : '9';
        exponent += up ? 1 : -1;
    }
    std::snprintf(e, 8, "e%+03d", exponent);
}

// Reads a text back into *back; returns 0 if unsure. MinGW's strtod and from_chars each
// misread some texts next to a rounding interval's edge (2.845131199340899e-160 as 2^-530,
// 4.646057234203914e+23 as the double above it): there only where the two agree counts.
int ReadBack(const char* text, double* back)
{
    *back = std::strtod(text, nullptr);
#ifdef _WIN32
    double other = 0;
    std::from_chars(text, text + std::strlen(text), other);
    return other == *back;
#else
    return 1;
#endif
}

// The slow way, into best: from 16 digits down while a text of that many reads back; at
// each length printf's nearest, or if that misses, its neighbour on the value's other side.
// Returns 0 where a read back was unsure.
int Reference(double value, char* best)
{
    std::snprintf(best, 40, "%.16e", value);  // 17 digits always read back
    for (int n = 16; n >= 1; n--) {
        char text[40];
        std::snprintf(text, sizeof text, "%.*e", n - 1, value);
        double back;
        if (!ReadBack(text, &back))
            return 0;
        if (back != value) {
            Step(text, back < value);
            if (!ReadBack(text, &back))
                return 0;
            if (back != value)
                break;
        }
        std::memcpy(best, text, sizeof text);
    }
    return 1;
}

// A decimal text as its significant digits and the exponent of the first: "0.025" and
// "2.50e-02" are both "25e-2".
void Canonical(const char* text, char* out)
{
    char digits[40];
    int n = 0, seen = 0, point = -1, first = 0;
    const char* p = text;
    for (; *p && *p != 'e'; p++) {
        if (*p == '.') {
            point = seen;
        } else if (*p != '-') {
            if (n == 0 && *p != '0')
                first = seen;
            if (n > 0 || *p != '0')
                digits[n++] = *p;
            seen++;
        }
    }
    while (n > 0 && digits[n - 1] == '0')
        n--;
    int exponent = (point < 0 ? seen : point) - first - 1 + (*p ? std::atoi(p + 1) : 0);
    std::snprintf(out, 48, "%.*se%d", n, digits, n ? exponent : 0);
}

TEST(ShortestText, MatchesTheSlowWay)
{
    // Under Wine the C library's conversions are slower: a smaller sample there.
#ifdef _WIN32
    const int count = 300000;
#else
    const int count = 2000000;
#endif
    std::mt19937_64 random(20240522);
    int unsure = 0;
    for (int i = 0; i < count; i++) {
        // Random bits, every power of two, the least subnormals and some short decimals.
        uint64_t bits = random() >> 1;
        if (i < 2046)
            bits = (uint64_t)(i + 1) << 52;
        else if (i < 6000)
            bits = (uint64_t)(i - 2046);
        else if (i % 16 == 0)
            bits = DoubleBits((double)(bits % 100000) * 1e-3);
        if ((bits >> 52) == 0x7ff)
            continue;
        double value;
        std::memcpy(&value, &bits, sizeof value);
        char text[SHORTEST_TEXT_MAX], expected[40], wanted[48], got[48];
        ShortestText(value, text);
        if (!Reference(value, expected)) {
            unsure++;
            continue;
        }
        Canonical(expected, wanted);
        Canonical(text, got);
        ASSERT_STREQ(wanted, got) << DescribeDouble(value) << ": expected " << expected
                                  << ", got " << text;
    }
    EXPECT_LT(unsure, count / 1000) << "values the C library's readers disagree on";
}

// Whole numbers of 32-bit words, least significant first.
typedef std::vector<uint32_t> Big;

// x 2^twos 10^tens
Big Scaled(Big x, int twos, int tens)
{
    for (int i = 0; i < twos + tens; i++) {
        uint64_t carry = 0;
        for (uint32_t& word : x) {
            carry += (uint64_t)word * (i < twos ? 2 : 10);
            word = (uint32_t)carry;
            carry >>= 32;
        }
        if (carry)
            x.push_back((uint32_t)carry);
    }
    return x;
}

// high 2^63 + low
Big Words(uint64_t high, uint64_t low)
{
    return {(uint32_t)low, (uint32_t)(low >> 32 | high << 31), (uint32_t)(high >> 1),
            (uint32_t)(high >> 33)};
}

// Of two without leading zero words, whether a is the smaller.
int Less(const Big& a, const Big& b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}

TEST(TenPower, IsOneMoreThanTheFloor)
{
    for (int e = TEN_POWER_MIN; e <= TEN_POWER_MAX; e++) {
        uint64_t high, low;
        TenPower(e, &high, &low);
        // g = high 2^63 + low must be floor(10^e 2^-r) + 1: with 10^e 2^-r = n / d,
        // (g - 1) d <= n < g d.
        Big less = low ? Words(high, low - 1) : Words(high - 1, (1ull << 63) - 1);
        int r = FloorLog2Pow10(e) - 125, twos = r > 0 ? r : 0, tens = e < 0 ? -e : 0;
        Big n = Scaled({1}, r < 0 ? -r : 0, e > 0 ? e : 0);
        EXPECT_TRUE(!Less(n, Scaled(less, twos, tens)) &&
                    Less(n, Scaled(Words(high, low), twos, tens)))
            << "10^" << e;
    }
}

}  // namespace
