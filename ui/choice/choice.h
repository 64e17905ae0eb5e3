// The choice control: the drop-down field and its pop-up list.
#pragma once
#include <windows.h>

#include "ui/choice/choice_list.h"

// Pixel width of an item in the main font, measured in place: the list must be writable.
int ChoiceItemWidth(char* item);

struct ChoiceFieldInit {
    int initialIndex;
    int itemCount;
    int labelWidth;
    int boxWidth;
    char* list;
};

struct ChoiceFieldState {
    int currentIndex;
    int itemCount;
    int controlId;
    int longList;
    unsigned char itemFlags[CHOICE_FLAG_BYTES];
    char* list;
    int labelWidth;
    int boxWidth;
    int listHeight;
    HWND parent;
    HWND openMenu;
    HWND self;
};

void RegisterChoiceClasses(void);
HWND CreateChoiceField(int x, int y, HWND parent, int index, char* list, int id);
LRESULT CALLBACK ChoiceFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Records the field's open pop-up list (null once it has closed) and repaints the field
// at once, so that its arrow shows pressed while the list is open.
void SetFieldMenu(ChoiceFieldState* state, HWND menu);

// Window classes of the field and of its pop-up list.
constexpr char CHOICE_FIELD_CLASS[] = "popuplist";
constexpr char CHOICE_MENU_CLASS[] = "popupmenu";

struct ChoiceMenuState {
    int selection;
    int initialIndex;
    int itemCount;
    int armed;
    int longList;
    int scrollOffset;
    int notYetEntered;
    int scrollUpRunning;
    int scrollDownRunning;
    unsigned char itemFlags[CHOICE_FLAG_BYTES];
    char* list;
    int lineWidth;
    int listHeight;
    HWND field;
};

enum { TIMER_SCROLL_UP = 101, TIMER_SCROLL_DOWN = 102 };

// 1 while a pop-up list is open; at most one is.
extern int MenuOpen;

// The pop-up list: opened by a press on a field, returns when it has closed.
void OpenChoiceMenu(int x, int y, int width, int height, HWND field, ChoiceFieldState* state);
LRESULT CALLBACK ChoiceMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Drawing helpers.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, unsigned operation);
void DrawBevel(HDC dc, int x, int y, int width, int height, int thickness, int sunken);
