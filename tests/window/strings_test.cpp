// The string table as the running program loaded it from its resources.
#include <gtest/gtest.h>

#include <climits>

#include "program.h"
#include "resources/strings.h"
#include "ui/main/app.h"

namespace {

const char* const kExpected[APP_STRING_COUNT] = {
    APP_STRING_0,  APP_STRING_1,  APP_STRING_2,  APP_STRING_3,  APP_STRING_4,  APP_STRING_5,
    APP_STRING_6,  APP_STRING_7,  APP_STRING_8,  APP_STRING_9,  APP_STRING_10, APP_STRING_11,
    APP_STRING_12, APP_STRING_13, APP_STRING_14, APP_STRING_15, APP_STRING_16, APP_STRING_17,
    APP_STRING_18, APP_STRING_19, APP_STRING_20, APP_STRING_21,
};

TEST(Strings, EveryIdReadsBackItsText) {
    start_program();
    for (int id = 0; id < APP_STRING_COUNT; id++) {
        const char* got = GetAppString(id);
        ASSERT_NE(nullptr, got) << "id " << id;
        EXPECT_STREQ(kExpected[id], got) << "id " << id;
    }
}

TEST(Strings, KnownEntries) {
    start_program();
    EXPECT_STREQ("Warning", GetAppString(21));
    EXPECT_STREQ("Velortin 1.0", GetAppString(16));
    EXPECT_STREQ("|mm|cm|in|ft|m|", GetAppString(19));
}

TEST(Strings, SameIdSamePointer) {
    start_program();
    for (int id = -1; id <= APP_STRING_COUNT; id++)
        EXPECT_EQ(static_cast<const void*>(GetAppString(id)),
                  static_cast<const void*>(GetAppString(id)))
            << "id " << id;
}

TEST(Strings, EntriesAreDistinctBlocks) {
    // Each entry is its own writable copy: the choice lists among them are measured in
    // place, which must not disturb any other entry.
    start_program();
    for (int a = 0; a < APP_STRING_COUNT; a++)
        for (int b = a + 1; b < APP_STRING_COUNT; b++)
            EXPECT_NE(static_cast<const void*>(GetAppString(a)),
                      static_cast<const void*>(GetAppString(b)))
                << "ids " << a << " and " << b;
}

TEST(Strings, OutOfRangeIdsShareOneEmptyString) {
    start_program();
    const char* shared = GetAppString(-1);
    ASSERT_NE(nullptr, shared);
    EXPECT_STREQ("", shared);
    for (int id : {22, 23, 1000, -2, -1000, INT_MIN, INT_MAX}) {
        const char* got = GetAppString(id);
        EXPECT_EQ(static_cast<const void*>(shared), static_cast<const void*>(got)) << "id " << id;
    }
    for (int id = 0; id < APP_STRING_COUNT; id++)
        EXPECT_NE(static_cast<const void*>(shared), static_cast<const void*>(GetAppString(id)))
            << "id " << id << " is a real entry, not the shared empty string";
}

}  // namespace
