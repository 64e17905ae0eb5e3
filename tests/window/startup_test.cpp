// What start-up leaves behind: the classes, the main window, the icon and the bitmap.
#include <gtest/gtest.h>

#include "harness.h"
#include "program.h"
#include "ui/main/app.h"

namespace {

TEST(StartUp, MainWindowIsACaptionedPopupWithTheTitle) {
    start_program();
    ASSERT_TRUE(IsWindow(MainWindow));
    char name[64] = {};
    GetClassNameA(MainWindow, name, sizeof name);
    EXPECT_STREQ("velortin", name);
    char title[64] = {};
    GetWindowTextA(MainWindow, title, sizeof title);
    EXPECT_STREQ("Velortin 1.0", title);
    const LONG shape = WS_POPUP | WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                       WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
    LONG style = GetWindowLongA(MainWindow, GWL_STYLE);
    EXPECT_EQ(0x90CA0000L, style & shape) << std::hex << "style 0x" << style;
    EXPECT_EQ(nullptr, GetParent(MainWindow));
    RECT r;
    GetWindowRect(MainWindow, &r);
    EXPECT_EQ(100, r.left);
    EXPECT_EQ(100, r.top);
}

TEST(StartUp, MainWindowShowsTheIconAndABlackBackground) {
    start_program();
    bring_to_front(MainWindow);
    flush_events();
    // The band between the labels and the fields, above the buttons' row, holds nothing:
    // the background alone.
    Snapshot shot = snapshot_client(MainWindow);
    int off_black = 0;
    for (int y = 0; y < RowTop(9); y++)
        for (int x = LabelWidth + Gap; x < FieldX; x++) off_black += shot.at(x, y) != RGB(0, 0, 0);
    EXPECT_EQ(0, off_black) << "pixels that are not black in x " << LabelWidth + Gap << " to "
                            << FieldX;
    // The window's icon draws as icon 1 does.
    HICON shown = reinterpret_cast<HICON>(GetClassLongPtrA(MainWindow, GCLP_HICON));
    HICON resource = LoadIconA(AppInstance, MAKEINTRESOURCEA(1));
    ASSERT_NE(nullptr, shown);
    auto draw = [](HICON icon) {
        return render_image(32, 32, [icon](HDC dc) {
            DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
        });
    };
    EXPECT_TRUE(draw(shown).pixels == draw(resource).pixels);
}

TEST(StartUp, ChoiceClassesKeepAPointerPerWindow) {
    start_program();
    for (const char* name : {"popupmenu", "popuplist"}) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExA(AppInstance, name, &wc)) << name;
        EXPECT_EQ(static_cast<UINT>(CS_HREDRAW | CS_VREDRAW), wc.style) << name;
        EXPECT_EQ(static_cast<int>(sizeof(LONG_PTR)), wc.cbWndExtra) << name;
        EXPECT_EQ(0, wc.cbClsExtra) << name;
        EXPECT_EQ(GetStockObject(LTGRAY_BRUSH), wc.hbrBackground) << name;
        EXPECT_EQ(nullptr, wc.hIcon) << name;
    }
}

TEST(StartUp, ArrowBitmapIsLoaded) {
    start_program();
    ASSERT_NE(nullptr, ArrowBitmap);
    BITMAP info = {};
    ASSERT_NE(0, GetObjectA(ArrowBitmap, sizeof info, &info));
    EXPECT_EQ(15, info.bmWidth);
    EXPECT_EQ(15, info.bmHeight);
}

}  // namespace
