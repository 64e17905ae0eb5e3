// Properties of the calculation core that must hold for any input, checked by the fuzzer.
#pragma once
#include <cstddef>

// Reads text with the number reader; for a plain decimal that double arithmetic holds
// exactly, the value must equal the C library's correctly rounded one. Returns the value.
double CheckReader(const char* text);
// Formats value through every conversion the program uses and the bounded writer; a
// fixed-point text must read back to value within its rounding.
void CheckFormats(double value);
// One Compute from five texts with any selections: a consistent outcome, untruncated texts,
// and the same texts when repeated.
void CheckCompute(const char* const texts[5], const int selections[4]);
