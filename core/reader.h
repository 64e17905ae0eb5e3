// The number reader: forgiving of commas and percent signs, strict about what follows.
#pragma once

int IsDigitChar(int c, int* digit);
double PowerOfTen(int n);
int ParseNumber(const char** position, double* value);
int ParseWholeNumber(const char* text, double* value);
