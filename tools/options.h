// The command line of velortin-calc: which mode, which selections, which five texts.
#pragma once

#include "tools/plan_options.h"

struct CliOptions {
    int batch = 0;
    int help = 0;
    int printerType = 1;  // Dithered, as the program starts
    int inputUnits = 0;   // mm
    int outputUnits = 2;  // in
    int distanceUnits = 2;
    // Input width, input height, output width, viewing distance, printer resolution.
    const char* fields[5] = {};
    PlanOptions plan;  // named values, fit, scanner and output format
};

// Returns 0 when the arguments form a valid command, 1 for a usage error. Only the known
// --options are options, so texts such as "-5" reach the calculation as field texts.
int ParseOptions(int argc, char** argv, CliOptions* options);

// Index of name among the items of a bar-separated choice list ("|mm|cm|in|ft|m|"), or -1.
int ChoiceIndex(const char* list, const char* name);

extern const char UsageText[];
extern const char HelpExamples[];  // shown by --help after the usage
