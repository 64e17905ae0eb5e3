// The string table as the running program loaded it from its resources.
#include <gtest/gtest.h>

#include <climits>

#include "program.h"
#include "resources/strings.h"
#include "ui/main/app.h"

namespace {

const char* const kExpected[APP_STRING_COUNT] = {
    NOTICE_COPYRIGHT,   BUTTON_CANCEL,      BUTTON_COMPUTE,      NOTICE_LICENCE,
    MESSAGE_REJECTED,   CAPTION_ERROR,      BUTTON_EXIT,         BUTTON_HELP,
    LABEL_INPUT_HEIGHT, LABEL_INPUT_WIDTH,  LABEL_LINE_SCREEN,   LABEL_OUTPUT_HEIGHT,
    LABEL_OUTPUT_WIDTH, LIST_PRINTER_TYPES, LABEL_PRINTER_RES,   LABEL_PRINTER_TYPE,
    TITLE_MAIN,         LABEL_SCAN_PIXELS,  LABEL_SCAN_RES,      LIST_UNITS,
    LABEL_VIEW_DISTANCE, CAPTION_WARNING,
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
