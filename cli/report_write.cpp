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

// A JSON or CSV line goes straight into room reserved in the buffer, a piece at a time: the
// punctuation, the key and a number, or up to TEXT_PIECE bytes of a text escaped (at most 6
// bytes for one), the rest of a longer text in further pieces.
enum { TEXT_PIECE = 128, PIECE = 64 + 6 * (TEXT_PIECE + 4), ROOM = 4 * PIECE };

struct Room {
    OutBuffer* out;
    char* start;  // of the room reserved
    char* p;      // where the next byte goes
};

void OpenRoom(Room* room, OutBuffer* out)
{
    room->out = out;
    room->start = room->p = OutReserve(out, ROOM);
}

void CloseRoom(Room* room)
{
    OutCommit(room->out, (size_t)(room->p - room->start));
}

// Room for one more piece: what is written is committed and fresh room reserved when short.
void Ensure(Room* room)
{
    if (room->p - room->start > ROOM - PIECE) {
        CloseRoom(room);
        OpenRoom(room, room->out);
    }
}

char* Copy(char* p, const char* text)
{
    while (*text)
        *p++ = *text++;
    return p;
}

// Shortest text that reads back as the same double; JSON has no infinity or NaN.
char* Number(char* p, double value, const char* nonFinite)
{
    if (!std::isfinite(value))
        return Copy(p, nonFinite);
    return p + ShortestText(value, p);
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

// Escapes *text into p for a JSON string until its end or TEXT_PIECE bytes of it, whole
// UTF-8 sequences at a time, and moves *text past them. A byte outside valid UTF-8 is
// written as the character of its Latin-1 reading.
char* JsonPiece(char* p, const char** text)
{
    static const char HEX[] = "0123456789abcdef";
    const unsigned char* s = (const unsigned char*)*text;
    int left = TEXT_PIECE;
    while (*s && left > 0) {
        // Printable ASCII, the common case, as it is.
        for (; *s >= 0x20 && *s < 0x80 && *s != '"' && *s != '\\' && left > 0; left--)
            *p++ = (char)*s++;
        int n = *s >= 0x80 ? Utf8Length(s) : 0;
        left -= n;
        if (n) {
            while (n--)
                *p++ = (char)*s++;
        } else if (*s && left-- > 0) {
            *p++ = '\\';
            if (*s < 0x20 || *s >= 0x80) {
                *p++ = 'u';
                *p++ = '0';
                *p++ = '0';
                *p++ = HEX[*s >> 4];
                *p++ = HEX[*s & 15];
            } else {
                *p++ = (char)*s;
            }
            s++;
        }
    }
    *text = (const char*)s;
    return p;
}

// Copies *text into p until its end or TEXT_PIECE bytes of it, each quote twice, and moves
// *text past them.
char* CsvPiece(char* p, const char** text)
{
    const char* s = *text;
    for (int used = 0; *s && used < TEXT_PIECE; used++) {
        if (*s == '"')
            *p++ = '"';
        *p++ = *s++;
    }
    *text = s;
    return p;
}

// Writes text a piece at a time.
void PutText(Room* room, const char* text, char* (*piece)(char*, const char**))
{
    room->p = piece(room->p, &text);
    while (*text) {
        Ensure(room);
        room->p = piece(room->p, &text);
    }
}

void WriteJson(OutBuffer* out, const Report* r)
{
    Room room;
    OpenRoom(&room, out);
    char separator = '{';
    for (int key = 0; key < KEY_COUNT; key++) {
        if (!r->has[key])
            continue;
        Ensure(&room);
        char* p = room.p;
        *p++ = separator;
        *p++ = '"';
        p = Copy(p, REPORT_KEYS[key]);
        *p++ = '"';
        *p++ = ':';
        separator = ',';
        if (IsNumberKey(key)) {
            room.p = Number(p, r->number[key], "null");
            continue;
        }
        *p++ = '"';
        room.p = p;
        PutText(&room, r->text[key], JsonPiece);
        *room.p++ = '"';
    }
    Ensure(&room);
    room.p = Copy(room.p, "}\n");
    CloseRoom(&room);
}

// RFC 4180: a cell with a comma, a quote or a line end is quoted.
void WriteCsv(OutBuffer* out, const ReportColumns* columns, const Report* r)
{
    Room room;
    OpenRoom(&room, out);
    int first = 1;
    for (int key = 0; key < KEY_COUNT; key++) {
        if (!InRun(columns, key))
            continue;
        Ensure(&room);
        if (!first)
            *room.p++ = ',';
        first = 0;
        if (!r->has[key])
            continue;
        if (IsNumberKey(key)) {
            room.p = Number(room.p, r->number[key], "");
            continue;
        }
        int quoted = std::strpbrk(r->text[key], ",\"\r\n") != nullptr;
        if (quoted)
            *room.p++ = '"';
        PutText(&room, r->text[key], CsvPiece);
        if (quoted)
            *room.p++ = '"';
    }
    Ensure(&room);
    room.p = Copy(room.p, "\r\n");
    CloseRoom(&room);
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
