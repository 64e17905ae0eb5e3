// Writing answers in velortin-calc's formats. JSON strings escape every byte that is not
// printable ASCII or part of valid UTF-8, so each line is valid JSON whatever the input
// held; CSV follows RFC 4180 (CRLF line ends, quoted cells where needed).
#include "cli/report_write.h"

#include <cmath>
#include <cstring>

#include "cli/shortest_text.h"
#include "core/format.h"
#include "plan/names.h"
#include "resources/strings.h"

namespace {

void Put(OutBuffer* out, const char* text)
{
    OutWrite(out, text, std::strlen(text));
}

void PutLine(OutBuffer* out, const char* format, ...)
{
    char line[2048];
    va_list args;
    va_start(args, format);
    int n = FormatTextVN(line, sizeof line, format, args);
    va_end(args);
    OutWrite(out, line, (size_t)n);
}

// Keys of a run in order: the result's, the optional groups', then rejection and invalid.
int InRun(const ReportColumns* columns, int key)
{
    if (key >= KEY_FIRST_PRINT && key < KEY_FIRST_SCANNER)
        return columns->print;
    if (key >= KEY_FIRST_SCANNER && key < KEY_FIRST_REJECTION)
        return columns->scanner;
    return 1;
}

// Shortest text that reads back as the same double; JSON has no infinity or NaN.
void PutNumber(OutBuffer* out, double value, const char* nonFinite)
{
    if (!std::isfinite(value)) {
        Put(out, nonFinite);
        return;
    }
    char text[SHORTEST_TEXT_MAX];
    OutWrite(out, text, (size_t)ShortestText(value, text));
}

// Length of the valid UTF-8 sequence at p (no overlong forms, surrogates or code points
// past U+10FFFF), or 0. Those are ruled out by the bounds of the second byte.
int Utf8Length(const unsigned char* p)
{
    unsigned char c = p[0];
    int n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    int low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
    int high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
    if (c < 0xC2 || c > 0xF4 || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < n; i++)
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    return n;
}

// A byte outside valid UTF-8 is written as the character of its Latin-1 reading.
void PutJsonString(OutBuffer* out, const char* text)
{
    static const char HEX[] = "0123456789abcdef";
    const unsigned char* p = (const unsigned char*)text;
    OutWrite(out, "\"", 1);
    while (*p) {
        const unsigned char* run = p;
        int n = 0;
        while (*p >= 0x20 && *p != '"' && *p != '\\' && (*p < 0x80 || (n = Utf8Length(p))))
            p += *p < 0x80 ? 1 : n;
        OutWrite(out, run, (size_t)(p - run));
        if (!*p)
            break;
        char escape[6] = {'\\', (char)*p, 0, 0, 0, 0};
        size_t length = 2;
        if (*p < 0x20 || *p >= 0x80) {
            escape[1] = 'u';
            escape[2] = escape[3] = '0';
            escape[4] = HEX[*p >> 4];
            escape[5] = HEX[*p & 15];
            length = 6;
        }
        OutWrite(out, escape, length);
        p++;
    }
    OutWrite(out, "\"", 1);
}

void PutCsvCell(OutBuffer* out, const char* text)
{
    if (!std::strpbrk(text, ",\"\r\n")) {
        Put(out, text);
        return;
    }
    // Each quote inside is doubled: written once with the run before it and once more.
    OutWrite(out, "\"", 1);
    for (const char* quote; (quote = std::strchr(text, '"')); text = quote) {
        quote++;
        OutWrite(out, text, (size_t)(quote - text));
        OutWrite(out, "\"", 1);
    }
    Put(out, text);
    OutWrite(out, "\"", 1);
}

void WriteJson(OutBuffer* out, const Report* r)
{
    const char* separator = "{\"";
    for (int key = 0; key < KEY_COUNT; key++) {
        if (!r->has[key])
            continue;
        OutWrite(out, separator, 2);
        Put(out, REPORT_KEYS[key]);
        OutWrite(out, "\":", 2);
        separator = ",\"";
        if (IsNumberKey(key))
            PutNumber(out, r->number[key], "null");
        else
            PutJsonString(out, r->text[key]);
    }
    Put(out, "}\n");
}

void WriteCsv(OutBuffer* out, const ReportColumns* columns, const Report* r)
{
    const char* separator = "";
    for (int key = 0; key < KEY_COUNT; key++) {
        if (!InRun(columns, key))
            continue;
        Put(out, separator);
        separator = ",";
        if (!r->has[key])
            continue;
        if (IsNumberKey(key))
            PutNumber(out, r->number[key], "");
        else
            PutCsvCell(out, r->text[key]);
    }
    Put(out, "\r\n");
}

// The seven texts as a batch has always written them, then the texts of the groups.
void WriteTsv(OutBuffer* out, const ReportColumns* columns, const Report* r)
{
    if (r->has[KEY_INVALID]) {
        PutLine(out, "INVALID\t%s\n", r->text[KEY_INVALID]);
        return;
    }
    if (r->has[KEY_ERROR]) {
        Put(out, "ERROR\n");
        return;
    }
    // The common case of a batch goes straight into the buffer, as it always has.
    int groups = columns->print || columns->scanner;
    char* place = OutReserve(out, 7 * (sizeof(TextFields::result[0]) + 1));
    char* p = place;
    for (int key = 0; key < 7; key++) {
        if (key > 0)
            *p++ = '\t';
        for (const char* t = r->text[key]; *t; t++)
            *p++ = *t;
    }
    if (!groups)
        *p++ = '\n';
    OutCommit(out, (size_t)(p - place));
    if (!groups)
        return;
    for (int key = KEY_FIRST_PRINT; key < KEY_FIRST_REJECTION; key++) {
        if (IsNumberKey(key) || !InRun(columns, key))
            continue;
        Put(out, "\t");
        if (r->has[key])
            Put(out, r->text[key]);
    }
    Put(out, "\n");
}

const char* const LABELS[7] = {LABEL_INPUT_WIDTH,   LABEL_INPUT_HEIGHT, LABEL_OUTPUT_WIDTH,
                               LABEL_OUTPUT_HEIGHT, LABEL_VIEW_DISTANCE, LABEL_SCAN_RES,
                               LABEL_SCAN_PIXELS};

// The label of a field: of its result, or of the resolution, which has none.
const char* FieldLabel(int id, int printerType)
{
    int i = ResultIndex(id);
    return i >= 0 ? LABELS[i] : ResolutionLabel(printerType);
}

// The window's seven results with their labels and units, and the lines under them.
void WriteText(OutBuffer* out, const Report* r)
{
    if (r->has[KEY_INVALID]) {
        PutLine(out, "Invalid line: %s\n", r->text[KEY_INVALID]);
        return;
    }
    if (r->has[KEY_ERROR]) {
        PutLine(out, "%s %s\n", FieldLabel(r->rejectedId, r->record->printerType),
                r->text[KEY_ERROR]);
        return;
    }
    const CalcRecord* record = r->record;
    int units[5] = {record->inputUnits, record->inputUnits, record->outputUnits,
                    record->outputUnits, record->distanceUnits};
    for (int i = 0; i < 7; i++) {
        if (i < 5)
            PutLine(out, "%s %s %s\n", LABELS[i], r->text[i], UnitName(units[i]));
        else
            PutLine(out, "%s %s\n", LABELS[i], r->text[i]);
    }
    char lines[PLAN_LINES_MAX];
    OutWrite(out, lines, (size_t)WritePlanLines(&r->scan, lines, sizeof lines));
}

}  // namespace

void WriteHeader(OutBuffer* out, int format, const ReportColumns* columns)
{
    if (format != FORMAT_CSV)
        return;
    const char* separator = "";
    for (int key = 0; key < KEY_COUNT; key++) {
        if (InRun(columns, key)) {
            PutLine(out, "%s%s", separator, REPORT_KEYS[key]);
            separator = ",";
        }
    }
    Put(out, "\r\n");
}

void WriteReport(OutBuffer* out, int format, const ReportColumns* columns, const Report* report)
{
    switch (format) {
    case FORMAT_TEXT: WriteText(out, report); break;
    case FORMAT_TSV: WriteTsv(out, columns, report); break;
    case FORMAT_CSV: WriteCsv(out, columns, report); break;
    default: WriteJson(out, report); break;
    }
}

void WriteWarning(OutBuffer* err, const Report* r, const char* where)
{
    if (!r->has[KEY_WARNING])
        return;
    PutLine(err, "velortin-calc: %swarning: %s; the largest print at full detail is %s x %s %s\n",
            where, r->text[KEY_WARNING], r->text[KEY_LARGEST_WIDTH], r->text[KEY_LARGEST_HEIGHT],
            UnitName(r->record->outputUnits));
}
