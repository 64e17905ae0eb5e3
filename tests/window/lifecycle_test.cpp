// The whole run in one process: start-up, then closing the main window ends the loop
// with exit code 0 and gives back every block the program took.
#include <gtest/gtest.h>

#include "harness.h"
#include "program.h"
#include "ui/main/app.h"
#include "ui/heap.h"

namespace {

TEST(Lifecycle, ClosingTheMainWindowEndsTheLoopWithZeroAndFreesEverything) {
    long before = LiveBlocks;
    start_program();
    ASSERT_TRUE(IsWindow(MainWindow));
    EXPECT_GT(LiveBlocks, before) << "the string table is on the heap";
    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, RunMessageLoop());
    EXPECT_FALSE(IsWindow(MainWindow));
    EXPECT_EQ(before, LiveBlocks) << "blocks still held after the window closed";
    // Strings read after the table is gone, and a second free, are harmless.
    FreeAppStrings();
    ASSERT_NE(nullptr, GetAppString(16));
    EXPECT_STREQ("", GetAppString(16));
    EXPECT_EQ(before, LiveBlocks);
}

}  // namespace
