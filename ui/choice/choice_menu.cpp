// The pop-up list of a choice field. Not built yet: a press on a field opens nothing.
#include "ui/choice/choice.h"

void OpenChoiceMenu(int x, int y, int width, int height, HWND field, ChoiceFieldState* state)
{
    (void)x;
    (void)y;
    (void)width;
    (void)height;
    (void)field;
    (void)state;
}

LRESULT CALLBACK ChoiceMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}
