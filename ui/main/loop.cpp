// The message loop and its keyboard filter, which stands in for a dialog manager.
#include "core/ids.h"
#include "ui/main/messages.h"
#include "ui/main/app.h"

int PreTranslateKey(MSG* msg)
{
    // Only characters count, whichever key made them: Ctrl+I, Ctrl+M and Ctrl+[ give the
    // same codes as Tab, Enter and Escape and act the same.
    if (msg->message != WM_CHAR)
        return 0;
    switch (msg->wParam) {
    case 9: {
        HWND focus = GetFocus();
        if (!focus)
            return 0;
        WPARAM id = LOWORD(GetWindowLongPtrA(focus, GWLP_ID));
        // A top-level window with the focus (the main window itself) has no field to
        // step from: the Tab goes on as an ordinary character.
        if (!GetParent(focus))
            return 0;
        UINT step = (GetKeyState(VK_SHIFT) & 0x8000) ? MSG_FOCUS_PREV : MSG_FOCUS_NEXT;
        SendMessageA(MainWindow, step, id, 0);
        return 1;
    }
    case 13:
        SendMessageA(MainWindow, MSG_KEY_COMPUTE, 0, 0);
        return 1;
    case 27:
        SendMessageA(MainWindow, MSG_KEY_EXIT, 0, 0);
        return 1;
    }
    return 0;
}

int RunMessageLoop(void)
{
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            return (int)msg.wParam;
        if (got < 0)
            return 1;
        if (!PreTranslateKey(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}
