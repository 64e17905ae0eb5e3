// The real velortin.exe started in its own process, driven from outside as a user would.
#pragma once
#include <windows.h>

#include <string>

struct VelortinProcess {
    PROCESS_INFORMATION pi = {};
    HWND main = nullptr;

    VelortinProcess();   // starts the program and waits for its window
    ~VelortinProcess();  // ends it, if a test left it running

    HWND control(int id) const { return GetDlgItem(main, id); }
    std::string text(int id) const;  // cross-process WM_GETTEXT
    int focus_id() const;            // control id with the focus; 0 for none, -1 the window
    // Lets the program work off its queue; call after input.
    void settle() const;
    // A message box owned by the main window, waited for; null when none appears.
    HWND wait_box() const;
    // Exit code once the process has ended; -1 while it still runs after a wait.
    int exit_code(DWORD wait_ms) const;
};

// Everything a message box says: its caption, then its texts.
std::string box_text(HWND box);
// The centre of a window, in screen coordinates.
POINT centre(HWND window);
