// The main window: its class, its creation and its window procedure.
#include "ui/main/app.h"

static const char MAIN_CLASS[] = "velortin";

void RegisterMainClass(void)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = AppInstance;
    wc.hIcon = AppIcon;
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    wc.lpszClassName = MAIN_CLASS;
    RegisterClassA(&wc);
}

HWND CreateMainWindow(void)
{
    // The width is provisional: creation sizes the window to its rows before it shows.
    return CreateWindowExA(0, MAIN_CLASS, GetAppString(16),
                           WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100,
                           100, 400, CaptionHeight + 11 * Gap + 10 * RowHeight, nullptr, nullptr,
                           AppInstance, nullptr);
}

static void OnDestroy(void)
{
    DeleteObject(ArrowBitmap);
    ArrowBitmap = nullptr;
    DestroyIcon(AppIcon);
    AppIcon = nullptr;
    DeleteObject(MainFont);
    MainFont = nullptr;
    FreeAppStrings();
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        OnDestroy();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
