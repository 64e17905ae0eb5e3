// Help: the help file in the system's viewer when it lies beside the program; otherwise,
// as shipped, the short guide from the resources in a message box.
#include "core/text.h"
#include "resources/strings.h"
#include "ui/main/app.h"
#include "ui/heap.h"

static const char HELP_FILE[] = "VELORTIN.HLP";

// The help file's full path when it lies beside the program's executable, else 0.
static int FindHelpFile(char* path, int size)
{
    int room = size - (int)sizeof HELP_FILE;
    DWORD length = GetModuleFileNameA(AppInstance, path, (DWORD)room);
    if (length == 0 || (int)length >= room)
        return 0;  // a path cut short names no file of ours
    int folder = (int)length;
    while (folder > 0 && path[folder - 1] != '\\' && path[folder - 1] != '/')
        folder--;
    MoveBytes(HELP_FILE, path + folder, (int)sizeof HELP_FILE);
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The guide as a terminated heap copy: a resource's bytes carry no terminator.
static char* LoadGuide(void)
{
    HRSRC found = FindResourceA(AppInstance, "GUIDE", (LPCSTR)RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(AppInstance, found) : nullptr;
    const char* bytes = loaded ? (const char*)LockResource(loaded) : nullptr;
    if (!bytes)
        return nullptr;
    int length = (int)SizeofResource(AppInstance, found);
    char* guide = (char*)AllocBlock((size_t)length + 1);
    if (guide) {
        MoveBytes(bytes, guide, length);
        guide[length] = 0;
    }
    return guide;
}

void QuitHelp(HWND window)
{
    WinHelpA(window, HELP_FILE, HELP_QUIT, 0);
}

void ShowHelp(HWND window)
{
    char path[MAX_PATH + sizeof HELP_FILE];
    if (FindHelpFile(path, (int)sizeof path)) {
        WinHelpA(window, path, HELP_CONTENTS, 0);
        return;
    }
    char* guide = LoadGuide();
    ShowMessageBox(window, guide ? guide : GetAppString(IDS_TITLE_MAIN),
                   GetAppString(IDS_BUTTON_HELP), MB_OK | MB_ICONINFORMATION);
    FreeBlock(guide);
}
