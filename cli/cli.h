// velortin-calc as one callable: what its main does, on any three streams.
#pragma once
#include <cstdio>

// Runs velortin-calc with argv[1..argc) on in, out and err, and returns its exit status:
// 0 done, 1 a field rejected, 2 usage error, 3 input or output failed.
int RunCalc(int argc, char** argv, FILE* in, FILE* out, FILE* err);
