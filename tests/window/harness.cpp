// Window test helpers: pumping the queue, real keyboard and mouse input, screen pixels.
#include "harness.h"

#include <cstdio>

void flush_events(MessageFilter filter) {
    // As in Wine's user32 tests: keep pumping while input keeps arriving, for at most
    // a moment, and stop as soon as the queue stays quiet for a short time.
    const DWORD limit = 500, quiet = 50;
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (filter && filter(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        DWORD spent = GetTickCount() - start;
        if (spent >= limit) break;
        DWORD wait = limit - spent < quiet ? limit - spent : quiet;
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT) == WAIT_TIMEOUT) break;
    }
}

static void send_one(INPUT* input) {
    UINT sent = SendInput(1, input, sizeof(*input));
    if (sent != 1) std::fprintf(stderr, "SendInput failed: %lu\n", GetLastError());
}

static void send_key(WORD vk, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    send_one(&input);
}

void key_down(WORD vk) { send_key(vk, 0); }
void key_up(WORD vk) { send_key(vk, KEYEVENTF_KEYUP); }

void press_key(WORD vk) {
    key_down(vk);
    key_up(vk);
}

void press_chord(WORD modifier, WORD vk) {
    key_down(modifier);
    press_key(vk);
    key_up(modifier);
}

void type_text(const char* text) {
    for (; *text; ++text) {
        SHORT scan = VkKeyScanA(*text);
        WORD vk = LOBYTE(scan);
        if (HIBYTE(scan) & 1)
            press_chord(VK_SHIFT, vk);
        else
            press_key(vk);
    }
}

static void send_mouse(POINT screen, DWORD flags) {
    // Absolute coordinates span 0..65535 over the screen; aim at the pixel's centre so
    // that the scaling back to pixels lands on it.
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((2LL * screen.x + 1) * 65536 / (2LL * width));
    input.mi.dy = static_cast<LONG>((2LL * screen.y + 1) * 65536 / (2LL * height));
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    send_one(&input);
}

void mouse_move(POINT screen) { send_mouse(screen, 0); }
void mouse_press(POINT screen) { send_mouse(screen, MOUSEEVENTF_LEFTDOWN); }
void mouse_release(POINT screen) { send_mouse(screen, MOUSEEVENTF_LEFTUP); }

void mouse_click(POINT screen) {
    mouse_press(screen);
    mouse_release(screen);
}

POINT client_point(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    return p;
}

COLORREF screen_pixel(POINT screen) {
    HDC dc = GetDC(nullptr);
    COLORREF colour = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return colour;
}

COLORREF window_pixel(HWND window, int x, int y) { return screen_pixel(client_point(window, x, y)); }

COLORREF Snapshot::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    return pixels[static_cast<size_t>(y) * width + x];
}

// Copies a bitmap's pixels out as COLORREFs through a 32-bit top-down DIB.
static Snapshot read_bitmap(HDC dc, HBITMAP bitmap, int width, int height) {
    Snapshot shot;
    shot.width = width;
    shot.height = height;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> bits(static_cast<size_t>(width) * height);
    GetDIBits(dc, bitmap, 0, height, bits.data(), &bi, DIB_RGB_COLORS);
    shot.pixels.reserve(bits.size());
    for (DWORD b : bits) shot.pixels.push_back(RGB((b >> 16) & 255, (b >> 8) & 255, b & 255));
    return shot;
}

Snapshot snapshot_client(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin = client_point(window, 0, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    Snapshot shot = read_bitmap(memory, bitmap, client.right, client.bottom);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

Snapshot render_image(int width, int height, const std::function<void(HDC)>& draw) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    draw(memory);
    SelectObject(memory, old);
    Snapshot shot = read_bitmap(memory, bitmap, width, height);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

void bring_to_front(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(window);
    flush_events();
}

std::string rgb_text(COLORREF colour) {
    if (colour == CLR_INVALID) return "CLR_INVALID";
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

std::string window_text(HWND window) {
    char text[512];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

static std::vector<Recorded> recorded;
static UINT record_first = 1, record_last = 0;

static LRESULT CALLBACK test_parent_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= record_first && message <= record_last)
        recorded.push_back({message, wParam, lParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND create_test_parent(int x, int y, int width, int height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = test_parent_proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = "velortin_test_parent";
        RegisterClassA(&wc);
        registered = true;
    }
    // No caption: client and window coordinates coincide, and nothing waits on a frame.
    HWND window = CreateWindowExA(0, "velortin_test_parent", "test parent", WS_POPUP | WS_VISIBLE,
                                  x, y, width, height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  nullptr);
    UpdateWindow(window);
    flush_events();
    return window;
}

const std::vector<Recorded>& parent_log() { return recorded; }

void clear_parent_log() { recorded.clear(); }

void record_parent_range(UINT first, UINT last) {
    record_first = first;
    record_last = last;
    recorded.clear();
}
