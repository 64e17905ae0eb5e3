// The main window's commands: the buttons, typing, picks in the drop-down fields, the
// keys the message loop's filter reports, and the tear-down.
#include "core/ids.h"
#include "ui/main/app.h"

static int IsEditId(int id)
{
    return id == ID_INPUT_WIDTH || id == ID_INPUT_HEIGHT || id == ID_OUTPUT_WIDTH ||
           id == ID_VIEW_DISTANCE || id == ID_PRINTER_RES;
}

void OnCommandMain(HWND window, WPARAM wParam, LPARAM lParam)
{
    int id = LOWORD(wParam), code = HIWORD(wParam);
    // Typing, and the program's own rewriting of a field, make the results stale.
    if (lParam && IsEditId(id)) {
        if (code == EN_UPDATE && ComputeButton)
            EnableWindow(ComputeButton, TRUE);
        return;
    }
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case ID_COMPUTE:
        ComputeScan();
        break;
    case ID_HELP:
        ShowHelp(window);
        break;
    case ID_EXIT:
        DestroyWindow(window);
        break;
    }
}

void OnChoiceChanged(HWND window, int id, int index)
{
    switch (StoreChoice(&Record, id, index)) {
    case CHOICE_PRINTER:
        // Only the resolution row's label changes; the results wait for the next Compute.
        if (ComputeButton)
            EnableWindow(ComputeButton, TRUE);
        InvalidateRect(window, nullptr, TRUE);
        break;
    case CHOICE_UNIT:
        // The same record in the new unit: nothing is read and nothing recomputed.
        ShowResults();
        break;
    }
}

// Tab and Shift+Tab step around the five edit fields in screen order; from anything
// else (a button that was clicked) the focus stays where it is.
void OnFocusStep(int id, int forward)
{
    static const int RING[5] = {ID_INPUT_WIDTH, ID_INPUT_HEIGHT, ID_OUTPUT_WIDTH,
                                ID_VIEW_DISTANCE, ID_PRINTER_RES};
    for (int i = 0; i < 5; i++) {
        if (RING[i] == id) {
            SetFocus(FieldWindow(RING[(i + (forward ? 1 : 4)) % 5]));
            return;
        }
    }
}

void OnDestroyMain(HWND window)
{
    QuitHelp(window);
    DeleteObject(ArrowBitmap);
    ArrowBitmap = nullptr;
    DestroyIcon(AppIcon);
    AppIcon = nullptr;
    DeleteObject(MainFont);
    MainFont = nullptr;
    FreeAppStrings();
    PostQuitMessage(0);
}
