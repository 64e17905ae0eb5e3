// The command line of velortin-calc: what it asks for, read through one table of options.
#pragma once

#include "cli/report_write.h"
#include "plan/plan.h"

// Room for a message about the command line, the option and its value included.
enum { MESSAGE_MAX = 512 };

struct CliOptions {
    int batch = 0, help = 0, version = 0;
    // The selections, as the window starts with them; the options set them here.
    CalcRecord record;
    int format = FORMAT_NOT_GIVEN;  // text for one calculation, tsv for a batch
    double scannerDpi = 0;          // 0: no scanner
    Plan plan;                      // the named values
    // Input width, input height, output width, viewing distance, printer resolution.
    const char* fields[5] = {};
    int fieldCount = 0;
};

// Reads the arguments after argv[0]. Returns 0 when they form a command, or 1 with a
// one-line message in message (MESSAGE_MAX bytes) naming the option and the value. Only
// the options of the table are options, so texts such as "-5" are field texts.
int ParseOptions(int argc, char** argv, CliOptions* options, char* message);
