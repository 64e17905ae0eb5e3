// One Compute from the command line: the seven result texts with labels and units, then
// the scan's size in megapixels and bytes.
#include "tools/single.h"

#include <cmath>

#include "core/ids.h"
#include "core/text_fields.h"
#include "core/text.h"
#include "resources/strings.h"
#include "ui/choice/choice_list.h"

namespace {

// Labels of the seven results, in the order ShowResults writes them.
const char* const RESULT_LABELS[7] = {APP_STRING_9,  APP_STRING_8,  APP_STRING_12, APP_STRING_11,
                                      APP_STRING_20, APP_STRING_18, APP_STRING_17};

const char* FieldLabel(int id, int printerType)
{
    switch (id) {
    case ID_INPUT_WIDTH: return APP_STRING_9;
    case ID_INPUT_HEIGHT: return APP_STRING_8;
    case ID_OUTPUT_WIDTH: return APP_STRING_12;
    case ID_VIEW_DISTANCE: return APP_STRING_20;
    default: return printerType == 2 ? APP_STRING_10 : APP_STRING_14;
    }
}

// Appends one size line: the byte count, then decimal and binary megabytes.
int PutSizeLine(char* out, size_t size, int bits, double bytes)
{
    char count[FIXED_TEXT_MAX];
    FormatCount(bytes, count);
    return FormatTextN(out, size, "Size at %d bits per channel: %s bytes (%2f MB, %2f MiB)\n",
                       bits, count, bytes / 1e6, bytes / 1048576.0);
}

}  // namespace

int RunSingle(const CliOptions* options, FILE* out, FILE* err)
{
    CalcRecord record;
    record.printerType = options->printerType;
    record.inputUnits = options->inputUnits;
    record.outputUnits = options->outputUnits;
    record.distanceUnits = options->distanceUnits;
    static TextFields fields;  // large: kept off the stack
    for (int i = 0; i < 5; i++)
        fields.input[i] = options->fields[i];

    if (ComputeScan(&record, &fields)) {
        char message[512];
        int n = FormatTextN(message, sizeof message, "velortin-calc: %s %s\n",
                            FieldLabel(fields.rejectedId, record.printerType), APP_STRING_4);
        std::fwrite(message, 1, (size_t)n, err);
        return 1;
    }

    static char report[16384];
    size_t used = 0;
    const int units[5] = {record.inputUnits, record.inputUnits, record.outputUnits,
                          record.outputUnits, record.distanceUnits};
    for (int i = 0; i < 7; i++) {
        char unit[8] = "";
        if (i < 5) {
            const char* item = ChoiceItem(APP_STRING_19, units[i] + 1);
            int length = ChoiceItemLength(item);
            CopyText(item, unit, length < (int)sizeof unit ? length : (int)sizeof unit - 1);
        }
        used += FormatTextN(report + used, sizeof report - used, i < 5 ? "%s %s %s\n" : "%s %s\n",
                            RESULT_LABELS[i], fields.result[i], unit);
    }
    // Pixel counts as shown: the integer parts of the counts plus one half.
    double pixels = std::trunc(record.scanPixelsX + 0.5) * std::trunc(record.scanPixelsY + 0.5);
    used += FormatTextN(report + used, sizeof report - used, "Megapixels: %2f\n", pixels / 1e6);
    used += PutSizeLine(report + used, sizeof report - used, 8, pixels * 3);
    used += PutSizeLine(report + used, sizeof report - used, 16, pixels * 6);
    if (std::fwrite(report, 1, used, out) != used || std::fflush(out) != 0) {
        std::fputs("velortin-calc: cannot write the results\n", err);
        return 3;
    }
    return 0;
}
