// One Compute from the command line, reported with the window's own labels.
#pragma once
#include <cstdio>

#include "tools/options.h"

// Runs Compute on the options' texts and selections. Writes the report to out and returns
// 0, or writes the rejection to err and returns 1; 3 when the report cannot be written.
int RunSingle(const CliOptions* options, FILE* out, FILE* err);
