// Choice-list walkers and item flags, on well-formed and malformed lists.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "ui/choice/choice_list.h"
#include "tests/support/exact_text.h"

namespace {

struct ItemCase {
    const char* list;
    int n;
    int offset;  // where ChoiceItem points, from the list's start
    const char* text;  // the ChoiceItemLength characters there
};

const ItemCase kItems[] = {
    {"|mm|cm|in|ft|m|", 0, 0, ""},
    {"|mm|cm|in|ft|m|", -1, 0, ""},
    {"|mm|cm|in|ft|m|", -100, 0, ""},
    {"|mm|cm|in|ft|m|", 1, 1, "mm"},
    {"|mm|cm|in|ft|m|", 2, 4, "cm"},
    {"|mm|cm|in|ft|m|", 4, 10, "ft"},
    {"|mm|cm|in|ft|m|", 5, 13, "m"},
    {"|mm|cm|in|ft|m|", 6, 14, ""},  // past the last item: the closing bar
    {"|mm|cm|in|ft|m|", 100, 14, ""},
    {"|Continuous Tone|Dithered|Printing Press|", 1, 1, "Continuous Tone"},
    {"|Continuous Tone|Dithered|Printing Press|", 2, 17, "Dithered"},
    {"|Continuous Tone|Dithered|Printing Press|", 3, 26, "Printing Press"},
    {"|Continuous Tone|Dithered|Printing Press|", 4, 40, ""},
    {"Units|mm|cm|", 0, 0, "Units"},
    {"Units|mm|cm|", 1, 6, "mm"},
    {"Units|mm|cm|", 2, 9, "cm"},
    {"Units|mm|cm|", 3, 11, ""},
    {"|a||b|", 1, 1, "a"},
    {"|a||b|", 2, 3, ""},  // an empty item is its closing bar
    {"|a||b|", 3, 4, "b"},
    {"|a||b|", 4, 5, ""},
    {"|-|x|", 1, 1, "-"},
};

TEST(ChoiceList, ItemsAndTheirLengths) {
    for (const ItemCase& c : kItems) {
        ExactText list(c.list);
        char* item = ChoiceItem(list.bytes, c.n);
        long offset = item - list.bytes;
        EXPECT_EQ(c.offset, offset) << "ChoiceItem(\"" << c.list << "\", " << c.n << ")";
        if (offset < 0 || offset >= static_cast<long>(list.size)) continue;
        int length = ChoiceItemLength(item);
        EXPECT_EQ(c.text, std::string(item, length))
            << "item " << c.n << " of \"" << c.list << "\"";
    }
}

TEST(ChoiceList, CountIsTheNumberOfBars) {
    const struct {
        const char* list;
        int count;
    } cases[] = {
        {"|mm|cm|in|ft|m|", 6}, {"|Continuous Tone|Dithered|Printing Press|", 4},
        {"Units|mm|cm|", 3},    {"|a||b|", 4},
        {"", 0},                {"abc", 0},
        {"|a|b", 2},            {"|", 1},
    };
    for (const auto& c : cases) {
        ExactText list(c.list);
        EXPECT_EQ(c.count, ChoiceCount(list.bytes)) << "\"" << c.list << "\"";
    }
}

// Lists without a closing bar, or without any bar: every item the walkers hand out lies
// inside the string, and its length does not reach past the terminator.
TEST(ChoiceList, MalformedListsStayInsideTheString) {
    for (const char* text : {"", "abc", "|a|b", "|", "||", "a|b", "|mm|cm"}) {
        ExactText list(text);
        for (int n = -1; n <= 6; n++) {
            char* item = ChoiceItem(list.bytes, n);
            long offset = item - list.bytes;
            ASSERT_GE(offset, 0) << "item " << n << " of \"" << text << "\"";
            ASSERT_LT(offset, static_cast<long>(list.size)) << "item " << n << " of \"" << text
                                                            << "\"";
            int length = ChoiceItemLength(item);
            EXPECT_LE(offset + length, static_cast<long>(list.size) - 1)
                << "item " << n << " of \"" << text << "\" at " << offset << ", length "
                << length;
        }
    }
}

std::string bytes_text(const unsigned char* flags) {
    std::string text;
    for (int i = 0; i < CHOICE_FLAG_BYTES; i++)
        if (flags[i]) text += "[" + std::to_string(i) + "]=" + std::to_string(flags[i]) + " ";
    return text.empty() ? "all zero" : text;
}

TEST(ChoiceFlags, EachFlagIsOneBitMostSignificantFirst) {
    const struct {
        int k, byte;
        unsigned char mask;
    } cases[] = {{0, 0, 128}, {7, 0, 1}, {8, 1, 128}, {9, 1, 64}, {2047, 255, 1}, {1000, 125, 128}};
    for (const auto& c : cases) {
        unsigned char flags[CHOICE_FLAG_BYTES] = {};
        SetBit(flags, c.k);
        unsigned char expected[CHOICE_FLAG_BYTES] = {};
        expected[c.byte] = c.mask;
        EXPECT_EQ(0, std::memcmp(expected, flags, sizeof flags))
            << "SetBit " << c.k << ": " << bytes_text(flags);
        EXPECT_EQ(1, TestBit(flags, c.k)) << "k " << c.k;
        if (c.k > 0) {
            EXPECT_EQ(0, TestBit(flags, c.k - 1)) << "k " << c.k - 1;
        }
        if (c.k < 2047) {
            EXPECT_EQ(0, TestBit(flags, c.k + 1)) << "k " << c.k + 1;
        }
        ClearBit(flags, c.k);
        EXPECT_EQ("all zero", bytes_text(flags)) << "after ClearBit " << c.k;
    }
}

TEST(ChoiceFlags, ClearBitLeavesTheOtherFlags) {
    unsigned char flags[CHOICE_FLAG_BYTES];
    std::memset(flags, 0xFF, sizeof flags);
    ClearBit(flags, 9);
    EXPECT_EQ(0xBF, flags[1]);
    EXPECT_EQ(0, TestBit(flags, 9));
    EXPECT_EQ(1, TestBit(flags, 8));
    EXPECT_EQ(1, TestBit(flags, 10));
    SetBit(flags, 9);
    EXPECT_EQ(0xFF, flags[1]);
}

TEST(ChoiceFlags, FlagsOutsideTheSetAreIgnored) {
    // Guard bytes on both sides catch a write outside the 256 flag bytes.
    unsigned char guarded[CHOICE_FLAG_BYTES + 2 * 16];
    unsigned char* flags = guarded + 16;
    for (unsigned char fill : {0x00, 0xFF}) {
        std::memset(guarded, 0x5A, sizeof guarded);
        std::memset(flags, fill, CHOICE_FLAG_BYTES);
        for (int k : {-1, -8, -100, 2048, 2049, 4096, INT_MIN, INT_MAX}) {
            EXPECT_EQ(0, TestBit(flags, k)) << "TestBit " << k << " on bytes " << int(fill);
            SetBit(flags, k);
            ClearBit(flags, k);
        }
        for (int i = 0; i < 16; i++) {
            EXPECT_EQ(0x5A, guarded[i]) << "guard byte before the flags, " << 16 - i << " back";
            EXPECT_EQ(0x5A, guarded[16 + CHOICE_FLAG_BYTES + i]) << "guard byte " << i
                                                                 << " after the flags";
        }
        for (int i = 0; i < CHOICE_FLAG_BYTES; i++)
            ASSERT_EQ(fill, flags[i]) << "flag byte " << i << " changed";
    }
}

}  // namespace
