// The number reader: return codes, values to the last bit, and where reading stops.
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/reader.h"
#include "double_bits.h"
#include "tests/support/exact_text.h"

namespace {

struct ReadRow {
    const char* text;
    int parseResult;
    double value;
    int stop;  // offset of the character at which reading stopped
    int wholeResult;
};

const double JUST_BELOW_1E5 = 99999.999999999985;  // the double below 100000

const ReadRow READ_ROWS[] = {
    {"", 1, 0.0, 0, 1},
    {".", 0, 0.0, 1, 0},
    {"1.", 0, 1.0, 2, 0},
    {"1,000.5", 0, 1000.5, 7, 0},
    {"1,2,3", 0, 123.0, 5, 0},
    {"+,5", 0, 5.0, 3, 0},
    {",,,", 1, 0.0, 3, 1},
    {"1.2,5", 0, 1.25, 5, 0},
    {"-.,5,", 0, -0.5, 5, 0},
    {"5%,0", 0, 0.5, 4, 0},
    {"50%", 0, 0.5, 3, 0},
    {"%5", 0, 0.05, 2, 0},
    {"12.5%", 0, 0.125, 5, 0},
    {"5%0", 0, 0.5, 3, 0},
    {"50%%", 1, 50.0, 3, 1},
    {"1.5.3", 1, 15.0, 3, 1},
    {"-1.5.3", 1, 15.0, 4, 1},
    {"1e3", 0, 1000.0, 3, 0},
    {"1E+05", 0, JUST_BELOW_1E5, 5, 0},
    {"1e-05", 0, 1e-5, 5, 0},
    {"2.5e1", 0, 25.0, 5, 0},
    {"-2.5e-1", 0, -0.25, 7, 0},
    {"1e", 1, 1.0, 2, 1},
    {"1e+", 1, 1.0, 3, 1},
    {"1e-", 1, 1.0, 3, 1},
    {"-5e", 1, 5.0, 3, 1},
    {"1e,5", 1, 1.0, 2, 1},
    {"1e5,", 0, JUST_BELOW_1E5, 3, 1},
    {"1e123", 0, 1e12, 4, 1},
    {"1.2e3.4", 0, 1200.0, 5, 1},
    {"e5", 1, 0.0, 2, 1},
    {".e5", 0, 0.0, 3, 0},
    {"-e5", 1, -0.0, 3, 1},
    {"12abc", 0, 12.0, 2, 1},
    {"5 ", 0, 5.0, 1, 1},
    {" 5", 1, 0.0, 0, 1},
    {"+-5", 1, 0.0, 1, 1},
    {"-", 1, -0.0, 1, 1},
    {"-0", 0, -0.0, 2, 0},
    {"+0", 0, 0.0, 2, 0},
    {"%", 1, 0.0, 1, 1},
    {"5-", 0, 5.0, 1, 1},
};

TEST(ParseNumber, ResultValueAndStop)
{
    for (const ReadRow& row : READ_ROWS) {
        ExactText text(row.text);
        const char* start = text.c_str();
        const char* position = start;
        double value = 12345.0;  // must be overwritten in every case
        int result = ParseNumber(&position, &value);
        EXPECT_EQ(row.parseResult, result) << "text '" << row.text << "'";
        EXPECT_TRUE(SameDouble(row.value, value)) << "text '" << row.text << "'";
        EXPECT_EQ(row.stop, (int)(position - start)) << "text '" << row.text << "'";
    }
}

TEST(ParseWholeNumber, ResultAndValue)
{
    for (const ReadRow& row : READ_ROWS) {
        ExactText text(row.text);
        double value = 12345.0;
        int result = ParseWholeNumber(text.c_str(), &value);
        EXPECT_EQ(row.wholeResult, result) << "text '" << row.text << "'";
        EXPECT_TRUE(SameDouble(row.value, value)) << "text '" << row.text << "'";
    }
}

TEST(ParseWholeNumber, ReadsBackTheFormattersTexts)
{
    // The texts the calculator writes into its fields are read back to the nearest double.
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"24.0", 24.0},     {"0.94", 0.94},       {"12.00", 12.0},  {"1741.7", 1741.7},
        {"0.30", 0.3},      {"-0.30", -0.3},      {"0.02", 0.02},   {"21474836.47", 21474836.47},
        {"2116.7", 2116.7}, {"1058.3", 1058.3},   {"0.1", 0.1},     {"-2.3", -2.3},
    };
    for (const auto& row : rows) {
        double value = 0;
        EXPECT_EQ(0, ParseWholeNumber(row.text, &value)) << "text '" << row.text << "'";
        EXPECT_TRUE(SameDouble(row.value, value)) << "text '" << row.text << "'";
    }
}

TEST(ParseWholeNumber, LeavesCallersPointerAlone)
{
    const char* text = "12abc";
    const char* kept = text;
    double value;
    ParseWholeNumber(text, &value);
    EXPECT_EQ(kept, text);
}

TEST(PowerOfTen, ExactPowersAndReciprocals)
{
    // 10^n is exact in a double up to 10^22; squaring must not lose it on the way, and a
    // negative power is one correctly rounded division.
    double exact = 1.0;
    for (int n = 0; n <= 22; n++) {
        EXPECT_TRUE(SameDouble(exact, PowerOfTen(n))) << "n = " << n;
        EXPECT_TRUE(SameDouble(1.0 / exact, PowerOfTen(-n))) << "n = " << -n;
        exact *= 10.0;
    }
}

