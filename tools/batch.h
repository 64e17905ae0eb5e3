// Batch mode: lines of selections and texts in, one line of results out for each.
#pragma once
#include <cstdio>

// Reads every line of in and writes one answer per input line to out in format (a line,
// or a paragraph in text; CSV starts with its header). With scannerDpi, each answer holds
// the scanner's limit and err tells each line that needs more. Returns 0, or 3 after a
// read, write or memory failure (reported on err).
int RunBatch(FILE* in, FILE* out, FILE* err, int format, const double* scannerDpi);
