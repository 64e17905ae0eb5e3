// The main window: its class, its creation and its window procedure.
#include "core/ids.h"
#include "ui/main/messages.h"
#include "resources/strings.h"
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
    return CreateWindowExA(0, MAIN_CLASS, GetAppString(IDS_TITLE_MAIN),
                           WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100,
                           100, 400, CaptionHeight + 11 * Gap + 10 * RowHeight, nullptr, nullptr,
                           AppInstance, nullptr);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreateMain(window);
        return 0;
    case WM_PAINT:
        OnPaintMain(window);
        return 0;
    case WM_CTLCOLOREDIT:
        SetTextColor((HDC)wParam, RGB(0, 0, 0));
        SetBkColor((HDC)wParam, RGB(255, 255, 255));
        return (LRESULT)GetStockObject(WHITE_BRUSH);
    case WM_CTLCOLORSTATIC:
        SetTextColor((HDC)wParam, RGB(255, 255, 255));
        SetBkColor((HDC)wParam, RGB(0, 0, 0));
        return (LRESULT)GetStockObject(BLACK_BRUSH);
    case WM_COMMAND:
        OnCommandMain(window, wParam, lParam);
        return 0;
    case MSG_CHOICE_CHANGED:
        OnChoiceChanged(window, (int)wParam, (int)lParam);
        return 0;
    case MSG_FOCUS_NEXT:
    case MSG_FOCUS_PREV:
        OnFocusStep((int)wParam, message == MSG_FOCUS_NEXT);
        return 0;
    case MSG_KEY_EXIT:
        SendMessageA(MainWindow, WM_COMMAND, ID_EXIT, 0);
        return 0;
    case MSG_KEY_COMPUTE:
        SendMessageA(MainWindow, WM_COMMAND, ID_COMPUTE, 0);
        return 0;
    case WM_DESTROY:
        OnDestroyMain(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
