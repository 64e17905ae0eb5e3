// The main window's computed layout and its painted labels: ten rows, each one RowHeight
// high, positioned from the font's metrics and the measured widths of the texts.
#include "core/ids.h"
#include "core/text.h"
#include "plan/names.h"
#include "resources/strings.h"
#include "ui/choice/choice.h"
#include "ui/main/app.h"

// The labels of rows 0 to 8; row 6's depends on the printer type.
static const int ROW_LABELS[9] = {
    IDS_LABEL_INPUT_WIDTH,   IDS_LABEL_INPUT_HEIGHT, IDS_LABEL_OUTPUT_WIDTH,
    IDS_LABEL_OUTPUT_HEIGHT, IDS_LABEL_VIEW_DISTANCE, IDS_LABEL_PRINTER_TYPE,
    IDS_LABEL_PRINTER_RES,   IDS_LABEL_SCAN_RES,     IDS_LABEL_SCAN_PIXELS,
};

int RowTop(int row)
{
    return Gap + row * (RowHeight + Gap);
}

static int RowLabel(int row)
{
    return row == 6 ? ResolutionLabelId(Record.printerType) : ROW_LABELS[row];
}

static int Widest(const int* ids, int count, int widest)
{
    for (int i = 0; i < count; i++) {
        int width = TextWidth(GetAppString(ids[i]));
        if (width > widest)
            widest = width;
    }
    return widest;
}

// An edit field, a result or a button: one row high, in the main font.
static HWND MakeControl(HWND parent, const char* kind, DWORD style, int id, const char* text,
                        int x, int row, int width)
{
    HWND control = CreateWindowExA(0, kind, text, style, x, RowTop(row), width, RowHeight,
                                   parent, (HMENU)(INT_PTR)id, AppInstance, nullptr);
    SendMessageA(control, WM_SETFONT, (WPARAM)MainFont, TRUE);
    return control;
}

static HWND MakeBox(HWND parent, const char* kind, int id, const char* text, int x, int row,
                    int width)
{
    return MakeControl(parent, kind, WS_CHILD | WS_VISIBLE | WS_BORDER, id, text, x, row, width);
}

// A choice field; the window is as wide as its widest row of fields, one Gap past the end.
static void MakeChoice(HWND parent, int x, int row, int index, int list, int id)
{
    HWND field = CreateChoiceField(x, RowTop(row), parent, index, GetAppString(list), id);
    RECT r = {0, 0, 0, 0};
    if (field)
        GetWindowRect(field, &r);
    int rowWidth = x + (r.right - r.left) + Gap;
    if (rowWidth > ContentWidth)
        ContentWidth = rowWidth;
}

// The outer size is the content plus a one-pixel border and the caption, whatever frame
// the system draws: programs that place or measure the window rely on these sums. A
// thicker frame takes its extra pixels from the right and bottom margins.
static void FitWindow(HWND window)
{
    SetWindowPos(window, nullptr, 0, 0, ContentWidth + FrameWidth,
                 CaptionHeight + 11 * Gap + 10 * RowHeight, SWP_NOMOVE | SWP_NOZORDER);
}

void OnCreateMain(HWND window)
{
    // Both labels of row 6 count, so nothing moves when the printer type changes.
    LabelWidth = Widest(ROW_LABELS, 9, TextWidth(GetAppString(IDS_LABEL_LINE_SCREEN)));
    FieldX = LabelWidth + 2 * Gap;
    NumberFieldWidth = TextWidth("99999.99") + 2 * Gap;
    PixelsFieldWidth = TextWidth("99999 x 99999") + 2 * Gap;
    ContentWidth = 0;
    int unitX = FieldX + NumberFieldWidth + Gap;
    const char* none = GetAppString(-1);

    InputWidthEdit = MakeBox(window, "edit", ID_INPUT_WIDTH, START_TEXTS[0], FieldX, 0, NumberFieldWidth);
    MakeChoice(window, unitX, 0, Record.inputUnits, IDS_LIST_UNITS, ID_INPUT_UNITS);
    InputHeightEdit = MakeBox(window, "edit", ID_INPUT_HEIGHT, START_TEXTS[1], FieldX, 1, NumberFieldWidth);
    OutputWidthEdit = MakeBox(window, "edit", ID_OUTPUT_WIDTH, START_TEXTS[2], FieldX, 2, NumberFieldWidth);
    MakeChoice(window, unitX, 2, Record.outputUnits, IDS_LIST_UNITS, ID_OUTPUT_UNITS);
    OutputHeightResult = MakeBox(window, "static", ID_OUTPUT_HEIGHT, none, FieldX, 3,
                                 NumberFieldWidth);
    ViewDistanceEdit = MakeBox(window, "edit", ID_VIEW_DISTANCE, START_TEXTS[3], FieldX, 4,
                               NumberFieldWidth);
    MakeChoice(window, unitX, 4, Record.distanceUnits, IDS_LIST_UNITS, ID_DISTANCE_UNITS);
    MakeChoice(window, FieldX, 5, Record.printerType, IDS_LIST_PRINTER_TYPES, ID_PRINTER_TYPE);
    PrinterResEdit = MakeBox(window, "edit", ID_PRINTER_RES, START_TEXTS[4], FieldX, 6, NumberFieldWidth);
    ScanResResult = MakeBox(window, "static", ID_SCAN_RES, none, FieldX, 7, NumberFieldWidth);
    ScanPixelsResult = MakeBox(window, "static", ID_SCAN_PIXELS, none, FieldX, 8,
                               PixelsFieldWidth);

    FitWindow(window);

    static const int CAPTIONS[3] = {IDS_BUTTON_HELP, IDS_BUTTON_EXIT, IDS_BUTTON_COMPUTE};
    ButtonWidth = Widest(CAPTIONS, 3, 0) + 2 * Gap;
    ComputeX = ContentWidth / 2 - (3 * ButtonWidth) / 2 - Gap;
    const DWORD button = WS_CHILD | WS_VISIBLE;
    int step = ButtonWidth + Gap;
    ComputeButton = MakeControl(window, "Button", button, ID_COMPUTE,
                                GetAppString(IDS_BUTTON_COMPUTE), ComputeX, 9, ButtonWidth);
    HelpButton = MakeControl(window, "Button", button, ID_HELP, GetAppString(IDS_BUTTON_HELP),
                             ComputeX + step, 9, ButtonWidth);
    ExitButton = MakeControl(window, "Button", button, ID_EXIT, GetAppString(IDS_BUTTON_EXIT),
                             ComputeX + 2 * step, 9, ButtonWidth);

    // The window first shows with results filled in and Compute disabled.
    ComputeScan();
}

void OnPaintMain(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    COLORREF oldColour = SetTextColor(dc, RGB(255, 255, 255));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, MainFont);
    // Right-aligned: every label ends one Gap before the field column.
    for (int row = 0; row < 9; row++) {
        const char* label = GetAppString(RowLabel(row));
        TextOutA(dc, LabelWidth + Gap - TextWidth(label), RowTop(row), label,
                 StringLength(label));
    }
    SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    EndPaint(window, &ps);
}
