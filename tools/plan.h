// One calculation's inputs as Compute takes them: five texts and the units they are read
// in, from the command line's positional texts or its named values and print.
#pragma once

#include "tools/exact_text.h"
#include "tools/options.h"
#include "tools/report.h"

struct PlanInput {
    const char* texts[5];  // input width, input height, output width, distance, resolution
    int units[3];          // input, output and distance units the texts are read in
    int hasPrint;
    PrintLayout print;
    char fittedWidth[EXACT_TEXT_MAX];  // a fitted output width in mm, when texts[2] is it
};

// The texts point into options, which must outlive input.
void PreparePlan(const CliOptions* options, PlanInput* input);
