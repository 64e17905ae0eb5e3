// Window test helpers: pumping the queue, real keyboard and mouse input, screen pixels.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Pumps the thread's queue until it has been idle for a short while, translating and
// dispatching as a message loop does. A filter, when given, sees each message first and
// keeps it from being translated and dispatched by returning nonzero.
using MessageFilter = int (*)(MSG* msg);
void flush_events(MessageFilter filter = nullptr);

// Keyboard input through SendInput, by virtual-key code.
void key_down(WORD vk);
void key_up(WORD vk);
void press_key(WORD vk);
// Holds each modifier (VK_SHIFT, VK_CONTROL, ...) down around one press of vk.
void press_chord(WORD modifier, WORD vk);
// Types printable ASCII text, with Shift where the layout needs it.
void type_text(const char* text);

// Mouse input at screen points, through SendInput with absolute coordinates.
void mouse_move(POINT screen);
void mouse_press(POINT screen);    // move there, then left button down
void mouse_release(POINT screen);  // move there, then left button up
void mouse_click(POINT screen);

// Screen read-back. Client points of a window are converted to screen points.
POINT client_point(HWND window, int x, int y);
COLORREF screen_pixel(POINT screen);
COLORREF window_pixel(HWND window, int x, int y);

// A rectangle of pixels copied at once: from the screen under a window's client area,
// or from an image drawn off-screen as a test's expectation.
struct Snapshot {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // row by row, top row first
    COLORREF at(int x, int y) const;  // CLR_INVALID outside
};
Snapshot snapshot_client(HWND window);
Snapshot render_image(int width, int height, const std::function<void(HDC)>& draw);

// Gives a top-level window the foreground and the focus, so that input reaches it.
void bring_to_front(HWND window);

// "RGB(r,g,b)" for failure messages.
std::string rgb_text(COLORREF colour);

// The text of a window, via GetWindowTextA.
std::string window_text(HWND window);

// A plain top-level test window, captionless and white, that records the messages it
// receives in a chosen range (see record_parent_range), oldest first.
struct Recorded {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
HWND create_test_parent(int x, int y, int width, int height);
void record_parent_range(UINT first, UINT last);  // also clears the log
const std::vector<Recorded>& parent_log();
void clear_parent_log();
