// Screen metrics, the one font and the row metrics derived from it, and text measuring.
#include "core/text.h"
#include "ui/main/app.h"

void ReadScreenMetrics(void)
{
    FrameWidth = 2 * GetSystemMetrics(SM_CXBORDER);
    CaptionHeight = GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYBORDER);
    ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
}

void CreateMainFont(void)
{
    LOGFONTA font;
    FillBytes(&font, sizeof font, 0);
    font.lfHeight = 20;
    font.lfWeight = 400;
    CopyText("Times New Roman", font.lfFaceName, 31);
    MainFont = CreateFontIndirectA(&font);
}

void ReadFontMetrics(void)
{
    TEXTMETRICA metrics;
    FillBytes(&metrics, sizeof metrics, 0);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MainFont);
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    FontHeight = metrics.tmHeight;
    RowHeight = FontHeight + 2 * GetSystemMetrics(SM_CYFRAME);
    Gap = RowHeight / 4;
}

int TextWidth(const char* text)
{
    // While the main window is being created MainWindow is still null; the screen's
    // device context then measures the same widths.
    HDC dc = GetDC(MainWindow);
    HGDIOBJ old = SelectObject(dc, MainFont);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, StringLength(text), &size);
    SelectObject(dc, old);
    ReleaseDC(MainWindow, dc);
    return size.cx;
}
