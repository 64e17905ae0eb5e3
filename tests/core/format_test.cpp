// The formatter: the texts the calculator shows, the format language at its edges, the
// bounded form, and numbers beyond the 32-bit digit range.
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/format.h"
#include "core/reader.h"
#include "double_bits.h"

namespace {

std::string Fixed(const char* format, double value)
{
    char out[FIXED_TEXT_MAX + 16];
    int n = FormatText(out, format, value);
    return std::string(out, n);
}

TEST(FormatText, NumbersAsTheCalculatorShowsThem)
{
    const struct {
        const char* format;
        double value;
        const char* expected;
    } rows[] = {
        {"%1f", 24.0, "24.0"},
        {"%1f", 0.0, "0.0"},
        {"%1f", -0.0, "0.0"},
        {"%1f", 0.05, "0.1"},
        {"%1f", 0.04, "0.0"},
        {"%1f", 0.15, "0.2"},
        {"%1f", 9.95, "10.0"},
        {"%1f", -2.25, "-2.3"},
        {"%1f", 1234567.891, "1234567.9"},
        {"%1f", 214748364.7, "214748364.7"},
        {"%2f", 0.9448818897637795, "0.94"},
        {"%2f", 2.675, "2.68"},
        {"%2f", 1.005, "1.00"},
        {"%2f", 0.0, "0.00"},
        {"%2f", 0.05, "0.05"},
        {"%2f", -0.001, "-0.00"},
        {"%2f", -0.3, "-0.30"},
        {"%2f", 21474836.47, "21474836.47"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, Fixed(row.format, row.value))
            << "format " << row.format << ", value " << DescribeDouble(row.value);
}

TEST(FormatText, FixedPointOptions)
{
    const struct {
        const char* format;
        double value;
        const char* expected;
    } rows[] = {
        {"%f", 3.14159265, "3.1416"},
        {"%6f", 2.0 / 3.0, "0.666667"},
        {"%0f", 1234.5, "1235"},
        {"%0f", -1234.5, "-1235"},
        {"%0f", 0.3, "0"},
        {"%0f", 0.49999999999999994, "1"},  // the half is added in double and rounds up
        {"%0f", 5.0, "5"},
        {"%0f", 0.0, "0"},
        {"%3f", 0.0, "0.000"},
        {"%z2f", 1.5, "1.5"},
        {"%z2f", 2.0, "2"},
        {"%z2f", 0.0, "0"},
        {"%z2f", -0.001, "-0"},
        {"%z2f", 100.0, "100"},
        {"%z1f", 24.0, "24"},
        {"%z4f", 0.125, "0.125"},
        {"%2zf", 1.5, "1.5"},
        {"%22zf", 1.5, "1.5"},
        {"%52f", 1.0, "1.00"},
        {"%25f", 1.0, "1.00000"},
        {"%z0f", 1.5, "2"},
        {"%6f", 0.0000005, "0.000001"},
        {"%6f", 0.0000004, "0.000000"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, Fixed(row.format, row.value))
            << "format " << row.format << ", value " << DescribeDouble(row.value);
}

TEST(FormatText, Integers)
{
    const struct {
        const char* format;
        int a, b;
        const char* expected;
    } rows[] = {
        {"%d x %d", 3150, 4725, "3150 x 4725"},
        {"%d x %d", 0, -5, "0 x -5"},
        {"%d x %d", INT_MIN, INT_MAX, "-2147483648 x 2147483647"},
        {"%d%d", -1, 10, "-110"},
    };
    for (const auto& row : rows) {
        char out[64];
        int n = FormatText(out, row.format, row.a, row.b);
        EXPECT_EQ(row.expected, std::string(out, n))
            << "format " << row.format << ", arguments " << row.a << ", " << row.b;
        EXPECT_EQ((int)std::strlen(row.expected), n) << "format " << row.format;
    }
}

// Formats whose arguments are all ints (or none), with the exact bytes and count.
struct ByteRow {
    const char* format;
    int arg1, arg2;
    std::string expected;
};

const ByteRow BYTE_ROWS[] = {
    {"", 0, 0, ""},
    {"plain", 0, 0, "plain"},
    {"\\n", 0, 0, "\n"},
    {"a\\0b", 0, 0, std::string("a\0b", 3)},
    {"\\r\\t", 0, 0, "\r\t"},
    {"\\\\", 0, 0, "\\"},
    {"\\q", 0, 0, "q"},
    {"\\%d%d", 5, 0, "%d5"},
    {"%%%d", 8, 0, "%8"},
    {"a%cb", 0, 0, std::string("a\0b", 3)},
    {"%c%c", 'A' + 256, 'z', "Az"},
    {"%7f", 0, 0, "f"},
    {"%7f%d", 9, 0, "f9"},
    {"%x%d", 7, 0, "7"},
    {"%8d%d", 3, 0, "d3"},
    {"%9", 0, 0, ""},
    {"%z%d", 4, 0, "%d"},
    {"%3d", -12, 0, "-12"},
};

TEST(FormatText, EscapesCharactersAndUnknownConversions)
{
    for (const ByteRow& row : BYTE_ROWS) {
        char out[64];
        int n = FormatText(out, row.format, row.arg1, row.arg2);
        EXPECT_EQ(Printable(row.expected), Printable(out, n)) << "format '" << row.format << "'";
        EXPECT_EQ((int)row.expected.size(), n) << "format '" << row.format << "'";
        EXPECT_EQ('\0', out[n]) << "format '" << row.format << "' is not terminated";
    }
}

TEST(FormatText, TextsAndMixedConversions)
{
    char out[64];
    int n = FormatText(out, "100%% %s %c", "ok", 65);
    EXPECT_EQ("100% ok A", std::string(out, n));
    n = FormatText(out, "[%s]", "");
    EXPECT_EQ("[]", std::string(out, n));
    // Decimals and trimming belong to one conversion only.
    n = FormatText(out, "%z1f %f", 2.0, 2.0);
    EXPECT_EQ("2 2.0000", std::string(out, n));
    n = FormatText(out, "%s x %s", "3", "4");
    EXPECT_EQ("3 x 4", std::string(out, n));
}

TEST(FormatText, FormatCutOffMidConversionReadsNothingPastItsEnd)
{
    // Each format sits in a block that ends at its NUL.
    const struct {
        const char* format;
        const char* expected;
    } rows[] = {
        {"abc\\", "abc"}, {"%", ""}, {"abc%", "abc"}, {"%2z", ""}, {"x%z6z1", "x"}, {"\\", ""},
    };
    for (const auto& row : rows) {
        std::vector<char> format(row.format, row.format + std::strlen(row.format) + 1);
        char out[32];
        std::memset(out, 'G', sizeof out);
        int n = FormatText(out, format.data());
        EXPECT_EQ(std::string(row.expected), std::string(out, n))
            << "format '" << row.format << "'";
        EXPECT_EQ('\0', out[n]) << "format '" << row.format << "'";
    }
}

// The bounded form against the unbounded one, for every buffer size up to past the text.
template <typename... Args>
void CheckBounded(const char* format, const std::string& full, Args... args)
{
    const size_t GUARD = 8;
    for (size_t size = 0; size <= full.size() + 2; size++) {
        std::vector<char> buffer(size + GUARD, '\xAA');
        int n = FormatTextN(buffer.data(), size, format, args...);
        for (size_t i = size; i < size + GUARD; i++)
            ASSERT_EQ('\xAA', buffer[i])
                << "format '" << format << "', size " << size << ": wrote byte " << i;
        if (size == 0) {
            EXPECT_EQ(0, n) << "format '" << format << "', size 0";
            continue;
        }
        size_t kept = full.size() < size - 1 ? full.size() : size - 1;
        EXPECT_EQ((int)kept, n) << "format '" << format << "', size " << size;
        EXPECT_EQ(Printable(full.substr(0, kept)), Printable(buffer.data(), n))
            << "format '" << format << "', size " << size;
        EXPECT_EQ('\0', buffer[kept]) << "format '" << format << "', size " << size;
    }
}

TEST(FormatTextN, NeverWritesPastItsBufferAndAlwaysTerminates)
{
    CheckBounded("%1f", "24.0", 24.0);
    CheckBounded("%2f", "-0.30", -0.3);
    CheckBounded("%d x %d", "1646 x 2469", 1646, 2469);
    CheckBounded("100%% %s %c", "100% ok A", "ok", 65);
    CheckBounded("a\\0b%c!", std::string("a\0b\0!", 5), 0);
    CheckBounded("%s x %s", "2500000000 x 3750000000", "2500000000", "3750000000");
    CheckBounded("%0f", "1e+20", 1e20);
}

TEST(FormatTextN, SameTextAsUnboundedWhenItFits)
{
    char bounded[256], unbounded[256];
    const double values[] = {24.0, 0.9448818897637795, -2.25, 21474836.47, 1e300, -0.0};
    const char* formats[] = {"%1f", "%2f", "%z3f", "%f", "%6f", "%0f"};
    for (const char* format : formats) {
        for (double v : values) {
            int a = FormatText(unbounded, format, v);
            int b = FormatTextN(bounded, sizeof bounded, format, v);
            EXPECT_EQ(a, b) << "format " << format << ", value " << DescribeDouble(v);
            EXPECT_STREQ(unbounded, bounded)
                << "format " << format << ", value " << DescribeDouble(v);
        }
    }
}

TEST(FormatTextN, SizeOneGivesEmptyText)
{
    char out[2] = {'x', 'y'};
    EXPECT_EQ(0, FormatTextN(out, 1, "%d", 12345));
    EXPECT_EQ('\0', out[0]);
    EXPECT_EQ('y', out[1]);
}

// Reads a formatter text back as the calculator would.
::testing::AssertionResult ReadsBackNear(const char* text, double expected)
{
    double value = 0;
    if (ParseWholeNumber(text, &value))
        return ::testing::AssertionFailure() << "'" << text << "' does not read as one number";
    double error = std::fabs(value - expected) / std::fabs(expected);
    if (!(error < 1e-8))
        return ::testing::AssertionFailure()
               << "'" << text << "' reads as " << DescribeDouble(value) << ", wanted "
               << DescribeDouble(expected);
    return ::testing::AssertionSuccess();
}

// Magnitudes from just past the 32-bit digit range at six decimals up to the top.
const double LARGE[] = {
    2147.4836475, 2147.5,   21474836.48,        214748364.8,  2147483647.5, 2147483648.0,
    4294967296.0, 1e12,     123456789012.0,     9.87654321e15, 9.2233720368547758e18,
    1e19,         1e20,     9.99999999999e99,   1e100,         1.5e150,      3.3e299,
    1e300,        1e307,    9.999999999999e307, 1e308,         DBL_MAX,
};

TEST(FormatFixed, BeyondTheDigitRangeReadsBackNearlyTheSame)
{
    const double SCALE[7] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    char out[FIXED_TEXT_MAX + 8];
    for (double magnitude : LARGE) {
        for (double v : {magnitude, -magnitude}) {
            for (int decimals = 0; decimals <= 6; decimals++) {
                for (int trim = 0; trim <= 1; trim++) {
                    if (std::fabs(v) * SCALE[decimals] + 0.5 < 2147483648.0)
                        continue;  // in range: rounded to its decimals, tested above
                    std::memset(out, '\xAA', sizeof out);
                    FormatFixed(v, out, decimals, trim);
                    size_t length = std::strlen(out);
                    EXPECT_LT(length, (size_t)FIXED_TEXT_MAX) << DescribeDouble(v);
                    EXPECT_TRUE(ReadsBackNear(out, v))
                        << "value " << DescribeDouble(v) << ", decimals " << decimals
                        << ", trim " << trim;
                }
            }
        }
    }
}

TEST(FormatFixed, NotFinite)
{
    const struct {
        double value;
        const char* expected;
    } rows[] = {{INFINITY, "inf"}, {-INFINITY, "-inf"}, {NAN, "nan"}, {-NAN, "nan"}};
    for (const auto& row : rows) {
        for (int decimals = 0; decimals <= 6; decimals++) {
            char out[FIXED_TEXT_MAX];
            FormatFixed(row.value, out, decimals, 0);
            EXPECT_STREQ(row.expected, out)
                << DescribeDouble(row.value) << ", decimals " << decimals;
        }
        EXPECT_EQ(row.expected, Fixed("%2f", row.value)) << DescribeDouble(row.value);
    }
}

TEST(FormatCount, InThirtyTwoBitRangeSameAsIntegerText)
{
    const double rows[] = {0.0,          -0.0,          0.5,         0.999,     1.0,
                           1.5,          -0.5,          -0.999,      -1.0,      -1.5,
                           1646.5,       12345.678,     -12345.678,  2147483647.0,
                           2147483647.9, -2147483647.5, -2147483648.0};
    for (double v : rows) {
        char count[FIXED_TEXT_MAX], integer[32];
        FormatCount(v, count);
        FormatText(integer, "%d", (int)v);
        EXPECT_STREQ(integer, count) << "value " << DescribeDouble(v);
    }
}

TEST(FormatCount, LargeCountsAreTrueCounts)
{
    const struct {
        double value;
        const char* expected;
    } rows[] = {
        {2147483648.0, "2147483648"},
        {2147483648.5, "2147483648"},
        {4294967296.7, "4294967296"},
        {-3000000000.0, "-3000000000"},
        {25000000000.5, "25000000000"},
        {9007199254740992.0, "9007199254740992"},
        {9223372036854774784.0, "9223372036854774784"},
    };
    for (const auto& row : rows) {
        char out[FIXED_TEXT_MAX];
        FormatCount(row.value, out);
        EXPECT_STREQ(row.expected, out) << "value " << DescribeDouble(row.value);
    }
}

TEST(FormatCount, EveryFiniteCountReadsBackNearlyTheSame)
{
    for (double magnitude : LARGE) {
        for (double v : {magnitude, -magnitude}) {
            // A block exactly as large as the promised room, with guards after it.
            std::vector<char> out(FIXED_TEXT_MAX + 8, '\xAA');
            FormatCount(v, out.data());
            for (size_t i = FIXED_TEXT_MAX; i < out.size(); i++)
                ASSERT_EQ('\xAA', out[i]) << "value " << DescribeDouble(v) << " wrote byte " << i;
            EXPECT_TRUE(ReadsBackNear(out.data(), std::trunc(v))) << "value " << DescribeDouble(v);
        }
    }
}

TEST(FormatCount, NotFinite)
{
    const struct {
        double value;
        const char* expected;
    } rows[] = {{INFINITY, "inf"}, {-INFINITY, "-inf"}, {NAN, "nan"}};
    for (const auto& row : rows) {
        char out[FIXED_TEXT_MAX];
        FormatCount(row.value, out);
        EXPECT_STREQ(row.expected, out) << DescribeDouble(row.value);
    }
}

}  // namespace
