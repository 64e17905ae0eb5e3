// One answer of velortin-calc as named values, in the order every format writes them: the
// window's seven texts and the scan report, or a rejection, or a line that is not valid.
#pragma once

#include "core/text_fields.h"
#include "plan/report.h"

// CSV has one column for each key of a run.
enum ReportKey {
    KEY_INPUT_WIDTH, KEY_INPUT_HEIGHT, KEY_OUTPUT_WIDTH, KEY_OUTPUT_HEIGHT,
    KEY_VIEWING_DISTANCE, KEY_SCAN_RESOLUTION, KEY_SCAN_PIXELS,
    KEY_SCAN_DPI, KEY_PIXELS_X, KEY_PIXELS_Y, KEY_MEGAPIXELS, KEY_BYTES_8BIT, KEY_BYTES_16BIT,
    KEY_FIT, KEY_PRINT_WIDTH, KEY_PRINT_HEIGHT, KEY_IMAGE_WIDTH, KEY_IMAGE_HEIGHT,
    KEY_BORDER_X, KEY_BORDER_Y, KEY_CROP_X, KEY_CROP_Y,
    KEY_SCANNER_DPI, KEY_LARGEST_WIDTH, KEY_LARGEST_HEIGHT, KEY_WARNING,
    KEY_ERROR, KEY_FIELD, KEY_TEXT, KEY_INVALID,
    KEY_COUNT
};
// The keys of each group run from its first key to the next group's.
constexpr int KEY_FIRST_NUMBER = KEY_SCAN_DPI, KEY_FIRST_PRINT = KEY_FIT,
              KEY_FIRST_SCANNER = KEY_SCANNER_DPI, KEY_FIRST_REJECTION = KEY_ERROR;

extern const char* const REPORT_KEYS[KEY_COUNT];
int IsNumberKey(int key);

struct Report {
    unsigned char has[KEY_COUNT];
    const char* text[KEY_COUNT];
    double number[KEY_COUNT];
    const CalcRecord* record;  // its units and printer type name the texts; null if invalid
    int rejectedId;            // the rejected field's control id, or 0
    ScanReport scan;           // what the texts of the print and the scanner point into
};

// A computed record whose seven texts are in fields; print and scannerDpi may be null. The
// record must outlive the report's writing.
void ReportResult(Report* report, const CalcRecord* record, const TextFields* fields,
                  const PrintLayout* print, const double* scannerDpi);
// A rejected field and its text as given.
void ReportRejection(Report* report, const CalcRecord* record, int id, const char* text);
void ReportInvalid(Report* report, const char* reason);
