// Stands the real program up inside a test process, once, as WinMain does before its loop.
#include "program.h"

#include "harness.h"
#include "ui/main/app.h"

void start_program() {
    static bool started = false;
    if (started) return;
    started = true;
    StartUp(GetModuleHandleA(nullptr));
    flush_events();
}
