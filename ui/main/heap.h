// Heap blocks for window state and string copies, counted so that tests can see leaks.
#pragma once
#include <cstddef>

void* AllocBlock(size_t size);
void FreeBlock(void* block);
extern long LiveBlocks;  // blocks allocated and not yet freed
