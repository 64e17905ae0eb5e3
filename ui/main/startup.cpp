// Start-up: everything the program makes before its message loop, in dependency order.
#include "ui/choice/choice.h"
#include "ui/main/app.h"
#include "resources/strings.h"

void StartUp(HINSTANCE instance)
{
    AppInstance = instance;
    AppIcon = LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_APP));
    LoadAppStrings();
    RegisterMainClass();
    ReadScreenMetrics();
    CreateMainFont();
    ReadFontMetrics();
    ArrowBitmap = LoadBitmapA(AppInstance, "IDDARROW");
    RegisterChoiceClasses();
    MainWindow = CreateMainWindow();
}
