// The window program's globals and start-up services: strings, metrics, font, loop.
#pragma once
#include <windows.h>

#include "core/calc.h"

extern HINSTANCE AppInstance;
extern HICON AppIcon;
extern char** StringTable;
extern int FrameWidth;
extern int CaptionHeight;
extern int ScreenHeight;
extern HFONT MainFont;
extern int FontHeight;
extern int RowHeight;
extern int Gap;
extern HBITMAP ArrowBitmap;
extern HWND MainWindow;
extern CalcRecord Record;

// String table (ids 0 to 21).
int LoadAppStrings(void);
void FreeAppStrings(void);
char* GetAppString(int id);  // writable: choice lists are measured in place

// Metrics and the one font.
void ReadScreenMetrics(void);
void CreateMainFont(void);
void ReadFontMetrics(void);
int TextWidth(const char* text);

// The message loop and its keyboard filter.
int PreTranslateKey(MSG* msg);
int RunMessageLoop(void);

// The main window.
void RegisterMainClass(void);
HWND CreateMainWindow(void);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Everything WinMain does before the loop: resources, class, metrics, font, bitmap,
// choice classes and the main window. Tests call it to stand the program up.
void StartUp(HINSTANCE instance);
