// The pop-up list's pointer tracking: the highlight, the scroll timers, the arming and
// the button rules that close the list.
#include "core/ids.h"
#include "ui/main/messages.h"
#include "ui/choice/choice.h"
#include "ui/choice/menu_pointer.h"
#include "ui/main/app.h"

static const UINT SCROLL_TICK_MS = 100;

// Highlights the line at height y (client coordinates), clamped to the items; separators
// never take the highlight. The change is painted at once.
static void HoverLine(HWND window, ChoiceMenuState* s, int y)
{
    if (s->itemCount <= 0)
        return;
    int k = y / FontHeight + s->scrollOffset;
    if (k < 0)
        k = 0;
    if (k >= s->itemCount)
        k = s->itemCount - 1;
    if (TestBit(s->itemFlags, k) || k == s->selection)
        return;
    s->selection = k;
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

static void StartScroll(HWND window, int* running, UINT id)
{
    if (!*running) {
        SetTimer(window, id, SCROLL_TICK_MS, nullptr);
        *running = 1;
    }
}

static void StopScroll(HWND window, int* running, UINT id)
{
    if (*running) {
        KillTimer(window, id);
        *running = 0;
    }
}

void MenuPointerMove(HWND window, ChoiceMenuState* s, WPARAM keys, int y)
{
    if (!(keys & MK_LBUTTON))
        return;
    // Until the pointer has been inside, the field above a list opened below it is no
    // place to scroll from.
    if (s->notYetEntered && y < 0)
        return;
    if (y > 0 && y < s->listHeight) {
        s->armed = 1;
        s->notYetEntered = 0;
    }
    if (y < 0) {
        StopScroll(window, &s->scrollDownRunning, TIMER_SCROLL_DOWN);
        StartScroll(window, &s->scrollUpRunning, TIMER_SCROLL_UP);
    } else if (y > s->listHeight) {
        StopScroll(window, &s->scrollUpRunning, TIMER_SCROLL_UP);
        StartScroll(window, &s->scrollDownRunning, TIMER_SCROLL_DOWN);
    } else {
        StopScroll(window, &s->scrollUpRunning, TIMER_SCROLL_UP);
        StopScroll(window, &s->scrollDownRunning, TIMER_SCROLL_DOWN);
        HoverLine(window, s, y);
    }
}

void MenuButtonDown(HWND window, ChoiceMenuState* s, int x, int y)
{
    if (y > 0 && y < s->listHeight)
        s->armed = 1;
    RECT client;
    GetClientRect(window, &client);
    if (x >= 0 && x <= client.right && y >= 0 && y <= client.bottom) {
        HoverLine(window, s, y);
        return;
    }
    s->selection = s->initialIndex;
    DestroyWindow(window);
}

void MenuButtonUp(HWND window, ChoiceMenuState* s)
{
    if (!s->armed)
        return;
    if (s->selection != s->initialIndex)
        SendMessageA(s->field, MSG_CHOICE_PICKED, (WPARAM)s->selection, 0);
    // The field's parent may have closed everything meanwhile, the list included.
    if (IsWindow(window))
        DestroyWindow(window);
}

void MenuTimerTick(HWND window, ChoiceMenuState* s, UINT_PTR id)
{
    if (id == TIMER_SCROLL_UP) {
        StopScroll(window, &s->scrollUpRunning, TIMER_SCROLL_UP);
        if (s->scrollOffset > 0) {
            StartScroll(window, &s->scrollUpRunning, TIMER_SCROLL_UP);
            s->scrollOffset--;
            InvalidateRect(window, nullptr, FALSE);
        }
        HoverLine(window, s, 0);
    } else if (id == TIMER_SCROLL_DOWN) {
        StopScroll(window, &s->scrollDownRunning, TIMER_SCROLL_DOWN);
        if (s->scrollOffset < s->itemCount - MENU_LINES) {
            StartScroll(window, &s->scrollDownRunning, TIMER_SCROLL_DOWN);
            s->scrollOffset++;
            InvalidateRect(window, nullptr, FALSE);
        }
        HoverLine(window, s, s->listHeight - 1);
    }
}

