// Batch mode. Input is read in large blocks and lines are handled where they lie in the
// block; only a line longer than the whole block makes the block grow, so there is no
// allocation per line. Every byte but '\n', '\r' included, belongs to the line.
#include "cli/batch.h"

#include <cstdlib>
#include <cstring>

#include "core/format.h"

namespace {

// The fuzzer's build makes the blocks small, so that its short inputs reach their edges.
#ifndef VELORTIN_BATCH_BLOCK
#define VELORTIN_BATCH_BLOCK (1 << 20)
#endif
const size_t READ_BLOCK = VELORTIN_BATCH_BLOCK;
const size_t OUT_BLOCK = VELORTIN_BATCH_BLOCK;

// An index column is exactly one digit from 0 to last; returns it or -1.
int IndexColumn(const char* column, size_t length, int last)
{
    if (length != 1 || column[0] < '0' || column[0] > '0' + last)
        return -1;
    return column[0] - '0';
}

// A line of 9 tab-separated columns: the printer, three units and five texts. Sets the
// record's selections and the fields' texts and returns null, or returns why the line is
// not one: "columns" or "index".
const char* ReadLine(char* line, size_t length, CalcRecord* record, TextFields* fields)
{
    const char* column[9];
    size_t columnLength[9];
    int count = 0;
    size_t start = 0;
    // Tabs become terminators, so each text ends at its own tab (or at an earlier NUL,
    // as a text handed over by an edit field would).
    for (size_t i = 0; i <= length; i++) {
        if (i < length && line[i] != '\t')
            continue;
        if (count == 9)
            return "columns";
        column[count] = line + start;
        columnLength[count] = i - start;
        count++;
        line[i] = 0;
        start = i + 1;
    }
    if (count != 9)
        return "columns";
    int* selections[4] = {&record->printerType, &record->inputUnits, &record->outputUnits,
                          &record->distanceUnits};
    for (int i = 0; i < 4; i++) {
        int last = i ? UNIT_COUNT - 1 : PRINTER_COUNT - 1;
        *selections[i] = IndexColumn(column[i], columnLength[i], last);
        if (*selections[i] < 0)
            return "index";
    }
    for (int i = 0; i < 5; i++)
        fields->input[i] = column[4 + i];
    return nullptr;
}

}  // namespace

int StartAnswers(Answers* b, FILE* out, FILE* err, int format, int print,
                 const double* scannerDpi)
{
    b->format = format;
    b->columns = {print, scannerDpi != nullptr};
    b->scannerDpi = scannerDpi;
    b->lines = 0;
    if (OutOpen(&b->out, out, OUT_BLOCK) || OutOpen(&b->messages, err, OUT_BLOCK)) {
        OutClose(&b->out);
        std::fputs("velortin-calc: out of memory\n", err);
        return 3;
    }
    WriteHeader(&b->out, format, &b->columns);
    return 0;
}

void AnswerLine(Answers* b, char* line, size_t length)
{
    CalcRecord record;
    const char* invalid = ReadLine(line, length, &record, &b->fields);
    if (invalid)
        ReportInvalid(&b->report, invalid);
    else if (ComputeScan(&record, &b->fields))
        ReportRejection(&b->report, &record, b->fields.rejectedId,
                        b->fields.input[InputIndex(b->fields.rejectedId)]);
    else
        ReportResult(&b->report, &record, &b->fields, nullptr, b->scannerDpi);
    // In text, each line's answer is a paragraph of its own.
    if (b->format == FORMAT_TEXT && b->lines > 0)
        OutWrite(&b->out, "\n", 1);
    b->lines++;
    WriteReport(&b->out, b->format, &b->columns, &b->report);
    if (b->report.has[KEY_WARNING]) {
        char count[FIXED_TEXT_MAX], where[FIXED_TEXT_MAX + 16];
        FormatCount(b->lines, count);
        FormatTextN(where, sizeof where, "line %s: ", count);
        WriteWarning(&b->messages, &b->report, where);
    }
}

int EndAnswers(Answers* b)
{
    int failed = OutFlush(&b->out);
    OutFlush(&b->messages);
    OutClose(&b->out);
    OutClose(&b->messages);
    return failed;
}

int RunBatch(FILE* in, FILE* out, FILE* err, int format, const double* scannerDpi)
{
    static Answers b;
    size_t size = READ_BLOCK;
    if (StartAnswers(&b, out, err, format, 0, scannerDpi))
        return 3;
    // One spare byte, so a last line without newline has room for its terminator.
    char* data = (char*)std::malloc(size + 1);
    if (!data) {
        EndAnswers(&b);
        std::fputs("velortin-calc: out of memory\n", err);
        return 3;
    }
    int status = 0;
    size_t held = 0;  // bytes of an unfinished line at the start of data
    for (;;) {
        if (held == size) {
            char* grown = (char*)std::realloc(data, 2 * size + 1);
            if (!grown) {
                std::fputs("velortin-calc: out of memory for a long line\n", err);
                status = 3;
                break;
            }
            data = grown;
            size *= 2;
        }
        size_t got = std::fread(data + held, 1, size - held, in);
        if (got == 0) {
            if (std::ferror(in)) {
                std::fputs("velortin-calc: cannot read the input\n", err);
                status = 3;
            } else if (held > 0) {
                AnswerLine(&b, data, held);
            }
            break;
        }
        char* end = data + held + got;
        char* line = data;
        // Lines before held bytes were already searched; start after them.
        char* search = data + held;
        for (char* newline; (newline = (char*)std::memchr(search, '\n', (size_t)(end - search)));
             line = search = newline + 1)
            AnswerLine(&b, line, (size_t)(newline - line));
        held = (size_t)(end - line);
        std::memmove(data, line, held);
    }
    std::free(data);
    if (EndAnswers(&b) && status == 0) {
        std::fputs("velortin-calc: cannot write the results\n", err);
        status = 3;
    }
    return status;
}
