// Control identifiers: the fields the calculation reads and writes, and the buttons.
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
