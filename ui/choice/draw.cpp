// Bitmap blits and bevels for the choice control.
#include "ui/choice/choice.h"

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, unsigned operation)
{
    static const DWORD OPERATIONS[4] = {SRCCOPY, SRCINVERT, SRCAND, 0x009A0709};
    DWORD rop = operation < 4 ? OPERATIONS[operation] : (DWORD)operation;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetMapMode(memory, GetMapMode(dc));
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    POINT size = {info.bmWidth, info.bmHeight};
    DPtoLP(dc, &size, 1);
    POINT origin = {0, 0};
    DPtoLP(memory, &origin, 1);
    BitBlt(dc, x, y, size.x, size.y, memory, origin.x, origin.y, rop);
    SelectObject(memory, old);
    DeleteDC(memory);
}

// Frames grow outwards from the rectangle, the innermost first. Lines leave out their end
// pixel, so the first colour owns the left column and both left corners, the second the
// right column and both right corners.
static void DrawFrameSides(HDC dc, COLORREF colour, int x, int y, int width, int height,
                           int thickness, int rightSides)
{
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    for (int i = 0; i < thickness; i++) {
        int left = x - 1 - i, top = y - 1 - i;
        int right = x + width + 1 + i, bottom = y + height + 1 + i;
        if (rightSides) {
            MoveToEx(dc, right, top, nullptr);
            LineTo(dc, right, bottom);
            LineTo(dc, left, bottom);
        } else {
            MoveToEx(dc, left, bottom, nullptr);
            LineTo(dc, left, top);
            LineTo(dc, right, top);
        }
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawBevel(HDC dc, int x, int y, int width, int height, int thickness, int sunken)
{
    COLORREF first = sunken ? RGB(64, 64, 64) : RGB(255, 255, 255);
    COLORREF second = sunken ? RGB(192, 192, 192) : RGB(1, 1, 1);
    DrawFrameSides(dc, first, x, y, width, height, thickness, 0);
    DrawFrameSides(dc, second, x, y, width, height, thickness, 1);
}
