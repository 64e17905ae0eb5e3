// Laying a print along the original and fitting it. Values the user gave reach Compute as
// their own texts in their own units, as typed into the window; only a width worked out
// here enters as millimetres, through a text that reads back to exactly that value.
#include "tools/plan.h"

namespace {

double Millimetres(const char* text, int unit)
{
    double mm = 0;
    ReadFieldText(text, UNIT_TO_MM[unit], &mm);  // checked when the option was read
    return mm;
}

void FitPrint(const PlanOptions* plan, PlanInput* input)
{
    double w = Millimetres(plan->original.width, plan->original.unit);
    double h = Millimetres(plan->original.height, plan->original.unit);
    double a = Millimetres(plan->print.width, plan->print.unit);
    double b = Millimetres(plan->print.height, plan->print.unit);
    // The print's longer side goes along the original's; a square original takes the
    // print as given.
    int turned = w != h && (w > h) != (a > b);
    const char* alongWidth = turned ? plan->print.height : plan->print.width;
    input->hasPrint = 1;
    input->print = {plan->fit, turned ? b : a, turned ? a : b};
    double byWidth = input->print.width / w, byHeight = input->print.height / h;
    int widthDecides = plan->fit == FIT_INSIDE ? byWidth <= byHeight : byWidth >= byHeight;
    if (widthDecides) {
        input->texts[2] = alongWidth;
        input->units[1] = plan->print.unit;
    } else {
        ExactText(w * byHeight, input->fittedWidth);
        input->texts[2] = input->fittedWidth;
        input->units[1] = UNIT_MM;
    }
}

}  // namespace

void PreparePlan(const CliOptions* options, PlanInput* input)
{
    const PlanOptions* plan = &options->plan;
    input->hasPrint = 0;
    if (!plan->named) {
        for (int i = 0; i < 5; i++)
            input->texts[i] = options->fields[i];
        input->units[0] = options->inputUnits;
        input->units[1] = options->outputUnits;
        input->units[2] = options->distanceUnits;
        return;
    }
    input->texts[0] = plan->original.width;
    input->texts[1] = plan->original.height;
    input->texts[2] = plan->outputWidth.text;
    input->texts[3] = plan->distance.text;
    input->texts[4] = plan->resolution;
    input->units[0] = plan->original.unit;
    input->units[1] = plan->outputWidth.unit;
    input->units[2] = plan->distance.unit;
    if (plan->printGiven)
        FitPrint(plan, input);
}
