// Heap blocks for window state and string copies, counted so that tests can see leaks.
#pragma once
#include <cstddef>

void* AllocBlock(size_t size);
void FreeBlock(void* block);
extern long LiveBlocks;  // blocks allocated and not yet freed

// A heap copy of a text with its terminator; null when no memory can be had.
char* CopyToHeap(const char* text);
