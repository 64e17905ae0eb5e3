// Counted heap blocks for window state and string copies.
#include "ui/heap.h"

#include <windows.h>

#include "core/text.h"

long LiveBlocks;

void* AllocBlock(size_t size)
{
    void* block = HeapAlloc(GetProcessHeap(), 0, size);
    if (block)
        LiveBlocks++;
    return block;
}

void FreeBlock(void* block)
{
    if (block && HeapFree(GetProcessHeap(), 0, block))
        LiveBlocks--;
}

char* CopyToHeap(const char* text)
{
    int length = StringLength(text);
    char* copy = (char*)AllocBlock((size_t)length + 1);
    if (copy)
        MoveBytes(text, copy, length + 1);
    return copy;
}
