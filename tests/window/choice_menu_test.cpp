// The pop-up list on a test parent, with real mouse input from a second thread while this
// one sits in the list's own loop, as the program's would: where the list opens, how it is
// picked from, how a long list scrolls, and that openings leave nothing behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "core/ids.h"
#include "ui/main/messages.h"
#include "harness.h"
#include "program.h"
#include "ui/choice/choice.h"
#include "ui/main/app.h"
#include "ui/heap.h"

namespace {

const char kUnits[] = "|mm|cm|in|ft|m|";
const int kX = 10, kY = 20;  // the field's place in its parent
const COLORREF kSunken = RGB(64, 64, 64), kRaised = RGB(255, 255, 255);

// The list's state after each message it handled, recorded around the real procedure.
struct Seen { UINT message; LPARAM lParam; int offset, selection, timers; RECT frame; };
std::mutex seen_lock;
std::vector<Seen> seen;
std::vector<Recorded> post_on_open;  // posted to each list as it opens, for the quick loops

LRESULT CALLBACK watched_menu(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = ChoiceMenuProc(window, message, wParam, lParam);
    if (auto* s = reinterpret_cast<ChoiceMenuState*>(GetWindowLongPtrA(window, 0))) {
        RECT frame;
        GetWindowRect(window, &frame);
        std::lock_guard<std::mutex> hold(seen_lock);
        seen.push_back({message, lParam, s->scrollOffset, s->selection,
                        s->scrollUpRunning + s->scrollDownRunning, frame});
    }
    if (message == WM_CREATE)
        for (const Recorded& m : post_on_open) PostMessageA(window, m.message, m.wParam, m.lParam);
    return result;
}

void register_menu_class(bool present = true) {
    UnregisterClassA("popupmenu", AppInstance);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = watched_menu;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = AppInstance;
    wc.lpszClassName = "popupmenu";
    if (present) RegisterClassA(&wc);
}

struct Field {
    HWND parent, window;
    ChoiceFieldState* state;
    Field(const char* list, int index, int parent_y = 100) {
        start_program();
        register_menu_class();
        parent = create_test_parent(520, parent_y, 480, 200);
        record_parent_range(MSG_CHOICE_CHANGED, MSG_CHOICE_CHANGED);
        std::string writable(list);
        window = CreateChoiceField(kX, kY, parent, index, &writable[0], 321);
        state = reinterpret_cast<ChoiceFieldState*>(GetWindowLongPtrA(window, 0));
        bring_to_front(parent);
    }
    ~Field() { DestroyWindow(parent); }
    POINT arrow_bevel() const {
        return client_point(window, state->labelWidth + state->boxWidth + 1, RowHeight / 2);
    }
};

// A step of the user's: 1 to 20 is the middle of that line of the list, 0 its top row.
enum Act { PRESS, RELEASE, MOVE, SETTLE };  // SETTLE: wait until the scrolling stops
enum Spot { TOP_ROW = 0, ON_FIELD = -1, OUTSIDE = -2, ABOVE = -3, BELOW = -4 };
struct Step { Act act; int spot; };

POINT spot_point(const Field& f, int spot) {
    HWND menu = FindWindowA("popupmenu", nullptr);
    RECT c = {};
    GetClientRect(menu, &c);
    POINT top = client_point(menu, c.right / 2, 0);
    switch (spot) {
    case ON_FIELD: return client_point(f.window, f.state->labelWidth + 2, RowHeight / 2);
    case OUTSIDE: return client_point(f.parent, 400, 20);
    case ABOVE: return {top.x, top.y - 10};
    case BELOW: return {top.x, top.y + c.bottom + 10};
    }
    return {top.x, spot ? top.y + (spot - 1) * FontHeight + FontHeight / 2 : top.y};
}

bool wait_until(const std::function<bool()>& done) {
    for (int i = 0; i < 2500; i++, Sleep(2))
        if (done()) return true;
    return false;
}

size_t seen_count() { std::lock_guard<std::mutex> hold(seen_lock); return seen.size(); }

bool seen_since(size_t mark, const std::function<bool(const Seen&)>& match) {
    std::lock_guard<std::mutex> hold(seen_lock);
    return std::any_of(seen.begin() + std::min(mark, seen.size()), seen.end(), match);
}

COLORREF arrow_while_open;

bool list_open(DWORD thread) {
    HWND menu = FindWindowA("popupmenu", nullptr);
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    return menu && IsWindowVisible(menu) && GetGUIThreadInfo(thread, &gui) &&
           gui.hwndCapture == menu;
}

// Plays the steps from a second thread while this one pumps, so that a press on the field
// holds this thread in the list's loop as in the program. Returns what went wrong.
std::string play(const Field& f, const std::vector<Step>& steps) {
    // Wine moves the X pointer after each input, a little later, and its late arrival reads
    // as one more move: park the pointer away from the list, and let each step settle.
    mouse_move(spot_point(f, OUTSIDE));
    Sleep(100);
    flush_events();
    seen.clear();
    clear_parent_log();
    DWORD pumping = GetCurrentThreadId();
    std::string trouble;
    std::atomic<bool> done{false};
    std::thread user([&] {
        for (const Step& step : steps) {
            size_t mark = seen_count();
            POINT p = spot_point(f, step.spot);
            if (step.act == PRESS) mouse_press(p);
            if (step.act == RELEASE) mouse_release(p);
            if (step.act == MOVE) mouse_move(p);
            // Queued moves are merged into the last one: let each arrive first.
            ScreenToClient(FindWindowA("popupmenu", nullptr), &p);
            auto moved = [&](const Seen& e) {
                return e.message == WM_MOUSEMOVE && e.lParam == MAKELPARAM(p.x, p.y);
            };
            auto still = [](const Seen& e) { return e.message == WM_TIMER && !e.timers; };
            if (step.act == MOVE && !wait_until([&] { return seen_since(mark, moved); }))
                trouble += "a move did not arrive; ";
            if (step.act == SETTLE && !wait_until([&] { return seen_since(mark, still); }))
                trouble += "the scrolling did not stop; ";
            if (step.act == PRESS && step.spot == ON_FIELD) {
                if (!wait_until([&] { return list_open(pumping); }))
                    trouble += "the list did not open; ";
                wait_until([&] {
                    return (arrow_while_open = screen_pixel(f.arrow_bevel())) == kSunken;
                });
            }
            Sleep(30);
        }
        if (!wait_until([] { return !FindWindowA("popupmenu", nullptr); })) {
            trouble += "the list stayed open; ";
            PostMessageA(FindWindowA("popupmenu", nullptr), WM_CLOSE, 0, 0);
        }
        done = true;
    });
    while (!done) flush_events();
    user.join();
    flush_events();
    return trouble;
}

void expect_closed_cleanly(const Field& f, long blocks, const std::string& what) {
    EXPECT_EQ(0, MenuOpen) << what;
    EXPECT_EQ(nullptr, GetCapture()) << what;
    EXPECT_EQ(nullptr, f.state->openMenu) << what;
    EXPECT_EQ(blocks, LiveBlocks) << what << ": heap blocks";
}

const std::vector<Step> kOpenAndClose = {
    {PRESS, ON_FIELD}, {RELEASE, ON_FIELD}, {PRESS, OUTSIDE}, {RELEASE, OUTSIDE}};

std::vector<LONG> corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

TEST(ChoiceMenu, OpensUnderTheBoxOrAboveItNearTheScreenBottom) {
    start_program();
    // Parent places whose list would end exactly on the screen's bottom edge, or one short.
    int at_bottom = ScreenHeight - (5 * FontHeight + 2) - (kY + RowHeight - 1);
    const struct { const char* list; int parent_y, lines; bool above; } rows[] = {
        {kUnits, 100, 5, false}, {"Units|mm|cm|", 100, 2, false},
        {"|||||||||||||||||||||||||", 100, 20, false}, {kUnits, at_bottom, 5, true},
        {kUnits, at_bottom - 1, 5, false}};
    for (const auto& row : rows) {
        Field f(row.list, 0, row.parent_y);
        std::string what = std::string(row.list) + ", parent at y " + std::to_string(row.parent_y);
        EXPECT_EQ("", play(f, kOpenAndClose)) << what;
        POINT origin = client_point(f.window, 0, 0);
        int height = row.lines * FontHeight + 2;
        int top = row.above ? origin.y + 1 - height : origin.y + RowHeight - 1;
        int left = origin.x + f.state->labelWidth;
        RECT want = {left, top, left + f.state->boxWidth + 1, top + height};
        EXPECT_EQ(corners(want), corners(seen.at(0).frame)) << what;
        EXPECT_EQ(rgb_text(kSunken), rgb_text(arrow_while_open)) << what << ": arrow while open";
        EXPECT_EQ(rgb_text(kRaised), rgb_text(screen_pixel(f.arrow_bevel()))) << what;
    }
}

TEST(ChoiceMenu, PicksByDragOrByTwoClicksAndOnlyThen) {
    const struct { const char* what; const char* list; int start; std::vector<Step> steps;
                   int picked;  /* -1: nothing */ } rows[] = {
        {"press, drag, release", kUnits, 0,
         {{PRESS, ON_FIELD}, {MOVE, 2}, {MOVE, 4}, {RELEASE, 4}}, 3},
        {"click the field, then a line", kUnits, 0,
         {{PRESS, ON_FIELD}, {RELEASE, ON_FIELD}, {PRESS, 5}, {RELEASE, 5}}, 4},
        {"releases before entering and after a press on the top row leave it open", kUnits, 2,
         {{PRESS, ON_FIELD}, {RELEASE, ON_FIELD}, {PRESS, TOP_ROW}, {RELEASE, TOP_ROW},
          {PRESS, 4}, {RELEASE, 4}}, 3},
        {"a press outside picks nothing", kUnits, 1,
         {{PRESS, ON_FIELD}, {RELEASE, ON_FIELD}, {PRESS, TOP_ROW}, {RELEASE, TOP_ROW},
          {PRESS, OUTSIDE}, {RELEASE, OUTSIDE}}, -1},
        {"the current item again", kUnits, 2,
         {{PRESS, ON_FIELD}, {MOVE, 1}, {MOVE, 3}, {RELEASE, 3}}, -1},
        {"a separator keeps the last highlight", "|mm|-|cm|in|", 3,
         {{PRESS, ON_FIELD}, {MOVE, 3}, {MOVE, 2}, {RELEASE, 2}}, 2},
        {"an empty list", "|", 0,
         {{PRESS, ON_FIELD}, {MOVE, BELOW}, {RELEASE, BELOW}, {PRESS, TOP_ROW},
          {RELEASE, TOP_ROW}, {PRESS, OUTSIDE}, {RELEASE, OUTSIDE}}, -1},
    };
    for (const auto& row : rows) {
        Field f(row.list, row.start);
        long blocks = LiveBlocks;
        EXPECT_EQ("", play(f, row.steps)) << row.what;
        std::vector<LPARAM> picks, want(row.picked >= 0 ? 1 : 0, row.picked);
        for (const Recorded& r : parent_log()) picks.push_back(r.lParam);
        EXPECT_EQ(want, picks) << row.what << ": MSG_CHOICE_CHANGED indices";
        EXPECT_EQ(row.picked >= 0 ? row.picked : row.start, f.state->currentIndex) << row.what;
        expect_closed_cleanly(f, blocks, row.what);
    }
}

TEST(ChoiceMenu, LongListOpensAroundItsItemAndScrollsOneLinePerTick) {
    std::string list = "|";  // 40 items, separators at 9, 19, 29 and 39
    for (int i = 0; i < 40; i++) list += (i % 10 == 9 ? "-" : std::to_string(i)) + "|";
    Field f(list.c_str(), 0);
    for (auto opened : {std::pair<int, int>{35, 20}, {3, 0}, {15, 5}}) {
        f.state->currentIndex = opened.first;
        EXPECT_EQ("", play(f, kOpenAndClose));
        EXPECT_EQ(opened.second, seen.at(0).offset) << "scroll offset, opened on " << opened.first;
    }
    // Held above the list, then below it: after each tick the edge line is highlighted,
    // unless it is a separator. The final release picks what is highlighted then.
    f.state->currentIndex = 35;
    EXPECT_EQ("", play(f, {{PRESS, ON_FIELD}, {MOVE, 5}, {MOVE, ABOVE}, {SETTLE, 0},
                           {MOVE, BELOW}, {SETTLE, 0}, {RELEASE, BELOW}}));
    // 20 ticks up to offset 0 and one that finds nothing left, then the same down to 20.
    std::vector<int> offsets, selections, want_offsets, want_selections;
    for (int tick = 0, selection = 24 /* line 5 */; tick < 42; tick++) {
        bool up = tick < 21;
        int offset = up ? std::max(19 - tick, 0) : std::min(tick - 20, 20);
        int edge = offset + (up ? 0 : MENU_LINES - 1);
        if (edge % 10 != 9) selection = edge;
        want_offsets.push_back(offset);
        want_selections.push_back(selection);
    }
    for (const Seen& s : seen)
        if (s.message == WM_TIMER) offsets.push_back(s.offset), selections.push_back(s.selection);
    EXPECT_EQ(want_offsets, offsets) << "scroll offset after each tick";
    EXPECT_EQ(want_selections, selections) << "highlight after each tick";
    EXPECT_EQ(38, parent_log().at(0).lParam) << "the index picked";
}

TEST(ChoiceMenu, AThousandOpeningsLeaveNoBlockTimerOrCapture) {
    Field f(kUnits, 0);
    const LPARAM outside = MAKELPARAM(-5, -5), line3 = MAKELPARAM(5, 2 * FontHeight + 1),
                 below = MAKELPARAM(5, f.state->listHeight + 30);
    // Closed by a press outside, by a release on a line, and while the list scrolls.
    const std::vector<Recorded> closings[] = {
        {{WM_LBUTTONDOWN, MK_LBUTTON, outside}},
        {{WM_MOUSEMOVE, MK_LBUTTON, line3}, {WM_LBUTTONUP, 0, line3}},
        {{WM_MOUSEMOVE, MK_LBUTTON, below}, {WM_LBUTTONDOWN, MK_LBUTTON, outside}}};
    long blocks = LiveBlocks;
    for (int i = 0; i < 1000 && !HasFailure(); i++) {
        post_on_open = closings[i % 3];
        SendMessageA(f.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        expect_closed_cleanly(f, blocks, "opening " + std::to_string(i));
    }
    // And a field whose list cannot be made: the press returns, opening nothing.
    register_menu_class(false);
    SendMessageA(f.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    expect_closed_cleanly(f, blocks, "no list class");
    register_menu_class();
    seen.clear();
    SendMessageA(f.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_FALSE(seen.empty()) << "the field opens its list again";
    post_on_open.clear();
    Sleep(300);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) << "a timer ticks";
}

}  // namespace
