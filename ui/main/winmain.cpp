// The program's entry point.
#include "ui/main/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    StartUp(instance);
    return RunMessageLoop();
}
