// Times programs from their start to a painted window waiting for input, alternating
// between them, and prints the median of each and their ratio to the first.
// Usage: startup_probe RUNS EXE...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

static BOOL CALLBACK CloseThreadWindows(HWND window, LPARAM)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Milliseconds from CreateProcess until the program idles in its loop: by then its first
// WM_PAINT has been handled, since GetMessage gives paints before it waits.
static double TimeOneStart(const char* exe)
{
    LARGE_INTEGER frequency, start, idle;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::vector<char> command(exe, exe + strlen(exe) + 1);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return -1;
    DWORD waited = WaitForInputIdle(pi.hProcess, 20000);
    QueryPerformanceCounter(&idle);
    EnumThreadWindows(pi.dwThreadId, CloseThreadWindows, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) == WAIT_TIMEOUT)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (waited != 0)
        return -1;
    return 1000.0 * (double)(idle.QuadPart - start.QuadPart) / (double)frequency.QuadPart;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS EXE...\n");
        return 2;
    }
    int runs = std::atoi(argv[1]);
    int programs = argc - 2;
    std::vector<std::vector<double>> times((size_t)programs);
    for (int run = 0; run < runs; run++)
        for (int p = 0; p < programs; p++) {
            double ms = TimeOneStart(argv[p + 2]);
            if (ms < 0) {
                std::fprintf(stderr, "startup_probe: %s did not come up\n", argv[p + 2]);
                return 1;
            }
            times[(size_t)p].push_back(ms);
        }
    double base = 0;
    for (int p = 0; p < programs; p++) {
        std::vector<double>& t = times[(size_t)p];
        std::sort(t.begin(), t.end());
        double median = t[t.size() / 2];
        if (p == 0)
            base = median;
        std::printf("%-40s median %7.1f ms (min %7.1f, max %7.1f)  ratio %.2f\n", argv[p + 2], median,
                    t.front(), t.back(), median / base);
    }
    return 0;
}
