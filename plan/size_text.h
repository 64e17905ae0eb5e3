// Sizes and lengths written as text, as planning takes them: a size by name or as WxHUNIT
// (36x24mm, 4x5in), a length as a number and a unit (8in, 50cm). Each number is read as a
// field's text, so it holds what Compute would read there.
#pragma once
#include <cstddef>

#include "plan/names.h"

// What reading found: READ_OK, or what is wrong with the text.
enum ReadProblem {
    READ_OK,
    READ_TOO_LONG,      // a number longer than a field's 254 characters
    READ_NOT_POSITIVE,  // a number that Compute would reject
    READ_NO_UNIT,       // no unit at the end
    READ_NOT_WXH,       // a unit, but no 'x' between a width and a height
    READ_UNKNOWN,       // neither a name nor a width and height
};

// n characters of text read as a field's text, then multiplied by factor.
int ReadNumberText(const char* text, size_t n, double factor, double* value);
// Millimetres, from a length with its unit.
int ReadLengthText(const char* text, double* mm);
// Millimetres, from a name of the table or WxHUNIT; a problem with the width is told
// unless the height's is worse.
int ReadSizeText(const char* text, const NamedSize* table, int count, double mm[2]);
