// Stands the real program up inside a test process, once, as WinMain does before its loop.
#pragma once
#include <windows.h>

// Strings, metrics, font, arrow bitmap, choice classes and the main window; later calls
// do nothing. Input and pixels then need a pumped queue (flush_events).
void start_program();

