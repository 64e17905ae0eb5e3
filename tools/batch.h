// Batch mode: lines of selections and texts in, one line of results out for each.
#pragma once
#include <cstdio>

// Reads every line of in and writes one output line per input line to out. Returns 0, or
// 3 after a read, write or memory failure (reported on err).
int RunBatch(FILE* in, FILE* out, FILE* err);
