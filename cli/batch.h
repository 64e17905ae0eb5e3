// Batch mode: lines of selections and texts in, one answer out for each.
#pragma once
#include <cstddef>
#include <cstdio>

#include "cli/out_buffer.h"
#include "cli/report_write.h"

// A run of answers in one format, one calculation's or a batch's; large, so kept off the
// stack.
struct Answers {
    TextFields fields;
    Report report;
    OutBuffer out;
    OutBuffer messages;
    int format;
    ReportColumns columns;
    const double* scannerDpi;
    double lines;  // counted exactly far beyond any int
};

// Starts a run that answers in format on out (CSV's header first) and tells on err each
// scan that needs more than *scannerDpi, when that is given; print adds the print's
// columns. Returns 0, or 3 when out of memory (reported on err).
int StartAnswers(Answers* run, FILE* out, FILE* err, int format, int print,
                 const double* scannerDpi);
// One batch line's answer. line holds length bytes without the newline and may be changed;
// line[length] must be writable too. Each line gets exactly one answer.
void AnswerLine(Answers* run, char* line, size_t length);
// Writes out what is held and ends the run. Returns 0, or 1 after a failed write.
int EndAnswers(Answers* run);

// Reads every line of in and answers it. Lines end at '\n' only; a last line without one
// counts too. Returns 0, or 3 after a read, write or memory failure (reported on err).
int RunBatch(FILE* in, FILE* out, FILE* err, int format, const double* scannerDpi);
