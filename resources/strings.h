/* The user interface's 22 strings, US English, ids 0 to 21. Included by the resource
   script (through windres's C preprocessor), the command-line companion and the web page,
   so the texts exist in one place only. Each has its string-table id (IDS_) and its text. */
#ifndef VELORTIN_STRINGS_H
#define VELORTIN_STRINGS_H

#define APP_STRING_COUNT 22

#define IDS_NOTICE_COPYRIGHT 0
#define IDS_BUTTON_CANCEL 1
#define IDS_BUTTON_COMPUTE 2
#define IDS_NOTICE_LICENCE 3
#define IDS_MESSAGE_REJECTED 4
#define IDS_CAPTION_ERROR 5
#define IDS_BUTTON_EXIT 6
#define IDS_BUTTON_HELP 7
#define IDS_LABEL_INPUT_HEIGHT 8
#define IDS_LABEL_INPUT_WIDTH 9
#define IDS_LABEL_LINE_SCREEN 10
#define IDS_LABEL_OUTPUT_HEIGHT 11
#define IDS_LABEL_OUTPUT_WIDTH 12
#define IDS_LIST_PRINTER_TYPES 13
#define IDS_LABEL_PRINTER_RES 14
#define IDS_LABEL_PRINTER_TYPE 15
#define IDS_TITLE_MAIN 16
#define IDS_LABEL_SCAN_PIXELS 17
#define IDS_LABEL_SCAN_RES 18
#define IDS_LIST_UNITS 19
#define IDS_LABEL_VIEW_DISTANCE 20
#define IDS_CAPTION_WARNING 21

#define NOTICE_COPYRIGHT "Velortin 1.0. Copyright (c) 2026 the Velortin developers."
#define BUTTON_CANCEL "Cancel"
#define BUTTON_COMPUTE "Compute"
#define NOTICE_LICENCE "Velortin 1.0 is free software under the MIT licence: you may use, copy, modify and distribute it, with this notice, and it comes with no warranty of any kind."
#define MESSAGE_REJECTED "Physical dimensions must be > 0.0"
#define CAPTION_ERROR "Error"
#define BUTTON_EXIT "Exit"
#define BUTTON_HELP "Help"
#define LABEL_INPUT_HEIGHT "Input height:"
#define LABEL_INPUT_WIDTH "Input width:"
#define LABEL_LINE_SCREEN "Line Screen Frequency (lpi):"
#define LABEL_OUTPUT_HEIGHT "Output height:"
#define LABEL_OUTPUT_WIDTH "Output width:"
#define LIST_PRINTER_TYPES "|Continuous Tone|Dithered|Printing Press|"
#define LABEL_PRINTER_RES "Printer Resolution (dpi):"
#define LABEL_PRINTER_TYPE "Printer type:"
#define TITLE_MAIN "Velortin 1.0"
#define LABEL_SCAN_PIXELS "Scan Pixels:"
#define LABEL_SCAN_RES "Scan Resolution (dpi):"
#define LIST_UNITS "|mm|cm|in|ft|m|"
#define LABEL_VIEW_DISTANCE "Viewing distance:"
#define CAPTION_WARNING "Warning"

#define IDI_APP 1

#endif
