// The choice control: lists of items in one string, and the drop-down field.
#pragma once
#include <windows.h>

enum { MENU_LINES = 20, CHOICE_FLAG_BYTES = 256, CHOICE_MAX_ITEMS = 2048 };

// Lists: "label|item 1|item 2|...|item N|".
char* ChoiceItem(char* list, int n);
int ChoiceCount(const char* list);
int ChoiceItemLength(const char* item);
int ChoiceItemWidth(char* item);

// Per-item flags, 2048 bits in 256 bytes, most significant bit first.
int TestBit(const unsigned char* flags, int k);
void SetBit(unsigned char* flags, int k);
void ClearBit(unsigned char* flags, int k);

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

// The pop-up list: opened by a press on a field, returns when it has closed.
void OpenChoiceMenu(int x, int y, int width, int height, HWND field, ChoiceFieldState* state);
LRESULT CALLBACK ChoiceMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Drawing helpers.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, unsigned operation);
void DrawBevel(HDC dc, int x, int y, int width, int height, int thickness, int sunken);
