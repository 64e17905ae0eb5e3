// Named values of velortin-calc: originals and prints by name or size, lengths with
// their units, the fit, the scanner and the output format.
#pragma once
#include "core/calc.h"

enum OutputFormat { FORMAT_TEXT, FORMAT_TSV, FORMAT_CSV, FORMAT_JSON };
enum FitMode { FIT_INSIDE, FIT_FILL };

// Numbers stay texts until Compute reads them, so they go through the program's reader
// exactly as typed into the window; unit is the unit they are typed in. A field of the
// window holds at most 254 characters, and so does each of these texts.
enum { PLAN_TEXT_MAX = 255 };
struct SizeValue {
    char width[PLAN_TEXT_MAX], height[PLAN_TEXT_MAX];
    int unit;
};
struct LengthValue {
    char text[PLAN_TEXT_MAX];
    int unit;
};

// Values not given are those the window starts with.
struct PlanOptions {
    SizeValue original = {"24", "36", UNIT_MM};
    SizeValue print = {"", "", UNIT_MM};
    LengthValue outputWidth = {"8", UNIT_IN};
    LengthValue distance = {"10", UNIT_IN};
    char resolution[PLAN_TEXT_MAX] = "720";
    int named = 0;  // any of --original, --print, --output-width, --distance, --resolution
    int printGiven = 0;
    int outputWidthGiven = 0;
    int fit = FIT_INSIDE;
    int fitGiven = 0;
    int scannerGiven = 0;
    double scannerDpi = 0;
    int format = -1;  // not given: text for one calculation, tsv for a batch
    char error[512] = "";
};

// Takes argv[*i] when it is a named-value option, with its value (advancing *i). Returns
// 0 when it is not one, 1 when taken, -1 for a bad value (the message is in plan->error).
int ParsePlanOption(int argc, char** argv, int* i, PlanOptions* plan);

// Checks what the options say together: positional texts or named values, not both; a
// batch takes only --format and --scanner. Returns 0, or 1 with a message in plan->error.
int CheckPlan(PlanOptions* plan, int batch, int positionalCount);

