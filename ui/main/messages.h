// The window's private messages, all sent synchronously: the choice control's to its field
// and parent, and the keyboard filter's to the main window (WM_APP is 0x8000).
#pragma once

enum PrivateMessage {
    MSG_MENU_CLOSED = 0x8000 + 1,
    MSG_CHOICE_PICKED = 0x8000 + 2,
    MSG_CHOICE_CHANGED = 0x8000 + 3,
    MSG_FOCUS_NEXT = 0x8000 + 4,
    MSG_FOCUS_PREV = 0x8000 + 5,
    MSG_KEY_EXIT = 0x8000 + 6,
    MSG_KEY_COMPUTE = 0x8000 + 7,
};
