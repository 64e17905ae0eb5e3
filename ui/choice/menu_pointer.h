// The pop-up list's handlers for the pointer, the buttons and the scroll timers; x and y
// in its client coordinates, as signed 16-bit values.
#pragma once
#include "ui/choice/choice.h"

void MenuPointerMove(HWND window, ChoiceMenuState* s, WPARAM keys, int y);
void MenuButtonDown(HWND window, ChoiceMenuState* s, int x, int y);
void MenuButtonUp(HWND window, ChoiceMenuState* s);
void MenuTimerTick(HWND window, ChoiceMenuState* s, UINT_PTR id);
