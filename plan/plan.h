// Planning a scan from named values: the record's values from the original, the print and
// the fit, and what follows after Compute: the print's layout and the scanner's reach.
#pragma once

#include "core/calc.h"

enum FitMode { FIT_NOT_GIVEN = -1, FIT_INSIDE, FIT_FILL };

// Lengths in millimetres and the resolution per millimetre, as the record holds them. A
// value of 0 was not given and keeps the window's start-up value; a print of 0 is none.
struct Plan {
    double original[2] = {};  // width, height
    double print[2] = {};     // as named; laid along the original when fitted
    double outputWidth = 0;
    double distance = 0;
    double resolution = 0;
    int fit = FIT_NOT_GIVEN;  // which fits as inside
};

// Sets the record's five values, the output width fitted to the print when there is one,
// for ComputeRecord. Returns 0, or 1 when the fitted width is no length Compute could take
// (beyond the double range, or zero); the record's output width then holds it.
int PlanRecord(const Plan* plan, CalcRecord* record);

// The print laid along the original of a computed record, the image on it, the border
// around the image and what is cropped from each side of the original; in millimetres.
struct PrintLayout {
    int fit;
    double print[2], image[2], border[2], crop[2];
};
void LayOutPrint(const Plan* plan, const CalcRecord* record, PrintLayout* layout);

// The largest print, in millimetres, that a scanner of dpi delivers at full detail for a
// computed record. Returns 1 when the scan needs more than the scanner's dpi.
int ScannerReach(double dpi, const CalcRecord* record, double largest[2]);
