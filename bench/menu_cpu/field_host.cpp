// A stand-in for the calculator while its window has no fields yet: the program's own
// start-up and loop, with one drop-down field of units under the input-units id, so that
// hold_cpu has a list to hold open.
#include "core/ids.h"
#include "ui/choice/choice.h"
#include "ui/main/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    StartUp(instance);
    if (!GetDlgItem(MainWindow, ID_INPUT_UNITS))
        CreateChoiceField(Gap, Gap, MainWindow, 0, GetAppString(19), ID_INPUT_UNITS);
    return RunMessageLoop();
}
