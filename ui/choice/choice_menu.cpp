// The pop-up list of a drop-down field (class "popupmenu"): its opening and local loop,
// its state's life, its painting and its window procedure.
#include "core/ids.h"
#include "ui/main/messages.h"
#include "core/text.h"
#include "ui/choice/choice.h"
#include "ui/choice/menu_pointer.h"
#include "ui/main/app.h"
#include "ui/heap.h"

int MenuOpen;

static ChoiceMenuState* StateOf(HWND window)
{
    return (ChoiceMenuState*)GetWindowLongPtrA(window, 0);
}

void OpenChoiceMenu(int x, int y, int width, int height, HWND field, ChoiceFieldState* state)
{
    POINT at = {x, y};
    ClientToScreen(field, &at);
    // Near the screen's bottom the list opens above the field, its bottom border on the
    // field's top row.
    if (at.y + height >= ScreenHeight)
        at.y = at.y + 2 - height - RowHeight;
    HWND menu = CreateWindowExA(0, CHOICE_MENU_CLASS, "", WS_POPUP | WS_VISIBLE | WS_BORDER, at.x, at.y,
                                width, height, field, nullptr, AppInstance, state);
    // Without a pop-up nothing would ever clear the flag: the press opens nothing.
    if (!menu)
        return;
    MenuOpen = 1;
    SetFieldMenu(state, menu);
    // Only the pop-up's messages, without waiting: the rest of the program is held still
    // until the list has closed. The field's state may be gone by then; it is not touched.
    MSG msg;
    while (MenuOpen) {
        if (PeekMessageA(&msg, menu, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

static LRESULT OnCreate(HWND window, const CREATESTRUCTA* create)
{
    const ChoiceFieldState* field = (const ChoiceFieldState*)create->lpCreateParams;
    if (!field)
        return -1;
    ChoiceMenuState* s = (ChoiceMenuState*)AllocBlock(sizeof(ChoiceMenuState));
    char* list = s ? CopyToHeap(field->list) : nullptr;
    if (!list) {
        // Creation fails, before the capture is taken; the press then opens nothing.
        FreeBlock(s);
        return -1;
    }
    FillBytes(s, sizeof *s, 0);
    SetWindowLongPtrA(window, 0, (LONG_PTR)s);
    SetCapture(window);
    s->lineWidth = field->boxWidth;
    s->listHeight = field->listHeight;
    s->itemCount = field->itemCount;
    s->longList = field->longList;
    s->selection = field->currentIndex;
    s->initialIndex = field->currentIndex;
    s->notYetEntered = 1;
    s->list = list;
    s->field = field->self;
    MoveBytes(field->itemFlags, s->itemFlags, CHOICE_FLAG_BYTES);
    // A long list opens with the current item about half-way down, as far as its ends allow.
    s->scrollOffset = 0;
    if (s->longList) {
        int offset = s->selection - MENU_LINES / 2;
        if (offset < 0)
            offset = 0;
        if (offset + MENU_LINES > s->itemCount)
            offset = s->itemCount - MENU_LINES;
        s->scrollOffset = offset;
    }
    return 0;
}

static int VisibleLines(const ChoiceMenuState* s)
{
    if (s->itemCount <= 0)
        return 0;
    return s->itemCount < MENU_LINES ? s->itemCount : MENU_LINES;
}

static void OnPaint(HWND window, const ChoiceMenuState* s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HGDIOBJ oldFont = SelectObject(dc, MainFont);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldText = GetTextColor(dc);
    for (int i = 0; i < VisibleLines(s); i++) {
        int k = i + s->scrollOffset;
        RECT line = {0, i * FontHeight, s->lineWidth, (i + 1) * FontHeight};
        int chosen = k == s->selection;
        COLORREF text = TestBit(s->itemFlags, k) ? RGB(128, 128, 128) : RGB(0, 0, 0);
        SetTextColor(dc, chosen ? RGB(255, 255, 255) : text);
        FillRect(dc, &line, (HBRUSH)GetStockObject(chosen ? BLACK_BRUSH : WHITE_BRUSH));
        const char* item = ChoiceItem(s->list, k + 1);
        if (*item == '-') {
            int y = line.top + FontHeight / 2;
            MoveToEx(dc, 0, y, nullptr);
            LineTo(dc, s->lineWidth, y);
        } else {
            line.left += Gap;
            DrawTextA(dc, item, ChoiceItemLength(item), &line,
                      DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
        }
    }
    SetTextColor(dc, oldText);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    EndPaint(window, &ps);
}

static void OnDestroy(HWND window, ChoiceMenuState* s)
{
    // Both timers whatever their flags say: nothing may tick for a list that is gone.
    KillTimer(window, TIMER_SCROLL_UP);
    KillTimer(window, TIMER_SCROLL_DOWN);
    MenuOpen = 0;
    SendMessageA(s->field, MSG_MENU_CLOSED, 0, 0);
    if (GetCapture() == window)
        ReleaseCapture();
    SetWindowLongPtrA(window, 0, 0);
    FreeBlock(s->list);
    FreeBlock(s);
}

LRESULT CALLBACK ChoiceMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE)
        return OnCreate(window, (const CREATESTRUCTA*)lParam);
    ChoiceMenuState* s = StateOf(window);
    if (s) {
        int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
        switch (message) {
        case WM_PAINT:
            OnPaint(window, s);
            return 0;
        case WM_MOUSEMOVE:
            MenuPointerMove(window, s, wParam, y);
            return 0;
        case WM_LBUTTONDOWN:
            MenuButtonDown(window, s, x, y);
            return 0;
        case WM_LBUTTONUP:
            MenuButtonUp(window, s);
            return 0;
        case WM_TIMER:
            MenuTimerTick(window, s, wParam);
            return 0;
        case WM_DESTROY:
            OnDestroy(window, s);
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
