// Screen metrics, the one font, the row metrics derived from it, and TextWidth.
#include <gtest/gtest.h>

#include <algorithm>

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

// The program's metrics worked out by hand for the screens the tests run on: the system's
// border, caption, frame and screen height and the font's cell height in; the frame width,
// the caption height, the row height and the gap out.
struct MetricsCase {
    int border, caption, frame, screen, cell;
    int frameWidth, captionHeight, rowHeight, gap;
};
const MetricsCase kMetrics[] = {
    // Wine on the tests' 1024 x 768 Xvfb, Liberation Serif for Times New Roman: a frame of
    // 2 x 1, a caption of 19 + 2 x 1, rows of 20 + 2 x 4, gaps of 28 / 4.
    {1, 19, 4, 768, 20, 2, 21, 28, 7},
};

TEST(Metrics, FollowFromTheScreenAndTheFont) {
    start_program();
    const MetricsCase here = {GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYCAPTION),
                              GetSystemMetrics(SM_CYFRAME), GetSystemMetrics(SM_CYSCREEN),
                              main_font_metrics().tmHeight, 0, 0, 0, 0};
    const MetricsCase* known = nullptr;
    for (const MetricsCase& c : kMetrics)
        if (std::equal(&c.border, &c.frameWidth, &here.border)) known = &c;
    ASSERT_NE(nullptr, known) << "no metrics worked out for border " << here.border << ", caption "
                              << here.caption << ", frame " << here.frame << ", screen "
                              << here.screen << ", cell " << here.cell;
    EXPECT_EQ(known->frameWidth, FrameWidth);
    EXPECT_EQ(known->captionHeight, CaptionHeight);
    EXPECT_EQ(known->screen, ScreenHeight);
    EXPECT_EQ(known->cell, FontHeight);
    EXPECT_EQ(known->rowHeight, RowHeight);
    EXPECT_EQ(known->gap, Gap);
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
