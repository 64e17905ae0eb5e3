// Compute on the window's own fields: texts taken from the edit controls as they stand,
// the rejection shown in a message box, the results written back into the controls.
#include "core/ids.h"
#include "resources/strings.h"
#include "ui/main/app.h"

HWND FieldWindow(int id)
{
    switch (id) {
    case ID_INPUT_WIDTH: return InputWidthEdit;
    case ID_INPUT_HEIGHT: return InputHeightEdit;
    case ID_OUTPUT_WIDTH: return OutputWidthEdit;
    case ID_OUTPUT_HEIGHT: return OutputHeightResult;
    case ID_VIEW_DISTANCE: return ViewDistanceEdit;
    case ID_PRINTER_RES: return PrinterResEdit;
    case ID_SCAN_RES: return ScanResResult;
    case ID_SCAN_PIXELS: return ScanPixelsResult;
    }
    return nullptr;
}

namespace {

struct WindowFields final : FieldIo {
    const char* FieldText(int id, char* buffer, int size) override
    {
        // At most 254 characters and the terminator, whatever the control holds; a
        // control that answers nothing leaves the empty text.
        buffer[0] = 0;
        GetWindowTextA(FieldWindow(id), buffer, size < 255 ? size : 255);
        buffer[size - 1] = 0;
        return buffer;
    }
    void ShowRejection(int) override
    {
        ShowMessageBox(MainWindow, GetAppString(IDS_MESSAGE_REJECTED),
                       GetAppString(IDS_CAPTION_ERROR), MB_OK);
    }
    void SetFieldText(int id, const char* text) override
    {
        SetWindowTextA(FieldWindow(id), text);
    }
    void DisableCompute() override
    {
        // A disabled button that kept the focus would leave the keys with nowhere to go,
        // and Enter and Escape would stop working.
        if (ComputeButton && GetFocus() == ComputeButton)
            SetFocus(MainWindow);
        EnableWindow(ComputeButton, FALSE);
    }
};

WindowFields Fields;

}  // namespace

void ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style)
{
    // Without this the focus would land on the main window itself once the box closes,
    // where Tab moves nothing.
    HWND focus = GetFocus();
    MessageBoxA(owner, text, caption, style);
    if (focus && IsWindow(focus) && IsWindowEnabled(focus))
        SetFocus(focus);
}

int ComputeScan(void)
{
    return ComputeScan(&Record, &Fields);
}

void ShowResults(void)
{
    ShowResults(&Record, &Fields);
}
