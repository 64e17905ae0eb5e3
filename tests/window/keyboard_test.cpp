// The keyboard filter with real key presses, pumped as the program's own loop pumps:
// Tab, Shift+Tab, Enter and Escape become private messages to the main window.
#include <gtest/gtest.h>

#include <vector>

#include "core/ids.h"
#include "ui/main/messages.h"
#include "harness.h"
#include "program.h"
#include "ui/main/app.h"

namespace {

struct Seen {
    HWND window;
    UINT message;
    WPARAM wParam;
};
std::vector<Seen> seen;
WNDPROC main_proc, edit_proc, button_proc;

bool is_private(UINT message) { return message >= MSG_FOCUS_NEXT && message <= MSG_KEY_COMPUTE; }

// The main window's private messages are recorded and swallowed, so that whatever the
// main window will do with them (step the focus, compute, exit) cannot disturb the test.
LRESULT CALLBACK main_spy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (is_private(message) || message == WM_CHAR) seen.push_back({window, message, wParam});
    if (is_private(message)) return 0;
    return CallWindowProcA(main_proc, window, message, wParam, lParam);
}

LRESULT CALLBACK edit_spy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) seen.push_back({window, message, wParam});
    return CallWindowProcA(edit_proc, window, message, wParam, lParam);
}

LRESULT CALLBACK button_spy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) seen.push_back({window, message, wParam});
    return CallWindowProcA(button_proc, window, message, wParam, lParam);
}

const int kEditId = 201, kButtonId = 202;
HWND edit, button;
bool focus_was_on_main_window;

WNDPROC subclass(HWND window, WNDPROC spy) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(spy)));
}

void set_up() {
    if (edit) return;
    start_program();
    focus_was_on_main_window = GetFocus() == MainWindow;
    main_proc = subclass(MainWindow, main_spy);
    edit = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 120, 24,
                           MainWindow, reinterpret_cast<HMENU>(kEditId), GetModuleHandleA(nullptr),
                           nullptr);
    edit_proc = subclass(edit, edit_spy);
    button = CreateWindowExA(0, "Button", "Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 40, 120,
                             24, MainWindow, reinterpret_cast<HMENU>(kButtonId),
                             GetModuleHandleA(nullptr), nullptr);
    button_proc = subclass(button, button_spy);
    bring_to_front(MainWindow);
}

// Puts the focus on a window, presses a key (with an optional modifier), pumps the queue
// through the program's filter and returns what the spies saw.
std::vector<Seen> press_with_focus(HWND focus, WORD modifier, WORD vk) {
    set_up();
    SetFocus(focus);
    flush_events(PreTranslateKey);
    seen.clear();
    if (modifier)
        press_chord(modifier, vk);
    else
        press_key(vk);
    flush_events(PreTranslateKey);
    return seen;
}

std::string describe(const std::vector<Seen>& log) {
    std::string text;
    for (const Seen& s : log) {
        char line[96];
        const char* who = s.window == MainWindow ? "main" : s.window == edit ? "edit" : "button";
        snprintf(line, sizeof line, "%s: 0x%04X wParam %u; ", who, s.message,
                 static_cast<unsigned>(s.wParam));
        text += line;
    }
    return text.empty() ? "nothing" : text;
}

// Exactly one message seen, the given private message to the main window.
void expect_only(const std::vector<Seen>& log, UINT message, WPARAM wParam, const char* what) {
    ASSERT_EQ(1u, log.size()) << what << ": saw " << describe(log);
    EXPECT_EQ(MainWindow, log[0].window) << what << ": saw " << describe(log);
    EXPECT_EQ(message, log[0].message) << what << ": saw " << describe(log);
    EXPECT_EQ(wParam, log[0].wParam) << what << ": saw " << describe(log);
}

TEST(Keyboard, FocusIsOnTheMainWindowAfterStartUp) {
    set_up();
    EXPECT_TRUE(focus_was_on_main_window);
}

TEST(Keyboard, TabStepsFromAChildWithItsId) {
    set_up();
    struct {
        HWND* focus;
        WORD modifier;
        UINT message;
        WPARAM id;
        const char* what;
    } cases[] = {
        {&edit, 0, MSG_FOCUS_NEXT, kEditId, "Tab on edit"},
        {&edit, VK_SHIFT, MSG_FOCUS_PREV, kEditId, "Shift+Tab on edit"},
        {&button, 0, MSG_FOCUS_NEXT, kButtonId, "Tab on button"},
        {&button, VK_SHIFT, MSG_FOCUS_PREV, kButtonId, "Shift+Tab on button"},
    };
    for (const auto& c : cases)
        expect_only(press_with_focus(*c.focus, c.modifier, VK_TAB), c.message, c.id, c.what);
}

TEST(Keyboard, TabOnTheMainWindowIsDispatchedAsACharacter) {
    auto log = press_with_focus(MainWindow, 0, VK_TAB);
    ASSERT_EQ(1u, log.size()) << describe(log);
    EXPECT_EQ(static_cast<UINT>(WM_CHAR), log[0].message) << describe(log);
    EXPECT_EQ(9u, log[0].wParam) << describe(log);
}

TEST(Keyboard, EnterAndEscapeAreConsumedWhereverTheFocusIs) {
    set_up();
    struct {
        HWND* focus;
        const char* name;
    } places[] = {{&edit, "edit"}, {&button, "button"}, {&MainWindow, "main window"}};
    for (const auto& place : places) {
        std::string what = std::string("Enter on ") + place.name;
        expect_only(press_with_focus(*place.focus, 0, VK_RETURN), MSG_KEY_COMPUTE, 0,
                    what.c_str());
        what = std::string("Escape on ") + place.name;
        expect_only(press_with_focus(*place.focus, 0, VK_ESCAPE), MSG_KEY_EXIT, 0, what.c_str());
    }
}

TEST(Keyboard, ControlChordsActLikeTheirKeys) {
    set_up();
    WORD bracket = LOBYTE(VkKeyScanA('['));
    expect_only(press_with_focus(edit, VK_CONTROL, 'I'), MSG_FOCUS_NEXT, kEditId, "Ctrl+I");
    expect_only(press_with_focus(edit, VK_CONTROL, 'M'), MSG_KEY_COMPUTE, 0, "Ctrl+M");
    expect_only(press_with_focus(edit, VK_CONTROL, bracket), MSG_KEY_EXIT, 0, "Ctrl+[");
}

TEST(Keyboard, OtherCharactersReachTheField) {
    set_up();
    SetWindowTextA(edit, "");
    auto log = press_with_focus(edit, 0, '7');
    ASSERT_EQ(1u, log.size()) << describe(log);
    EXPECT_EQ(edit, log[0].window) << describe(log);
    EXPECT_EQ(static_cast<WPARAM>('7'), log[0].wParam) << describe(log);
    EXPECT_EQ("7", window_text(edit));
}

}  // namespace