TEST(PowerOfTen, OutOfRange)
{
    const struct {
        int n;
        double value;
    } rows[] = {
        {309, INFINITY}, {400, INFINITY}, {INT_MAX, INFINITY},
        {-400, 0.0},     {INT_MIN, 0.0},  {INT_MIN + 1, 0.0},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(SameDouble(row.value, PowerOfTen(row.n))) << "n = " << row.n;
    double top = PowerOfTen(308);
    EXPECT_TRUE(std::isfinite(top) && top > 9.9e307) << "10^308 gave " << DescribeDouble(top);
}

TEST(IsDigitChar, DigitsOnlyAndOutParameterUntouchedOtherwise)
{
    std::vector<int> others = {-1, -208, -128, INT_MIN, INT_MAX, 256 + '5', '0' - 1, '9' + 1};
    for (int c = 0; c < 256; c++)
        if (c < '0' || c > '9')
            others.push_back(c);
    for (int c = '0'; c <= '9'; c++) {
        int digit = -7;
        EXPECT_EQ(1, IsDigitChar(c, &digit)) << "char " << c;
        EXPECT_EQ(c - '0', digit) << "char " << c;
    }
    for (int c : others) {
        int digit = -7;
        EXPECT_EQ(0, IsDigitChar(c, &digit)) << "char " << c;
        EXPECT_EQ(-7, digit) << "char " << c << " changed the out-parameter";
    }
}

TEST(ParseNumber, AnyUnlistedByteEndsTheNumber)
{
    // Bytes of 128 and above are negative as plain char; they must end the number like
    // any other byte without a meaning, never be taken for a digit or a sign.
    const char meaningful[] = "0123456789,.%eE";
    for (int b = 1; b < 256; b++) {
        if (std::strchr(meaningful, b))
            continue;
        std::string input = std::string("5") + (char)b + "7";
        ExactText text(input);
        const char* position = text.c_str();
        double value = -1;
        EXPECT_EQ(0, ParseNumber(&position, &value)) << "byte " << b;
        EXPECT_TRUE(SameDouble(5.0, value)) << "byte " << b;
        EXPECT_EQ(1, (int)(position - text.c_str())) << "byte " << b;
        EXPECT_EQ(1, ParseWholeNumber(text.c_str(), &value)) << "byte " << b;
    }
}

TEST(ParseNumber, UnlistedLeadingByteIsNoNumber)
{
    for (int b = 1; b < 256; b++) {
        if (std::strchr("0123456789,.%eE+-", b))
            continue;
        std::string input = std::string(1, (char)b) + "5";
        ExactText text(input);
        const char* position = text.c_str();
        double value = -1;
        EXPECT_EQ(1, ParseNumber(&position, &value)) << "byte " << b;
        EXPECT_TRUE(SameDouble(0.0, value)) << "byte " << b;
        EXPECT_EQ(0, (int)(position - text.c_str())) << "byte " << b;
    }
}

TEST(ParseNumber, LongTexts)
{
    const struct {
        std::string text;
        int parseResult;
        double value;  // NAN: checked separately as a near value
        int stop;
    } rows[] = {
        {std::string(400, '9'), 0, INFINITY, 400},
        {"-" + std::string(400, '9'), 0, -INFINITY, 401},
        {std::string(400, '9') + "%", 0, INFINITY, 401},
        {"0." + std::string(400, '0') + "1", 0, 0.0, 403},
        {"." + std::string(400, '0') + "1", 0, 0.0, 402},
        {"-." + std::string(400, '0') + "1", 0, -0.0, 403},
        {std::string(300, ','), 1, 0.0, 300},
        {std::string(300, ',') + "7", 0, 7.0, 301},
        {"1" + std::string(300, '.'), 1, 1.0, 2},
        {"1" + std::string(299, '0') + "x", 0, NAN, 300},
        {std::string(300, '\x01'), 1, 0.0, 0},
        {std::string(300, '\xff'), 1, 0.0, 0},
    };
    for (const auto& row : rows) {
        ExactText text(row.text);
        std::string shown = Printable(row.text.substr(0, 12)) + "... (" +
                            std::to_string(row.text.size()) + " bytes)";
        const char* position = text.c_str();
        double value = -1;
        EXPECT_EQ(row.parseResult, ParseNumber(&position, &value)) << shown;
        EXPECT_EQ(row.stop, (int)(position - text.c_str())) << shown;
        if (std::isnan(row.value))
            EXPECT_NEAR(1.0, value / 1e299, 1e-12) << shown << ": got " << DescribeDouble(value);
        else
            EXPECT_TRUE(SameDouble(row.value, value)) << shown;
    }
}

TEST(ParseNumber, ControlCharactersEndTheNumber)
{
    const struct {
        const char* text;
        int stop;
        int wholeResult;
    } rows[] = {
        {"5\t", 1, 1}, {"5\n", 1, 1}, {"5\r\n", 1, 1}, {"\t5", 0, 1}, {"5\x7f", 1, 1},
    };
    for (const auto& row : rows) {
        ExactText text(row.text);
        const char* position = text.c_str();
        double value;
        ParseNumber(&position, &value);
        EXPECT_EQ(row.stop, (int)(position - text.c_str()))
            << Printable(row.text, std::strlen(row.text));
        EXPECT_EQ(row.wholeResult, ParseWholeNumber(text.c_str(), &value))
            << Printable(row.text, std::strlen(row.text));
    }
}

}  // namespace
