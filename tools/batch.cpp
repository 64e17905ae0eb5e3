// Batch mode. Input is read in large blocks and lines are handled where they lie in the
// block; only a line longer than the whole block makes the block grow, so there is no
// allocation per line. Lines end at '\n' only: every other byte, '\r' included, belongs to
// the line. A last line without a newline still counts.
#include "tools/batch.h"

#include <cstdlib>
#include <cstring>

#include "core/format.h"
#include "tools/batch_line.h"
#include "tools/report_write.h"

namespace {

const size_t READ_BLOCK = 1 << 20;
const size_t OUT_BLOCK = 1 << 20;

struct Batch {
    TextFields fields;
    Report report;
    OutBuffer out;
    OutBuffer messages;
    int format;
    ReportColumns columns;
    const double* scannerDpi;
    double lines;  // counted exactly far beyond any int
};

void HandleLine(Batch* b, char* line, size_t length)
{
    CalcRecord record;
    const char* invalid = ReadBatchLine(line, length, &record, &b->fields);
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

}  // namespace

int RunBatch(FILE* in, FILE* out, FILE* err, int format, const double* scannerDpi)
{
    static Batch b;  // large: kept off the stack
    b.format = format;
    b.columns = {0, scannerDpi != nullptr};
    b.scannerDpi = scannerDpi;
    b.lines = 0;
    size_t size = READ_BLOCK;
    // One spare byte, so a last line without newline has room for its terminator.
    char* data = (char*)std::malloc(size + 1);
    if (!data || OutOpen(&b.out, out, OUT_BLOCK) || OutOpen(&b.messages, err, OUT_BLOCK)) {
        std::free(data);
        OutClose(&b.out);
        std::fputs("velortin-calc: out of memory\n", err);
        return 3;
    }
    WriteHeader(&b.out, format, &b.columns);
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
                HandleLine(&b, data, held);
            }
            break;
        }
        char* end = data + held + got;
        char* line = data;
        // Lines before held bytes were already searched; start after them.
        char* search = data + held;
        for (;;) {
            char* newline = (char*)std::memchr(search, '\n', (size_t)(end - search));
            if (!newline)
                break;
            HandleLine(&b, line, (size_t)(newline - line));
            line = search = newline + 1;
        }
        held = (size_t)(end - line);
        std::memmove(data, line, held);
    }
    if (OutFlush(&b.out) && status == 0) {
        std::fputs("velortin-calc: cannot write the results\n", err);
        status = 3;
    }
    OutFlush(&b.messages);
    OutClose(&b.out);
    OutClose(&b.messages);
    std::free(data);
    return status;
}
