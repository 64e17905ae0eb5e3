// What an answer tells of a computed record beyond the window's seven texts: the scan's
// size, the print's layout and the scanner's reach, as numbers and as the texts that every
// front end shows; and the lines that show them under the results.
#pragma once

#include "core/format.h"
#include "plan/plan.h"

// The texts, each written by the rule of the window's own length texts in the unit of the
// results it belongs with; the warning is a phrase without a capital or a full stop.
enum ScanText {
    TEXT_FIT, TEXT_PRINT_WIDTH, TEXT_PRINT_HEIGHT, TEXT_IMAGE_WIDTH, TEXT_IMAGE_HEIGHT,
    TEXT_BORDER_X, TEXT_BORDER_Y, TEXT_CROP_X, TEXT_CROP_Y,
    TEXT_LARGEST_WIDTH, TEXT_LARGEST_HEIGHT, TEXT_WARNING,
    SCAN_TEXT_COUNT
};
// Room for one text: a warning holds two numbers of up to FIXED_TEXT_MAX.
constexpr int SCAN_TEXT_MAX = 2 * FIXED_TEXT_MAX + 64;
// Room for all the lines.
constexpr int PLAN_LINES_MAX = 8192;

struct ScanReport {
    const CalcRecord* record;
    double scanDpi;
    double pixelsX, pixelsY;  // as the scan's pixel text shows them
    double megapixels, bytes8bit, bytes16bit;  // three channels of one or two bytes
    int hasPrint;    // the print's texts and its fit are set
    int fit;
    int hasScanner;  // the scanner's: scannerDpi, the largest print and, when it needs
    int needsMore;   // more than the scanner gives, the warning
    double scannerDpi;
    char text[SCAN_TEXT_COUNT][SCAN_TEXT_MAX];
};

// The report of a computed record, which must outlive it; print and scannerDpi may be null.
void ReportScan(ScanReport* report, const CalcRecord* record, const PrintLayout* print,
                const double* scannerDpi);

// The lines under the window's seven results, each ending in a newline: megapixels, the
// two file sizes, and the print and the scanner when the report has them. Writes at most
// size bytes, terminated, and returns the length.
int WritePlanLines(const ScanReport* report, char* out, int size);
