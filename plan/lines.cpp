// The lines under the results: the scan's size, the print and the scanner, in words.
#include "plan/names.h"
#include "plan/report.h"

namespace {

struct Lines {
    char* out;
    int size;
    int used;
};

void Line(Lines* l, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    l->used += FormatTextVN(l->out + l->used, (size_t)(l->size - l->used), format, args);
    va_end(args);
}

}  // namespace

int WritePlanLines(const ScanReport* r, char* out, int size)
{
    if (size <= 0)
        return 0;
    Lines l = {out, size, 0};
    out[0] = 0;
    const char* in = UnitName(r->record->inputUnits);
    const char* printed = UnitName(r->record->outputUnits);
    const auto& t = r->text;
    Line(&l, "Megapixels: %2f\n", r->megapixels);
    for (int bits = 8; bits <= 16; bits += 8) {
        double bytes = bits == 8 ? r->bytes8bit : r->bytes16bit;
        char count[FIXED_TEXT_MAX];
        FormatCount(bytes, count);
        Line(&l, "Size at %d bits per channel: %s bytes (%2f MB, %2f MiB)\n", bits, count,
             bytes / 1e6, bytes / 1048576.0);
    }
    if (r->hasPrint) {
        Line(&l, "Print (%s): %s x %s %s\n", t[TEXT_FIT], t[TEXT_PRINT_WIDTH],
             t[TEXT_PRINT_HEIGHT], printed);
        Line(&l, "Image on the print: %s x %s %s\n", t[TEXT_IMAGE_WIDTH], t[TEXT_IMAGE_HEIGHT],
             printed);
        if (r->fit == FIT_FILL)
            Line(&l, "Cropped from each side of the original: %s %s left and right, %s %s top and bottom\n",
                 t[TEXT_CROP_X], in, t[TEXT_CROP_Y], in);
        else
            Line(&l, "Border on each side: %s %s left and right, %s %s top and bottom\n",
                 t[TEXT_BORDER_X], printed, t[TEXT_BORDER_Y], printed);
    }
    if (r->hasScanner)
        Line(&l, "Largest print at %z1f dpi: %s x %s %s\n", r->scannerDpi,
             t[TEXT_LARGEST_WIDTH], t[TEXT_LARGEST_HEIGHT], printed);
    return l.used;
}
