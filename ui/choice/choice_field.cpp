// The drop-down field (class "popuplist"): a label, the current item in a box and an
// arrow button; a press opens the pop-up list, a pick is reported to the parent.
#include "core/ids.h"
#include "ui/main/messages.h"
#include "core/text.h"
#include "ui/choice/choice.h"
#include "ui/main/app.h"
#include "ui/heap.h"


static ChoiceFieldState* StateOf(HWND window)
{
    return (ChoiceFieldState*)GetWindowLongPtrA(window, 0);
}

void RegisterChoiceClasses(void)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    // Room for one pointer, so the state's address survives a 64-bit build too.
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = AppInstance;
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
    wc.lpfnWndProc = ChoiceMenuProc;
    wc.lpszClassName = CHOICE_MENU_CLASS;
    RegisterClassA(&wc);
    wc.lpfnWndProc = ChoiceFieldProc;
    wc.lpszClassName = CHOICE_FIELD_CLASS;
    RegisterClassA(&wc);
}

HWND CreateChoiceField(int x, int y, HWND parent, int index, char* list, int id)
{
    ChoiceFieldInit init;
    // The field copies the list again at creation; if this copy fails, the caller's list
    // serves, since it outlives this call.
    char* copy = CopyToHeap(list);
    init.list = copy ? copy : list;
    init.initialIndex = index;
    int count = ChoiceCount(list) - 1;
    init.itemCount = count < 0 ? 0 : count > CHOICE_MAX_ITEMS ? CHOICE_MAX_ITEMS : count;
    init.labelWidth = ChoiceItemLength(list) == 0 ? 0 : ChoiceItemWidth(list) + Gap;
    init.boxWidth = 0;
    for (int i = 1; i <= init.itemCount; i++) {
        int width = ChoiceItemWidth(ChoiceItem(list, i)) + 2 * Gap;
        if (width > init.boxWidth)
            init.boxWidth = width;
    }
    HWND field = CreateWindowExA(0, CHOICE_FIELD_CLASS, nullptr, WS_CHILD | WS_VISIBLE, x, y,
                                 init.labelWidth + init.boxWidth + RowHeight, RowHeight, parent,
                                 (HMENU)(INT_PTR)id, AppInstance, &init);
    FreeBlock(copy);
    return field;
}

static LRESULT OnCreate(HWND window, const CREATESTRUCTA* create)
{
    const ChoiceFieldInit* init = (const ChoiceFieldInit*)create->lpCreateParams;
    ChoiceFieldState* s = (ChoiceFieldState*)AllocBlock(sizeof(ChoiceFieldState));
    char* list = s ? CopyToHeap(init->list) : nullptr;
    if (!list) {
        // Without its state the field could neither paint nor be freed: refuse creation.
        FreeBlock(s);
        return -1;
    }
    FillBytes(s, sizeof *s, 0);
    SetWindowLongPtrA(window, 0, (LONG_PTR)s);
    s->parent = create->hwndParent;
    s->controlId = (int)(INT_PTR)create->hMenu;
    s->currentIndex = init->initialIndex;
    s->list = list;
    s->itemCount = init->itemCount;
    s->longList = s->itemCount > MENU_LINES;
    s->listHeight = FontHeight * (s->longList ? MENU_LINES : s->itemCount);
    s->labelWidth = init->labelWidth;
    s->boxWidth = init->boxWidth;
    for (int k = 0; k < s->itemCount; k++) {
        if (*ChoiceItem(s->list, k + 1) == '-')
            SetBit(s->itemFlags, k);
        else
            ClearBit(s->itemFlags, k);
    }
    s->openMenu = nullptr;
    s->self = window;
    return 0;
}

static void DrawItemText(HDC dc, const char* text, int length, int left, int top, int right,
                         int bottom)
{
    RECT r = {left, top, right, bottom};
    DrawTextA(dc, text, length, &r, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

static void OnPaint(HWND window, ChoiceFieldState* s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    int L = s->labelWidth, W = s->boxWidth, R = RowHeight;
    COLORREF oldBack = SetBkColor(dc, RGB(192, 192, 192));
    COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, MainFont);

    if (L != 0) {
        RECT label = {0, 0, L + 1, R};
        FillRect(dc, &label, (HBRUSH)GetStockObject(GRAY_BRUSH));
        SetBkColor(dc, RGB(128, 128, 128));
        DrawItemText(dc, s->list, ChoiceItemLength(s->list), 0, 1, L, R - 1);
    }

    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(LTGRAY_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, L, 0, L + W + 1, R);
    Rectangle(dc, L + W, 0, L + W + R, R);
    SelectObject(dc, oldPen);

    SetBkColor(dc, RGB(192, 192, 192));
    const char* item = ChoiceItem(s->list, s->currentIndex + 1);
    DrawItemText(dc, item, ChoiceItemLength(item), L + Gap, 1, L + W - Gap, R - 1);

    int inset = (R - 15) / 2;
    DrawBitmap(dc, ArrowBitmap, L + W + inset, inset, 2);
    DrawBevel(dc, L + W + 3, 3, R - 7, R - 7, 2, s->openMenu != nullptr);

    SelectObject(dc, oldBrush);
    SelectObject(dc, oldFont);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    EndPaint(window, &ps);
}

static void OnPress(HWND window, ChoiceFieldState* s)
{
    OpenChoiceMenu(s->labelWidth, RowHeight - 1, s->boxWidth + 1, s->listHeight + 2, window, s);
}

void SetFieldMenu(ChoiceFieldState* s, HWND menu)
{
    s->openMenu = menu;
    // The pop-up's loop dispatches no other window's messages: paint now, not when queued.
    InvalidateRect(s->self, nullptr, FALSE);
    UpdateWindow(s->self);
}

static void OnPicked(HWND window, ChoiceFieldState* s, int index)
{
    InvalidateRect(window, nullptr, TRUE);
    s->currentIndex = index;
    SendMessageA(s->parent, MSG_CHOICE_CHANGED, (WPARAM)s->controlId, (LPARAM)index);
}

static void OnDestroy(HWND window, ChoiceFieldState* s)
{
    if (s->openMenu)
        DestroyWindow(s->openMenu);
    SetWindowLongPtrA(window, 0, 0);
    FreeBlock(s->list);
    FreeBlock(s);
}

LRESULT CALLBACK ChoiceFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE)
        return OnCreate(window, (const CREATESTRUCTA*)lParam);
    ChoiceFieldState* s = StateOf(window);
    if (s) {
        switch (message) {
        case WM_PAINT:
            OnPaint(window, s);
            return 0;
        case WM_LBUTTONDOWN:
            OnPress(window, s);
            return 0;
        case MSG_CHOICE_PICKED:
            OnPicked(window, s, (int)wParam);
            return 0;
        case MSG_MENU_CLOSED:
            SetFieldMenu(s, nullptr);
            return 0;
        case WM_DESTROY:
            OnDestroy(window, s);
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
