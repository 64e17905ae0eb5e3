// Screen metrics, the one font, the row metrics derived from it, and TextWidth.
#include <gtest/gtest.h>

#include "program.h"
#include "ui/main/app.h"

namespace {

TEXTMETRICA main_font_metrics() {
    TEXTMETRICA tm = {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MainFont);
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm;
}

int measured_width(const char* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MainFont);
    SIZE size = {-1, -1};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

TEST(Metrics, MainFontIsTimesNewRomanTwentyPixelsNormalWeight) {
    start_program();
    ASSERT_NE(nullptr, MainFont);
    LOGFONTA font = {};
    ASSERT_EQ(static_cast<int>(sizeof font), GetObjectA(MainFont, sizeof font, &font));
    EXPECT_EQ(20, font.lfHeight);
    EXPECT_EQ(400, font.lfWeight);
    EXPECT_STREQ("Times New Roman", font.lfFaceName);
    EXPECT_EQ(0, font.lfWidth);
    EXPECT_EQ(0, font.lfItalic);
    EXPECT_EQ(0, font.lfCharSet);
    EXPECT_EQ(0, font.lfQuality);
    EXPECT_EQ(0, font.lfPitchAndFamily);
}

TEST(Metrics, FontHeightIsTheFontsCellHeight) {
    start_program();
    TEXTMETRICA tm = main_font_metrics();
    EXPECT_EQ(tm.tmHeight, FontHeight);
    EXPECT_GT(FontHeight, 0);
}

TEST(Metrics, RowHeightAndGapFollowFromFontHeight) {
    start_program();
    int frame = GetSystemMetrics(SM_CYFRAME);
    EXPECT_EQ(FontHeight + 2 * frame, RowHeight)
        << "FontHeight " << FontHeight << ", SM_CYFRAME " << frame;
    EXPECT_EQ(RowHeight / 4, Gap) << "RowHeight " << RowHeight;
}

TEST(Metrics, ScreenMetrics) {
    start_program();
    EXPECT_EQ(2 * GetSystemMetrics(SM_CXBORDER), FrameWidth);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYBORDER), CaptionHeight);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), ScreenHeight);
}

TEST(Metrics, TextWidthOfEmptyStringIsZero) {
    start_program();
    EXPECT_EQ(0, TextWidth(""));
}

TEST(Metrics, TextWidthMatchesTheFontsExtent) {
    start_program();
    const char* texts[] = {"m", "mm", "Continuous Tone", "Printing Press",
                           "Line Screen Frequency (lpi):", "W i d e", "&Help", "|mm|"};
    for (const char* text : texts) {
        int expected = measured_width(text);
        EXPECT_EQ(expected, TextWidth(text)) << "\"" << text << "\"";
    }
    // Two different texts must measure differently, or the comparison above proves nothing.
    EXPECT_LT(TextWidth("m"), TextWidth("mm"));
}

TEST(Metrics, TextWidthIsTheSameWhileMainWindowIsNull) {
    // During the main window's creation MainWindow is still null and TextWidth measures
    // on the screen; the widths must not depend on which.
    start_program();
    int on_window = TextWidth("Scan Resolution (dpi):");
    HWND saved = MainWindow;
    MainWindow = nullptr;
    int on_screen = TextWidth("Scan Resolution (dpi):");
    MainWindow = saved;
    EXPECT_EQ(on_window, on_screen);
}

}  // namespace
