// The harness itself on plain system windows: typed keys, mouse clicks and painted pixels
// arrive and read back as they should, before any program window is involved.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

TEST(Harness, TypedKeysReachTheFocusedEdit) {
    HWND parent = create_test_parent(50, 50, 300, 100);
    HWND edit = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 30,
                                parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    bring_to_front(parent);
    SetFocus(edit);
    type_text("Ab 1.5");
    press_key(VK_BACK);
    type_text("7");
    flush_events();
    EXPECT_EQ("Ab 1.7", window_text(edit));
    DestroyWindow(parent);
}

TEST(Harness, MouseClickLandsOnThePointedWindow) {
    HWND parent = create_test_parent(50, 50, 300, 100);
    HWND left = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 100, 30,
                                parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND right = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 150, 10, 100,
                                 30, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    bring_to_front(parent);
    SetFocus(left);
    RECT r;
    GetClientRect(right, &r);
    mouse_click(client_point(right, r.right / 2, r.bottom / 2));
    flush_events();
    EXPECT_EQ(right, GetFocus()) << "left " << left << ", right " << right;
    DestroyWindow(parent);
}

const COLORREF kFill = RGB(0, 128, 255), kDot = RGB(255, 0, 0);
const int kDotX = 7, kDotY = 5;

LRESULT CALLBACK painted_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT r;
        GetClientRect(window, &r);
        HBRUSH brush = CreateSolidBrush(kFill);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        SetPixel(dc, kDotX, kDotY, kDot);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(Harness, PaintedPixelsReadBackFromTheScreen) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = painted_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "velortin_test_painted";
    RegisterClassA(&wc);
    HWND parent = create_test_parent(50, 50, 300, 100);
    HWND child = CreateWindowExA(0, "velortin_test_painted", "", WS_CHILD | WS_VISIBLE, 20, 30, 40,
                                 20, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    flush_events();
    struct {
        int x, y;
        COLORREF expected;
    } points[] = {
        {kDotX, kDotY, kDot},         {kDotX + 1, kDotY, kFill}, {kDotX, kDotY + 1, kFill},
        {0, 0, kFill},                {39, 19, kFill},           {40, 19, RGB(255, 255, 255)},
        {-1, 0, RGB(255, 255, 255)},
    };
    for (const auto& p : points) {
        COLORREF got = window_pixel(child, p.x, p.y);
        EXPECT_EQ(p.expected, got) << "at (" << p.x << "," << p.y << ") got " << rgb_text(got)
                                   << ", expected " << rgb_text(p.expected);
    }
    DestroyWindow(parent);
}

}  // namespace
