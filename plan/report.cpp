// Building the report of a computed record: every length written by the rule of the
// window's own texts, in the unit the results are shown in.
#include "plan/report.h"

#include <cmath>

#include "plan/names.h"

namespace {

// Each pair of texts is a width then a height.
void SetLengths(ScanReport* r, int text, const double mm[2], int unit)
{
    FormatLength(mm[0], unit, r->text[text], SCAN_TEXT_MAX);
    FormatLength(mm[1], unit, r->text[text + 1], SCAN_TEXT_MAX);
}

}  // namespace

void ReportScan(ScanReport* r, const CalcRecord* record, const PrintLayout* print,
                const double* scannerDpi)
{
    r->record = record;
    // Pixel counts as the texts show them: the integer parts of the counts plus one half.
    r->pixelsX = std::trunc(record->scanPixelsX + 0.5);
    r->pixelsY = std::trunc(record->scanPixelsY + 0.5);
    double pixels = r->pixelsX * r->pixelsY;
    r->scanDpi = record->scanRes * PER_MM_TO_PER_INCH;
    r->megapixels = pixels / 1e6;
    r->bytes8bit = pixels * 3;
    r->bytes16bit = pixels * 6;
    r->hasPrint = print != nullptr;
    if (print) {
        int out = record->outputUnits;
        r->fit = print->fit == FIT_FILL ? FIT_FILL : FIT_INSIDE;
        FormatTextN(r->text[TEXT_FIT], SCAN_TEXT_MAX, "%s", FIT_NAMES[r->fit]);
        SetLengths(r, TEXT_PRINT_WIDTH, print->print, out);
        SetLengths(r, TEXT_IMAGE_WIDTH, print->image, out);
        SetLengths(r, TEXT_BORDER_X, print->border, out);
        SetLengths(r, TEXT_CROP_X, print->crop, record->inputUnits);
    }
    r->hasScanner = scannerDpi != nullptr;
    r->needsMore = 0;
    if (scannerDpi) {
        double largest[2];
        r->scannerDpi = *scannerDpi;
        r->needsMore = ScannerReach(*scannerDpi, record, largest);
        SetLengths(r, TEXT_LARGEST_WIDTH, largest, record->outputUnits);
        if (r->needsMore)
            FormatTextN(r->text[TEXT_WARNING], SCAN_TEXT_MAX,
                        "the scan needs %1f dpi, more than the scanner's %z1f dpi", r->scanDpi,
                        *scannerDpi);
    }
}
