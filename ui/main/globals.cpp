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
