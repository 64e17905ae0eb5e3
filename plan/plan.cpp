// Planning a scan: laying the print along the original, fitting it, and the border, crop
// and largest print that follow. Every value enters the record as the double it is.
#include "plan/plan.h"

#include <cfloat>

namespace {

// A value given, or else the field's start-up text read as Compute reads it, in the unit
// the window starts with (unit -1: a resolution, per inch).
double Given(double value, int field, int unit)
{
    if (value > 0)
        return value;
    double startUp;
    ReadFieldText(START_TEXTS[field], unit < 0 ? PER_INCH_TO_PER_MM : UNIT_TO_MM[unit], &startUp);
    return startUp;
}

// The print's longer side goes along the original's; a square original takes the print as
// given.
void LayPrint(const double original[2], const double print[2], double laid[2])
{
    int turned = original[0] != original[1] && (original[0] > original[1]) != (print[0] > print[1]);
    laid[0] = print[turned];
    laid[1] = print[!turned];
}

// Nothing below zero: a side that fits exactly may come out a rounding error short.
double Half(double excess)
{
    return excess > 0 ? excess / 2 : 0;
}

}  // namespace

int PlanRecord(const Plan* plan, CalcRecord* record)
{
    const CalcRecord start;
    double original[2] = {Given(plan->original[0], 0, start.inputUnits),
                          Given(plan->original[1], 1, start.inputUnits)};
    record->inputWidth = original[0];
    record->inputHeight = original[1];
    record->outputWidth = Given(plan->outputWidth, 2, start.outputUnits);
    record->viewDistance = Given(plan->distance, 3, start.distanceUnits);
    record->printerRes = Given(plan->resolution, 4, -1);
    if (!(plan->print[0] > 0))
        return 0;
    double laid[2];
    LayPrint(original, plan->print, laid);
    double byWidth = laid[0] / original[0], byHeight = laid[1] / original[1];
    int widthDecides = plan->fit == FIT_FILL ? byWidth >= byHeight : byWidth <= byHeight;
    record->outputWidth = widthDecides ? laid[0] : original[0] * byHeight;
    return !(record->outputWidth > 0 && record->outputWidth <= DBL_MAX);
}

void LayOutPrint(const Plan* plan, const CalcRecord* record, PrintLayout* layout)
{
    double original[2] = {record->inputWidth, record->inputHeight};
    double output[2] = {record->outputWidth, record->outputHeight};
    double* print = layout->print;
    layout->fit = plan->fit == FIT_FILL ? FIT_FILL : FIT_INSIDE;
    LayPrint(original, plan->print, print);
    // What the print shows of the original, at the scale of output to input.
    double scale = output[0] / original[0];
    for (int i = 0; i < 2; i++) {
        layout->image[i] = output[i] < print[i] ? output[i] : print[i];
        layout->border[i] = Half(print[i] - output[i]);
        layout->crop[i] = Half(original[i] - print[i] / scale);
    }
}

int ScannerReach(double dpi, const CalcRecord* record, double largest[2])
{
    // The scan resolution grows with the output size alone, so the largest print is the
    // output scaled by how far the scanner's resolution reaches.
    double reach = (dpi * PER_INCH_TO_PER_MM) / record->scanRes;
    largest[0] = record->outputWidth * reach;
    largest[1] = record->outputHeight * reach;
    return record->scanRes * PER_MM_TO_PER_INCH > dpi;
}
