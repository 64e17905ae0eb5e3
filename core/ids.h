// Control identifiers and private messages shared by the calculation and the window.
#pragma once

enum ControlId {
    ID_HELP = 99,
    ID_EXIT = 100,
    ID_COMPUTE = 101,
    ID_INPUT_WIDTH = 102,
    ID_INPUT_HEIGHT = 103,
    ID_OUTPUT_WIDTH = 104,
    ID_OUTPUT_HEIGHT = 105,
    ID_VIEW_DISTANCE = 106,
    ID_PRINTER_TYPE = 107,
    ID_PRINTER_RES = 108,
    ID_SCAN_RES = 109,
    ID_SCAN_PIXELS = 110,
    ID_INPUT_UNITS = 111,
    ID_OUTPUT_UNITS = 112,
    ID_DISTANCE_UNITS = 113,
};

// Private window messages, all sent synchronously (WM_APP is 0x8000).
enum PrivateMessage {
    MSG_MENU_CLOSED = 0x8000 + 1,
    MSG_CHOICE_PICKED = 0x8000 + 2,
    MSG_CHOICE_CHANGED = 0x8000 + 3,
    MSG_FOCUS_NEXT = 0x8000 + 4,
    MSG_FOCUS_PREV = 0x8000 + 5,
    MSG_KEY_EXIT = 0x8000 + 6,
    MSG_KEY_COMPUTE = 0x8000 + 7,
};
