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

// Its layout, measured once during creation from the font and the texts.
extern int LabelWidth;
extern int FieldX;
extern int NumberFieldWidth;
extern int PixelsFieldWidth;
extern int ButtonWidth;
extern int ContentWidth;
extern int ComputeX;
int RowTop(int row);

// Its controls: the five edit fields, the three results and the three buttons.
extern HWND InputWidthEdit, InputHeightEdit, OutputWidthEdit, ViewDistanceEdit, PrinterResEdit;
extern HWND OutputHeightResult, ScanResResult, ScanPixelsResult;
extern HWND ComputeButton, HelpButton, ExitButton;
HWND FieldWindow(int id);  // an edit or result field by control id; null for any other id

// Handlers of the main window procedure.
void OnCreateMain(HWND window);
void OnPaintMain(HWND window);
void OnCommandMain(HWND window, WPARAM wParam, LPARAM lParam);
void OnChoiceChanged(HWND window, int id, int index);
void OnFocusStep(int id, int forward);
void OnDestroyMain(HWND window);
void ShowHelp(HWND window);
void QuitHelp(HWND window);  // tells the help viewer this window no longer needs it
// A message box owned by the main window; the focus goes back where it was afterwards.
void ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// Compute and the showing of the record, on the window's own fields and the global record.
int ComputeScan(void);
void ShowResults(void);

// Everything WinMain does before the loop: resources, class, metrics, font, bitmap,
// choice classes and the main window. Tests call it to stand the program up.
void StartUp(HINSTANCE instance);
