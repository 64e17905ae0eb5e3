// Bit-exact double comparison for the core suites, so that a run under Wine proves
// the 32-bit build agrees with the native one to the last bit, signed zero included.
#pragma once
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

inline uint64_t DoubleBits(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline std::string DescribeDouble(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (0x%016" PRIx64 ")", value, DoubleBits(value));
    return text;
}

inline ::testing::AssertionResult SameDouble(double expected, double actual)
{
    if (DoubleBits(expected) == DoubleBits(actual))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "expected " << DescribeDouble(expected) << ", got " << DescribeDouble(actual);
}

// Shows a byte string with control and high bytes escaped, for failure messages.
inline std::string Printable(const char* text, size_t length)
{
    std::string shown;
    for (size_t i = 0; i < length; i++) {
        unsigned char c = (unsigned char)text[i];
        if (c >= 32 && c < 127 && c != '\\') {
            shown += (char)c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            shown += escaped;
        }
    }
    return shown;
}

inline std::string Printable(const std::string& text)
{
    return Printable(text.data(), text.size());
}
