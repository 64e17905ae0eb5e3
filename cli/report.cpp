// One answer's named values: the window's texts, and the scan report's numbers and texts
// under the keys of velortin-calc's formats.
#include "cli/report.h"

#include <cstring>

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

void Clear(Report* report, const CalcRecord* record, int rejectedId)
{
    std::memset(report->has, 0, sizeof report->has);
    report->record = record;
    report->rejectedId = rejectedId;
}

void SetNumber(Report* report, int key, double value)
{
    report->has[key] = 1;
    report->number[key] = value;
}

// count keys from key on show the scan report's texts from text on.
void SetTexts(Report* report, int key, int text, int count)
{
    for (int i = 0; i < count; i++) {
        report->has[key + i] = 1;
        report->text[key + i] = report->scan.text[text + i];
    }
}

}  // namespace

void ReportResult(Report* report, const CalcRecord* record, const TextFields* fields,
                  const PrintLayout* print, const double* scannerDpi)
{
    ScanReport* scan = &report->scan;
    Clear(report, record, 0);
    ReportScan(scan, record, print, scannerDpi);
    for (int i = 0; i < 7; i++) {
        report->has[i] = 1;
        report->text[i] = fields->result[i];
    }
    SetNumber(report, KEY_SCAN_DPI, scan->scanDpi);
    SetNumber(report, KEY_PIXELS_X, scan->pixelsX);
    SetNumber(report, KEY_PIXELS_Y, scan->pixelsY);
    SetNumber(report, KEY_MEGAPIXELS, scan->megapixels);
    SetNumber(report, KEY_BYTES_8BIT, scan->bytes8bit);
    SetNumber(report, KEY_BYTES_16BIT, scan->bytes16bit);
    if (scan->hasPrint)
        SetTexts(report, KEY_FIT, TEXT_FIT, KEY_CROP_Y - KEY_FIT + 1);
    if (scan->hasScanner) {
        SetNumber(report, KEY_SCANNER_DPI, scan->scannerDpi);
        SetTexts(report, KEY_LARGEST_WIDTH, TEXT_LARGEST_WIDTH, 2 + scan->needsMore);
    }
}

void ReportRejection(Report* report, const CalcRecord* record, int id, const char* text)
{
    static const char* const FIELD_KEYS[5] = {"input_width", "input_height", "output_width",
                                              "viewing_distance", "resolution"};
    Clear(report, record, id);
    int i = InputIndex(id);
    report->has[KEY_ERROR] = report->has[KEY_FIELD] = report->has[KEY_TEXT] = 1;
    report->text[KEY_ERROR] = MESSAGE_REJECTED;
    report->text[KEY_FIELD] = FIELD_KEYS[i < 0 ? 0 : i];
    report->text[KEY_TEXT] = text;
}

void ReportInvalid(Report* report, const char* reason)
{
    Clear(report, nullptr, 0);
    report->has[KEY_INVALID] = 1;
    report->text[KEY_INVALID] = reason;
}
