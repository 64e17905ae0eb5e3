// The real velortin.exe started in its own process, driven from outside as a user would.
#include "velortin_process.h"

#include "harness.h"

static BOOL CALLBACK find_main(HWND window, LPARAM found) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "velortin") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

VelortinProcess::VelortinProcess() {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    char command[] = VELORTIN_EXE;
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return;
    WaitForInputIdle(pi.hProcess, 10000);
    for (int i = 0; i < 200 && !main; i++) {
        EnumThreadWindows(pi.dwThreadId, find_main, reinterpret_cast<LPARAM>(&main));
        if (!main) Sleep(25);
    }
    SetForegroundWindow(main);
    settle();
}

VelortinProcess::~VelortinProcess() {
    if (!pi.hProcess) return;
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
        PostMessageA(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

std::string VelortinProcess::text(int id) const {
    char buffer[2048] = "";
    DWORD_PTR ignored;
    SendMessageTimeoutA(control(id), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 2000, &ignored);
    return buffer;
}

int VelortinProcess::focus_id() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(pi.dwThreadId, &info) || !info.hwndFocus) return 0;
    return info.hwndFocus == main ? -1 : GetDlgCtrlID(info.hwndFocus);
}

void VelortinProcess::settle() const {
    // Each round trip lets the program reach its message loop again; the pauses let the
    // input and what it posts be worked off in between.
    for (int i = 0; i < 6; i++) {
        DWORD_PTR ignored;
        SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
        flush_events();
        Sleep(15);
    }
}

static BOOL CALLBACK find_box(HWND window, LPARAM found) {
    auto* box = reinterpret_cast<HWND*>(found);
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (GetWindow(window, GW_OWNER) == box[1] && lstrcmpA(name, "#32770") == 0 &&
        IsWindowVisible(window)) {
        box[0] = window;
        return FALSE;
    }
    return TRUE;
}

HWND VelortinProcess::wait_box() const {
    HWND found[2] = {nullptr, main};
    for (int i = 0; i < 120 && !found[0]; i++) {
        EnumThreadWindows(pi.dwThreadId, find_box, reinterpret_cast<LPARAM>(found));
        if (!found[0]) Sleep(25);
    }
    return found[0];
}

int VelortinProcess::exit_code(DWORD wait_ms) const {
    DWORD code = 0;
    if (WaitForSingleObject(pi.hProcess, wait_ms) != WAIT_OBJECT_0) return -1;
    GetExitCodeProcess(pi.hProcess, &code);
    return static_cast<int>(code);
}

static BOOL CALLBACK add_static_text(HWND child, LPARAM all) {
    char name[16] = "";
    GetClassNameA(child, name, sizeof name);
    std::string text = window_text(child);
    if (lstrcmpiA(name, "Static") == 0 && !text.empty())
        *reinterpret_cast<std::string*>(all) += ": " + text;
    return TRUE;
}

std::string box_text(HWND box) {
    std::string all = window_text(box);
    EnumChildWindows(box, add_static_text, reinterpret_cast<LPARAM>(&all));
    return all;
}

POINT centre(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
