// One answer of velortin-calc as named values: the window's seven texts, the scan's size
// as numbers, the print's layout, the scanner's limit, or a rejection or invalid line.
#pragma once

#include "core/text_fields.h"
#include "cli/plan.h"

// In the order every format writes them; CSV has one column for each key of a run.
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

// Room for a text made here: a warning holds two numbers of up to FIXED_TEXT_MAX.
constexpr int REPORT_TEXT_MAX = 2 * FIXED_TEXT_MAX + 64;

extern const char* const REPORT_KEYS[KEY_COUNT];
int IsNumberKey(int key);

struct Report {
    unsigned char has[KEY_COUNT];
    const char* text[KEY_COUNT];
    double number[KEY_COUNT];
    const CalcRecord* record;  // its units and printer type name the texts; null if invalid
    int rejectedId;            // the rejected field's control id, or 0
    char own[KEY_FIRST_REJECTION - KEY_FIRST_PRINT][REPORT_TEXT_MAX];  // texts made here
};

// A computed record whose seven texts are in fields; print and scannerDpi may be null. The
// record must outlive the report's writing.
void ReportResult(Report* report, const CalcRecord* record, const TextFields* fields,
                  const PrintLayout* print, const double* scannerDpi);
// A rejected field and its text as given.
void ReportRejection(Report* report, const CalcRecord* record, int id, const char* text);
void ReportInvalid(Report* report, const char* reason);
