// The program's globals: made at start-up, alive for the whole run.
#include "ui/main/app.h"

HINSTANCE AppInstance;
HICON AppIcon;
char** StringTable;
int FrameWidth;
int CaptionHeight;
int ScreenHeight;
HFONT MainFont;
int FontHeight;
int RowHeight;
int Gap;
HBITMAP ArrowBitmap;
HWND MainWindow;
CalcRecord Record;

int LabelWidth;
int FieldX;
int NumberFieldWidth;
int PixelsFieldWidth;
int ButtonWidth;
int ContentWidth;
int ComputeX;

HWND InputWidthEdit, InputHeightEdit, OutputWidthEdit, ViewDistanceEdit, PrinterResEdit;
HWND OutputHeightResult, ScanResResult, ScanPixelsResult;
HWND ComputeButton, HelpButton, ExitButton;
