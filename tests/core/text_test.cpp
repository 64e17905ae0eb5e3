// The byte and string routines: overlap, zero counts, limits and terminators.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/text.h"

namespace {

TEST(MoveBytes, OverlapAndEdgeCounts)
{
    const struct {
        int from, to, count;
        const char* expected;  // the ten-byte buffer "0123456789" afterwards
    } rows[] = {
        {0, 2, 5, "0101234789"},  // destination above the source, overlapping
        {2, 0, 5, "2345656789"},  // destination below the source, overlapping
        {0, 1, 9, "0012345678"},
        {1, 0, 9, "1234567899"},
        {0, 5, 5, "0123401234"},  // adjacent, no overlap
        {5, 0, 5, "5678956789"},
        {0, 9, 1, "0123456780"},
        {3, 3, 4, "0123456789"},  // same place
        {0, 4, 0, "0123456789"},  // nothing to copy
        {4, 0, 0, "0123456789"},
    };
    for (const auto& row : rows) {
        char buffer[11] = "0123456789";
        MoveBytes(buffer + row.from, buffer + row.to, row.count);
        EXPECT_STREQ(row.expected, buffer)
            << "from " << row.from << " to " << row.to << ", count " << row.count;
    }
}

TEST(FillBytes, WritesExactlyCountBytes)
{
    const struct {
        int count, value;
        const char* expected;  // "abcdef" filled from offset 1
    } rows[] = {
        {0, 'x', "abcdef"}, {1, 'x', "axcdef"}, {4, 'x', "axxxxf"}, {2, 0x100 + 'y', "ayydef"},
    };
    for (const auto& row : rows) {
        char buffer[7] = "abcdef";
        FillBytes(buffer + 1, row.count, row.value);
        EXPECT_STREQ(row.expected, buffer) << "count " << row.count << ", value " << row.value;
    }
}

TEST(CopyText, LimitAndTerminator)
{
    const struct {
        const char* source;
        int limit;
        const char* expected;  // the destination "########" afterwards, NUL shown as '0'
    } rows[] = {
        {"hello", 3, "hel0####"}, {"hello", 5, "hello0##"}, {"hello", 7, "hello0##"},
        {"hello", 0, "0#######"}, {"", 4, "0#######"},   {"ab", 1, "a0######"},
    };
    for (const auto& row : rows) {
        char buffer[9] = "########";
        CopyText(row.source, buffer, row.limit);
        std::string shown(buffer, 8);
        for (char& c : shown)
            if (c == '\0')
                c = '0';
        EXPECT_EQ(row.expected, shown) << "source '" << row.source << "', limit " << row.limit;
    }
}

TEST(CopyText, ReadsNoFurtherThanTheLimit)
{
    // A source block without any terminator: only limit bytes of it may be read.
    std::vector<char> source = {'a', 'b', 'c'};
    source.shrink_to_fit();
    char buffer[4] = {'#', '#', '#', '#'};
    CopyText(source.data(), buffer, 3);
    EXPECT_STREQ("abc", buffer);
}

TEST(CopyText, SameBufferIsHarmless)
{
    char buffer[8] = "abcdef";
    CopyText(buffer, buffer, 3);
    EXPECT_STREQ("abc", buffer);
}

TEST(StringLength, CountsBytesBeforeTheNul)
{
    const std::string long_text(300, 'w');
    const struct {
        const char* text;
        int expected;
    } rows[] = {
        {"", 0}, {"a", 1}, {"abc", 3}, {"\xff\x80", 2}, {"ab\0cd", 2}, {long_text.c_str(), 300},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, StringLength(row.text)) << "text '" << row.text << "'";
}

}  // namespace
