/* The user interface's 22 strings, US English, ids 0 to 21. Included by the resource
   script (through windres's C preprocessor) and by the command-line companion, so the
   labels exist in one place only. */
#ifndef VELORTIN_STRINGS_H
#define VELORTIN_STRINGS_H

#define APP_STRING_COUNT 22

#define APP_STRING_0 "Velortin 1.0. Copyright (c) 2026 the Velortin developers."
#define APP_STRING_1 "Cancel"
#define APP_STRING_2 "Compute"
#define APP_STRING_3 "Velortin 1.0 is free software under the MIT licence: you may use, copy, modify and distribute it, with this notice, and it comes with no warranty of any kind."
#define APP_STRING_4 "Physical dimensions must be > 0.0"
#define APP_STRING_5 "Error"
#define APP_STRING_6 "Exit"
#define APP_STRING_7 "Help"
#define APP_STRING_8 "Input height:"
#define APP_STRING_9 "Input width:"
#define APP_STRING_10 "Line Screen Frequency (lpi):"
#define APP_STRING_11 "Output height:"
#define APP_STRING_12 "Output width:"
#define APP_STRING_13 "|Continuous Tone|Dithered|Printing Press|"
#define APP_STRING_14 "Printer Resolution (dpi):"
#define APP_STRING_15 "Printer type:"
#define APP_STRING_16 "Velortin 1.0"
#define APP_STRING_17 "Scan Pixels:"
#define APP_STRING_18 "Scan Resolution (dpi):"
#define APP_STRING_19 "|mm|cm|in|ft|m|"
#define APP_STRING_20 "Viewing distance:"
#define APP_STRING_21 "Warning"

#define IDI_APP 1

#endif
