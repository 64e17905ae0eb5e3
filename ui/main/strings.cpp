// The string table: each resource string copied once into its own writable heap block.
#include "ui/main/app.h"
#include "ui/heap.h"

enum { STRING_COUNT = 22 };

// Shared by every out-of-range id and every string that could not be loaded, so that
// callers never see a null pointer. Writable, like the table's own copies.
static char EmptyString[1] = "";

int LoadAppStrings(void)
{
    FreeAppStrings();
    StringTable = (char**)AllocBlock(STRING_COUNT * sizeof(char*));
    if (!StringTable)
        return 1;
    for (int id = 0; id < STRING_COUNT; id++) {
        char buffer[256];
        buffer[0] = 0;
        if (LoadStringA(AppInstance, id, buffer, 255) <= 0)
            buffer[0] = 0;
        StringTable[id] = CopyToHeap(buffer);
    }
    return 0;
}

void FreeAppStrings(void)
{
    if (!StringTable)
        return;
    for (int id = 0; id < STRING_COUNT; id++)
        FreeBlock(StringTable[id]);
    FreeBlock(StringTable);
    StringTable = nullptr;
}

char* GetAppString(int id)
{
    if (id < 0 || id >= STRING_COUNT || !StringTable || !StringTable[id])
        return EmptyString;
    return StringTable[id];
}
