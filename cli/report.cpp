// Building one answer's named values from a computed record. Lengths are written by the
// rule of the window's own texts, in the units the results are shown in.
#include "cli/report.h"

#include <cmath>
#include <cstring>

#include "core/format.h"
#include "resources/strings.h"

const char* const REPORT_KEYS[KEY_COUNT] = {
    "input_width", "input_height", "output_width", "output_height", "viewing_distance",
    "scan_resolution", "scan_pixels", "scan_dpi", "pixels_x", "pixels_y", "megapixels",
    "bytes_8bit", "bytes_16bit", "fit", "print_width", "print_height", "image_width",
    "image_height", "border_x", "border_y", "crop_x", "crop_y", "scanner_dpi",
    "largest_print_width", "largest_print_height", "warning", "error", "field", "text", "invalid",
};

int IsNumberKey(int key)
{
    return (key >= KEY_FIRST_NUMBER && key < KEY_FIRST_PRINT) || key == KEY_SCANNER_DPI;
}

namespace {

void Clear(Report* report)
{
    std::memset(report->has, 0, sizeof report->has);
}

void SetNumber(Report* report, int key, double value)
{
    report->has[key] = 1;
    report->number[key] = value;
}

char* OwnText(Report* report, int key)
{
    report->has[key] = 1;
    return (char*)(report->text[key] = report->own[key - KEY_FIRST_PRINT]);
}

void SetLength(Report* report, int key, double mm, int unit)
{
    FormatLength(mm, unit, OwnText(report, key), REPORT_TEXT_MAX);
}

// Each pair of keys is a width then a height.
void SetLengths(Report* report, int key, const double mm[2], int unit)
{
    SetLength(report, key, mm[0], unit);
    SetLength(report, key + 1, mm[1], unit);
}

void ReportPrint(Report* r, const CalcRecord* record, const PrintLayout* print)
{
    int out = record->outputUnits;
    FormatTextN(OwnText(r, KEY_FIT), REPORT_TEXT_MAX, "%s",
                print->fit == FIT_FILL ? "fill" : "inside");
    SetLengths(r, KEY_PRINT_WIDTH, print->print, out);
    SetLengths(r, KEY_IMAGE_WIDTH, print->image, out);
    SetLengths(r, KEY_BORDER_X, print->border, out);
    SetLengths(r, KEY_CROP_X, print->crop, record->inputUnits);
}

void ReportScanner(Report* r, const CalcRecord* record, double dpi)
{
    double largest[2];
    int needsMore = ScannerReach(dpi, record, largest);
    SetNumber(r, KEY_SCANNER_DPI, dpi);
    SetLengths(r, KEY_LARGEST_WIDTH, largest, record->outputUnits);
    if (needsMore)
        FormatTextN(OwnText(r, KEY_WARNING), REPORT_TEXT_MAX,
                    "the scan needs %1f dpi, more than the scanner's %z1f dpi",
                    r->number[KEY_SCAN_DPI], dpi);
}

}  // namespace

void ReportResult(Report* report, const CalcRecord* record, const TextFields* fields,
                  const PrintLayout* print, const double* scannerDpi)
{
    Clear(report);
    report->record = record;
    report->rejectedId = 0;
    for (int i = 0; i < 7; i++) {
        report->has[i] = 1;
        report->text[i] = fields->result[i];
    }
    // Pixel counts as the texts show them: the integer parts of the counts plus one half.
    double x = std::trunc(record->scanPixelsX + 0.5), y = std::trunc(record->scanPixelsY + 0.5);
    double pixels = x * y;
    SetNumber(report, KEY_SCAN_DPI, record->scanRes * PER_MM_TO_PER_INCH);
    SetNumber(report, KEY_PIXELS_X, x);
    SetNumber(report, KEY_PIXELS_Y, y);
    SetNumber(report, KEY_MEGAPIXELS, pixels / 1e6);
    SetNumber(report, KEY_BYTES_8BIT, pixels * 3);
    SetNumber(report, KEY_BYTES_16BIT, pixels * 6);
    if (print)
        ReportPrint(report, record, print);
    if (scannerDpi)
        ReportScanner(report, record, *scannerDpi);
}

void ReportRejection(Report* report, const CalcRecord* record, int id, const char* text)
{
    static const char* const FIELD_KEYS[5] = {"input_width", "input_height", "output_width",
                                              "viewing_distance", "resolution"};
    Clear(report);
    report->record = record;
    report->rejectedId = id;
    int i = InputIndex(id);
    report->has[KEY_ERROR] = report->has[KEY_FIELD] = report->has[KEY_TEXT] = 1;
    report->text[KEY_ERROR] = MESSAGE_REJECTED;
    report->text[KEY_FIELD] = FIELD_KEYS[i < 0 ? 0 : i];
    report->text[KEY_TEXT] = text;
}

void ReportInvalid(Report* report, const char* reason)
{
    Clear(report);
    report->record = nullptr;
    report->rejectedId = 0;
    report->has[KEY_INVALID] = 1;
    report->text[KEY_INVALID] = reason;
}
