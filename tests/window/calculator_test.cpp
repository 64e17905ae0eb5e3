// The calculator as a user meets it: the real velortin.exe in its own process, driven by
// real keys and mouse clicks, read back through its controls and from the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <vector>

#include "core/ids.h"
#include "core/text_fields.h"
#include "harness.h"
#include "ui/main/messages.h"

namespace {

const int kResults[7] = {ID_INPUT_WIDTH,   ID_INPUT_HEIGHT, ID_OUTPUT_WIDTH, ID_OUTPUT_HEIGHT,
                         ID_VIEW_DISTANCE, ID_SCAN_RES,     ID_SCAN_PIXELS};
const char kStartUp[] = "24.0|36.0|8.00|12.00|10.00|1741.7|1646 x 2469";
const char kRejected[] = "Error: Physical dimensions must be > 0.0";

// The real velortin.exe, started for one test and ended with it.
struct Program {
    PROCESS_INFORMATION pi = {};
    HWND main = nullptr;

    Program() {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        char command[] = VELORTIN_EXE;
        if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return;
        WaitForInputIdle(pi.hProcess, 10000);
        main = wait_window("velortin");
        SetForegroundWindow(main);
        settle();
    }
    ~Program() {
        if (exit_code(0) == -1) PostMessageA(main, WM_CLOSE, 0, 0);
        if (exit_code(5000) == -1) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    HWND control(int id) const { return GetDlgItem(main, id); }
    std::string text(int id) const {  // WM_GETTEXT, which crosses processes
        char buffer[2048] = "";
        DWORD_PTR ignored;
        SendMessageTimeoutA(control(id), WM_GETTEXT, sizeof buffer,
                            reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, &ignored);
        return buffer;
    }
    int focus_id() const {  // 0 for none, -1 for the main window itself
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(pi.dwThreadId, &info) || !info.hwndFocus) return 0;
        return info.hwndFocus == main ? -1 : GetDlgCtrlID(info.hwndFocus);
    }
    // Round trips bring the program back to its loop; the pauses let it work off the
    // input and what that posts in between.
    void settle() const {
        for (int i = 0; i < 6; i++) {
            DWORD_PTR ignored;
            SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
            flush_events();
            Sleep(15);
        }
    }
    // A visible top-level window of a class: the program's own, since each test runs one
    // program at a time and makes no such windows itself.
    HWND wait_window(const char* kind) const {
        HWND found = nullptr;
        for (int i = 0; i < 200 && !(found && IsWindowVisible(found)); i++, Sleep(25))
            found = FindWindowA(kind, nullptr);
        return found;
    }
    HWND wait_box() const { return wait_window("#32770"); }
    int exit_code(DWORD wait_ms) const {  // -1 while it runs
        DWORD code = 0;
        if (WaitForSingleObject(pi.hProcess, wait_ms) != WAIT_OBJECT_0) return -1;
        GetExitCodeProcess(pi.hProcess, &code);
        return static_cast<int>(code);
    }
};

POINT centre(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A message box's caption and text; the text is its static 0xFFFF.
std::string box_text(HWND box) {
    return window_text(box) + ": " + window_text(GetDlgItem(box, 0xFFFF));
}

std::string texts(const Program& p) {
    std::string all;
    for (int id : kResults) all += (all.empty() ? "" : "|") + p.text(id);
    return all;
}

// Replaces a field's text the way a user does: click, select to the end, type.
void retype(const Program& p, int id, const std::string& text) {
    mouse_click(centre(p.control(id)));
    press_key(VK_HOME);
    press_chord(VK_SHIFT, VK_END);
    type_text(text.c_str());
}

// Opens a drop-down field's list with the mouse and picks an item: by dragging to it and
// releasing, or by clicking the field and then the item.
void choose(const Program& p, int id, int index, bool drag) {
    POINT field = centre(p.control(id));
    mouse_press(field);
    if (!drag) mouse_release(field);
    HWND list = p.wait_window("popupmenu");
    ASSERT_NE(nullptr, list) << "no list opened on field " << id;
    RECT r;
    GetClientRect(list, &r);
    int count = id == ID_PRINTER_TYPE ? 3 : 5, line = r.bottom / count;
    POINT item = {r.right / 2, index * line + line / 2};
    ClientToScreen(list, &item);
    mouse_move(item);  // entering the list arms it
    p.settle();
    if (!drag) mouse_press(item);
    mouse_release(item);
}

// Runs one step of a scenario: "click ID", "set ID TEXT", "pick ID INDEX" (as the list
// reports a pick), "drag ID INDEX" and "choose ID INDEX" (with the mouse), "key NAME" or
// "box enter|click"; the caption and texts of boxes are added to boxes.
void run_step(const Program& p, const std::string& step, std::string* boxes) {
    std::istringstream in(step);
    std::string verb, arg;
    int id = 0, index = 0;
    in >> verb;
    if (verb == "click") {
        in >> id;
        mouse_click(centre(p.control(id)));
    } else if (verb == "set") {
        in >> id >> arg;
        retype(p, id, arg);
    } else if (verb == "pick") {
        in >> id >> index;
        SendMessageA(p.control(id), MSG_CHOICE_PICKED, index, 0);
    } else if (verb == "drag" || verb == "choose") {
        in >> id >> index;
        choose(p, id, index, verb == "drag");
    } else if (verb == "key") {
        in >> arg;
        const struct { const char* name; WORD modifier, vk; } keys[] = {
            {"enter", 0, VK_RETURN}, {"esc", 0, VK_ESCAPE}, {"tab", 0, VK_TAB},
            {"stab", VK_SHIFT, VK_TAB}, {"altf4", VK_MENU, VK_F4}};
        for (const auto& k : keys)
            if (arg == k.name) k.modifier ? press_chord(k.modifier, k.vk) : press_key(k.vk);
    } else if (verb == "box") {
        in >> arg;
        HWND box = p.wait_box();
        *boxes += box ? box_text(box) + ";" : "no box;";
        if (box && arg == "click")
            mouse_click(centre(FindWindowExA(box, nullptr, "Button", nullptr)));
        else if (box)
            press_key(VK_RETURN);
    }
    p.settle();
}

struct Scenario {
    const char* name;
    const char* steps;  // separated by ';'
    const char* boxes;  // every message box seen, "caption: text;" each
    const char* texts;  // the seven texts, or null once the program has ended
    int compute;        // Compute enabled
    int focus;          // control id with the focus, 0 none, -1 the main window
    int exit;           // exit code, -1 while running
};

// Scenarios that only the window has: Tab, the Help box and the ways to end the program.
const Scenario kScenarios[] = {
    {"keys still work after the Compute button", "set 106 20;click 101;key esc", "", nullptr, 0, 0,
     0},
    {"Tab steps round the fields", "click 106;key tab;key tab;key tab", "", kStartUp, 0, 103, -1},
    {"Shift+Tab steps back", "click 102;key stab;key stab", "", kStartUp, 0, 106, -1},
    {"Help guide, then Tab on its button", "click 99;box enter;key tab", "Help: Velortin tells",
     kStartUp, 0, ID_HELP, -1},
    {"Help guide closed by its button, then Compute", "click 99;box click;set 106 20;key enter",
     "Help: Velortin tells", "24.0|36.0|8.00|12.00|20.00|1058.3|1000 x 1500", 0, 106, -1},
    {"Escape ends the program", "click 102;key esc", "", nullptr, 0, 0, 0},
    {"Exit ends the program", "click 100", "", nullptr, 0, 0, 0},
    {"closing the window ends the program", "key altf4", "", nullptr, 0, 0, 0},
};

TEST(Calculator, Scenarios) {
    for (const Scenario& s : kScenarios) {
        SCOPED_TRACE(s.name);
        Program p;
        ASSERT_NE(nullptr, p.main) << "velortin.exe did not show its window";
        std::string boxes, step;
        std::istringstream steps(s.steps);
        while (std::getline(steps, step, ';')) run_step(p, step, &boxes);
        EXPECT_EQ(s.boxes, boxes.substr(0, std::string(s.boxes).size()));
        if (!s.texts) {
            EXPECT_EQ(s.exit, p.exit_code(5000));
            continue;
        }
        // A loaded machine may still be working off the last input: give it a while.
        auto compute = [&] { return IsWindowEnabled(p.control(ID_COMPUTE)) ? 1 : 0; };
        for (int i = 0; i < 20 && (texts(p) != s.texts || compute() != s.compute ||
                                   p.focus_id() != s.focus); i++)
            p.settle();
        EXPECT_EQ(s.texts, texts(p));
        EXPECT_EQ(s.compute, compute());
        EXPECT_EQ(s.focus, p.focus_id());
        EXPECT_EQ(-1, p.exit_code(0)) << "the program ended";
    }
}

// The scenarios that the page replays too: after every step the seven texts, Compute's
// state and the message box of a rejection, and at the end the focus.
TEST(Calculator, SharedScenarios) {
    std::ifstream file(VELORTIN_SCENARIOS);
    ASSERT_TRUE(file.good()) << "cannot read " << VELORTIN_SCENARIOS;
    std::unique_ptr<Program> p;
    std::string line, name, boxes;
    int scenarios = 0;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        SCOPED_TRACE(name + ": " + line);
        size_t bar = line.find(" | ");
        if (line.compare(0, 3, "== ") == 0) {
            name = line.substr(3);
            p.reset(new Program);
            ASSERT_NE(nullptr, p->main) << "velortin.exe did not show its window";
            scenarios++;
        } else if (line.compare(0, 6, "focus ") == 0) {
            EXPECT_EQ(std::stoi(line.substr(6)), p->focus_id());
        } else {
            run_step(*p, line.substr(0, bar), &boxes);
            if (bar == std::string::npos) continue;
            // "texts|on" or "texts|off", and "|rejected ID" after a rejection.
            std::string state = std::regex_replace(line.substr(bar + 3), std::regex(" \\| "), "|");
            size_t end = 0;
            for (int i = 0; i < 7; i++) end = state.find('|', end) + 1;
            std::string shown = state.substr(0, end - 1);
            int compute = state.compare(end, 2, "on") == 0;
            bool rejected = state.find("rejected") != std::string::npos;
            auto enabled = [&] { return IsWindowEnabled(p->control(ID_COMPUTE)) ? 1 : 0; };
            for (int i = 0; i < 20 && (texts(*p) != shown || enabled() != compute); i++)
                p->settle();
            EXPECT_EQ(shown, texts(*p));
            EXPECT_EQ(compute, enabled());
            HWND box = rejected ? p->wait_box() : FindWindowA("#32770", nullptr);
            EXPECT_EQ(rejected ? kRejected : "no box", box ? box_text(box) : "no box");
        }
    }
    EXPECT_GT(scenarios, 10) << "too few scenarios read";
}

// The layout worked out afresh from the font, the system metrics and the program's strings.
struct Layout {
    HDC dc = GetDC(nullptr);
    HMODULE exe = LoadLibraryExA(VELORTIN_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HFONT font = CreateFontA(20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Times New Roman");
    HGDIOBJ old = SelectObject(dc, font);
    int R, G, label = 0;
    Layout() {
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        R = tm.tmHeight + 2 * GetSystemMetrics(SM_CYFRAME);
        G = R / 4;
        for (int id : {9, 8, 12, 11, 20, 15, 14, 10, 18, 17}) label = std::max(label, width(id));
    }
    ~Layout() {
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(nullptr, dc);
        FreeLibrary(exe);
    }
    std::string string(int id) const {
        char text[256] = "";
        LoadStringA(exe, id, text, sizeof text);
        return text;
    }
    int width(const std::string& text) const {
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    int width(int id) const { return width(string(id)); }
    int top(int row) const { return G + row * (R + G); }
    int choice(int id) const {  // widest item, a Gap either side, and the square button
        int widest = 0;
        std::istringstream items(string(id).substr(1));
        for (std::string item; std::getline(items, item, '|');) widest = std::max(widest, width(item));
        return widest + 2 * G + R;
    }
};

// The outer size worked out by hand for a screen: its caption height, border and frame, the
// font's cell height, and the widths of the widest label, the number field's sample, the
// widest unit and the widest printer type, in the font.
struct Screen {
    int caption, border, frame, cell, label, number, unit, printer;
    int width, height;
};
const Screen kScreens[] = {
    // Wine on the tests' Xvfb, Liberation Serif for Times New Roman. Rows 20 + 2 x 4 = 28
    // high, gaps 7; fields at 209 + 14 = 223. The printer type's row is the widest: its box
    // 125 + 14 + 28 = 167, so 223 + 167 + 7 = 397 (the units' row: 223 + 82 + 7 + 70 + 7
    // = 389). Outer: 397 + 2 x 1 = 399 wide, 19 + 2 x 1 + 11 x 7 + 10 x 28 = 378 high.
    {19, 1, 4, 20, 209, 68, 28, 125, 399, 378},
};

RECT client_rect(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Pixels of one colour in a rectangle of a snapshot.
int count(const Snapshot& shot, RECT r, COLORREF colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++) n += shot.at(x, y) == colour;
    return n;
}

TEST(Calculator, LayoutFollowsTheFontAndColoursReadRight) {
    Program p;
    ASSERT_NE(nullptr, p.main);
    Layout m;
    const int fx = m.label + 2 * m.G, number = m.width("99999.99") + 2 * m.G;
    const int unit_x = fx + number + m.G, units = m.choice(19), printers = m.choice(13);
    const int content = std::max(unit_x + units + m.G, fx + printers + m.G);
    const int button = std::max({m.width(7), m.width(6), m.width(2)}) + 2 * m.G;
    const int compute_x = content / 2 - 3 * button / 2 - m.G;
    const struct { int id, x, row, width; } controls[] = {
        {ID_INPUT_WIDTH, fx, 0, number},     {ID_INPUT_UNITS, unit_x, 0, units},
        {ID_INPUT_HEIGHT, fx, 1, number},    {ID_OUTPUT_WIDTH, fx, 2, number},
        {ID_OUTPUT_UNITS, unit_x, 2, units}, {ID_OUTPUT_HEIGHT, fx, 3, number},
        {ID_VIEW_DISTANCE, fx, 4, number},   {ID_DISTANCE_UNITS, unit_x, 4, units},
        {ID_PRINTER_TYPE, fx, 5, printers},  {ID_PRINTER_RES, fx, 6, number},
        {ID_SCAN_RES, fx, 7, number},        {ID_SCAN_PIXELS, fx, 8, m.width("99999 x 99999") + 2 * m.G},
        {ID_COMPUTE, compute_x, 9, button},  {ID_HELP, compute_x + button + m.G, 9, button},
        {ID_EXIT, compute_x + 2 * (button + m.G), 9, button},
    };
    for (const auto& c : controls) {
        RECT got = client_rect(p.main, p.control(c.id));
        RECT expected = {c.x, m.top(c.row), c.x + c.width, m.top(c.row) + m.R};
        EXPECT_TRUE(EqualRect(&got, &expected))
            << "control " << c.id << ": got (" << got.left << "," << got.top << "," << got.right
            << "," << got.bottom << "), expected (" << expected.left << "," << expected.top << ","
            << expected.right << "," << expected.bottom << ")";
    }
    RECT client;
    GetClientRect(p.main, &client);
    for (const auto& c : controls) {
        RECT got = client_rect(p.main, p.control(c.id)), both;
        IntersectRect(&both, &got, &client);
        EXPECT_TRUE(EqualRect(&both, &got)) << "control " << c.id << " reaches out of the client area";
    }
    // The outer size, worked out by hand for the screens the tests run on.
    const Screen here = {GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CXBORDER),
                         GetSystemMetrics(SM_CYFRAME), m.R - 2 * GetSystemMetrics(SM_CYFRAME),
                         m.label, m.width("99999.99"), m.width("mm"), m.width("Continuous Tone"), 0, 0};
    const Screen* known = nullptr;
    for (const Screen& screen : kScreens)
        if (std::equal(&screen.caption, &screen.width, &here.caption)) known = &screen;
    ASSERT_NE(nullptr, known) << "no outer size worked out for caption " << here.caption
                              << ", border " << here.border << ", frame " << here.frame << ", cell "
                              << here.cell << ", widths " << here.label << " " << here.number
                              << " " << here.unit << " " << here.printer;
    RECT outer;
    GetWindowRect(p.main, &outer);
    EXPECT_EQ(known->width, outer.right - outer.left);
    EXPECT_EQ(known->height, outer.bottom - outer.top);

    // White labels on black; edits black on white; results white on black.
    Snapshot shot = snapshot_client(p.main);
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    RECT label = {m.G, m.top(0), m.label + m.G, m.top(0) + m.R};
    EXPECT_GT(count(shot, label, white), 0) << "no white in the first label";
    EXPECT_GT(count(shot, label, black), count(shot, label, white)) << "label background";
    for (int id : {ID_INPUT_WIDTH, ID_OUTPUT_HEIGHT}) {
        RECT inside = client_rect(p.main, p.control(id));
        InflateRect(&inside, -1, -1);
        int ink = count(shot, inside, id == ID_INPUT_WIDTH ? black : white);
        int paper = count(shot, inside, id == ID_INPUT_WIDTH ? white : black);
        EXPECT_GT(ink, 0) << "no text in control " << id;
        EXPECT_GT(paper, ink) << "background of control " << id;
    }

    // A new printer type changes the row 6 label, the picker and Compute, and nothing else.
    SendMessageA(p.control(ID_PRINTER_TYPE), MSG_CHOICE_PICKED, 2, 0);
    p.settle();
    Snapshot after = snapshot_client(p.main);
    RECT row6 = {m.G, m.top(6), m.label + m.G, m.top(6) + m.R};
    RECT picker = client_rect(p.main, p.control(ID_PRINTER_TYPE));
    RECT compute = client_rect(p.main, p.control(ID_COMPUTE));
    int in_label = 0, elsewhere = 0;
    for (int y = 0; y < shot.height; y++)
        for (int x = 0; x < shot.width; x++) {
            if (shot.at(x, y) == after.at(x, y)) continue;
            POINT at = {x, y};
            if (PtInRect(&row6, at)) in_label++;
            else if (!PtInRect(&picker, at) && !PtInRect(&compute, at)) elsewhere++;
        }
    EXPECT_GT(in_label, 0) << "the row 6 label did not change";
    EXPECT_EQ(0, elsewhere) << "pixels changed outside the row 6 label and the picker";
    EXPECT_TRUE(IsWindowEnabled(p.control(ID_COMPUTE)));
}

// What the program's own calculation shows for five field texts, with the start-up choices.
std::string computed(const std::string& text) {
    CalcRecord record;
    TextFields fields;
    for (auto& input : fields.input) input = text.c_str();
    ComputeScan(&record, &fields);
    std::string all;
    for (const auto& result : fields.result) all += (all.empty() ? "" : "|") + std::string(result);
    return all;
}

TEST(Calculator, LongTextsAndAnyBytesNeverBreakIt) {
    Program p;
    ASSERT_NE(nullptr, p.main);
    const int edits[5] = {ID_INPUT_WIDTH, ID_INPUT_HEIGHT, ID_OUTPUT_WIDTH, ID_VIEW_DISTANCE,
                          ID_PRINTER_RES};
    // A number in the first 254 characters, and then more than the field could ever read.
    std::string first = "2" + std::string(253, '0'), text = first + std::string(745, '7') + "x";
    for (int id : edits)
        SendMessageA(p.control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    press_key(VK_RETURN);
    p.settle();
    EXPECT_EQ(computed(first), texts(p)) << "Compute read more or less than 254 characters";

    // Bytes 128 to 255 in every field: rejected, and every text stays as it was.
    std::string high;
    for (int c = 128; c < 256; c++) high += static_cast<char>(c);
    for (int id : edits)
        SendMessageA(p.control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(high.c_str()));
    std::string before = texts(p);
    press_key(VK_RETURN);
    p.settle();
    HWND box = p.wait_box();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(kRejected, box_text(box));
    press_key(VK_RETURN);
    p.settle();
    EXPECT_EQ(before, texts(p));
    EXPECT_EQ(-1, p.exit_code(0)) << "the program ended";
}

}  // namespace
