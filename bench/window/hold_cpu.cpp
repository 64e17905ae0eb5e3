// Measures the CPU time a window program takes in one second with the mouse button held
// down on one of its controls (a drop-down field, whose list then stays open), against one
// second idle. Not a test: it prints figures.
// Usage: hold_cpu PROGRAM.exe [--control ID | --point X Y] [--seconds S] [--server-stat PATH]
// Under Wine, --server-stat names the wineserver's /proc/PID/stat (as Z:\proc\PID\stat):
// every message the program peeks is a request to it, so its CPU time is shown beside.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

struct Search {
    DWORD process;
    HWND except;
    HWND found;
};

// A visible top-level window of the process, other than `except`.
static BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    Search* search = (Search*)param;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || window == search->except || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

static HWND WaitForWindow(DWORD process, HWND except, DWORD milliseconds)
{
    for (DWORD waited = 0; waited <= milliseconds; waited += 20) {
        Search search = {process, except, nullptr};
        EnumWindows(MatchWindow, (LPARAM)&search);
        if (search.found)
            return search.found;
        Sleep(20);
    }
    return nullptr;
}

static double Seconds(const FILETIME& kernel, const FILETIME& user)
{
    ULARGE_INTEGER k, u;
    k.LowPart = kernel.dwLowDateTime;
    k.HighPart = kernel.dwHighDateTime;
    u.LowPart = user.dwLowDateTime;
    u.HighPart = user.dwHighDateTime;
    return (double)(k.QuadPart + u.QuadPart) / 1e7;  // 100 ns units
}

static double CpuSeconds(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    return Seconds(kernel, user);
}

static double ThreadSeconds(HANDLE thread)
{
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user))
        return 0;
    return Seconds(kernel, user);
}

// utime and stime of a Linux /proc/PID/stat, in clock ticks of 1/100 s; 0 without one.
static const char* ServerStat;

static double ServerSeconds(void)
{
    FILE* file = ServerStat ? fopen(ServerStat, "r") : nullptr;
    if (!file)
        return 0;
    char line[1024] = "";
    fgets(line, sizeof line, file);
    fclose(file);
    // The fields after the command name's closing parenthesis start at the state (3rd).
    const char* p = strrchr(line, ')');
    unsigned long long utime = 0, stime = 0;
    if (p)
        sscanf(p + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime);
    return (double)(utime + stime) / 100;
}

static double WallSeconds(void)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return (double)now.QuadPart / (double)frequency.QuadPart;
}

// The process's CPU time and its first thread's, the window thread's, over the given time.
// Wine reports no times for another process, but does for its threads.
static void Measure(const PROCESS_INFORMATION& child, double seconds, const char* what)
{
    double process = CpuSeconds(child.hProcess), thread = ThreadSeconds(child.hThread);
    double server = ServerSeconds(), wall = WallSeconds();
    Sleep((DWORD)(seconds * 1000));
    process = CpuSeconds(child.hProcess) - process;
    thread = ThreadSeconds(child.hThread) - thread;
    server = ServerSeconds() - server;
    wall = WallSeconds() - wall;
    double most = process > thread ? process : thread;
    printf("%-12s process %7.1f ms, window thread %7.1f ms CPU in %7.1f ms: %5.1f%% of a core",
           what, process * 1000, thread * 1000, wall * 1000, 100 * most / wall);
    if (ServerStat)
        printf("; wineserver %7.1f ms", server * 1000);
    printf("\n");
    fflush(stdout);
}

// Absolute coordinates span 0..65535 over the screen; aim at the pixel's centre.
static void Mouse(POINT at, DWORD buttons)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (LONG)((2LL * at.x + 1) * 65536 / (2LL * GetSystemMetrics(SM_CXSCREEN)));
    input.mi.dy = (LONG)((2LL * at.y + 1) * 65536 / (2LL * GetSystemMetrics(SM_CYSCREEN)));
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttons;
    SendInput(1, &input, sizeof input);
}

static int Usage(void)
{
    fprintf(stderr, "usage: hold_cpu PROGRAM.exe [--control ID | --point X Y] [--seconds S]"
                    " [--server-stat PATH]\n");
    return 2;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    int control = 0;
    POINT at = {-1, -1};
    double seconds = 1;
    for (int i = 2; i < argc; i++) {
        if (!strcmp(argv[i], "--control") && i + 1 < argc)
            control = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--point") && i + 2 < argc) {
            at.x = atoi(argv[++i]);
            at.y = atoi(argv[++i]);
        } else if (!strcmp(argv[i], "--seconds") && i + 1 < argc)
            seconds = atof(argv[++i]);
        else if (!strcmp(argv[i], "--server-stat") && i + 1 < argc)
            ServerStat = argv[++i];
        else
            return Usage();
    }
    if (!control && at.x < 0)
        return Usage();

    char commandLine[MAX_PATH + 2];
    snprintf(commandLine, sizeof commandLine, "\"%s\"", argv[1]);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
        fprintf(stderr, "hold_cpu: cannot start %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    WaitForInputIdle(child.hProcess, 10000);
    HWND main = WaitForWindow(child.dwProcessId, nullptr, 10000);
    int status = 0;
    if (!main) {
        fprintf(stderr, "hold_cpu: %s showed no window\n", argv[1]);
        status = 1;
    } else if (control) {
        HWND item = GetDlgItem(main, control);
        RECT r;
        if (item && GetWindowRect(item, &r)) {
            at.x = (r.left + r.right) / 2;
            at.y = (r.top + r.bottom) / 2;
        } else {
            fprintf(stderr, "hold_cpu: the main window has no control %d\n", control);
            status = 1;
        }
    }
    if (status == 0) {
        Sleep(500);  // start-up painting
        printf("holding the button at (%ld,%ld) for %.1f s\n", at.x, at.y, seconds);
        Measure(child, seconds, "idle");
        Mouse(at, 0);
        Mouse(at, MOUSEEVENTF_LEFTDOWN);
        HWND list = WaitForWindow(child.dwProcessId, main, 5000);
        printf("list %s\n", list ? "open" : "did not open: measuring the held button alone");
        Measure(child, seconds, "list held");
        Mouse(at, MOUSEEVENTF_LEFTUP);
        // A press outside the list closes it: on the main window's top-left frame corner.
        RECT frame;
        GetWindowRect(main, &frame);
        POINT corner = {frame.left + 1, frame.top + 1};
        Mouse(corner, MOUSEEVENTF_LEFTDOWN);
        Mouse(corner, MOUSEEVENTF_LEFTUP);
        Sleep(200);
    }
    if (main)
        PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(child.hProcess, 5000) != WAIT_OBJECT_0) {
        fprintf(stderr, "hold_cpu: %s did not close; ending it\n", argv[1]);
        TerminateProcess(child.hProcess, 1);
        status = 1;
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return status;
}
