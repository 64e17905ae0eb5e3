// Byte and string routines used throughout the program.
#pragma once
#include <cstddef>

int StringLength(const char* text);
void FillBytes(void* destination, int count, int value);
void MoveBytes(const void* source, void* destination, int count);
void CopyText(const char* source, char* destination, int limit);
