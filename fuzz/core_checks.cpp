// Properties of the calculation core that must hold for any input. A failed property
// aborts with the input, the expected and the actual value on stderr.
#include "fuzz/core_checks.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/format.h"
#include "core/reader.h"
#include "core/text_fields.h"

namespace {

[[noreturn]] void Fail(const char* what, const char* input, const char* expected, const char* actual)
{
    std::fprintf(stderr, "property failed: %s\n  input:    \"%s\"\n  expected: %s\n  actual:   %s\n",
                 what, input, expected, actual);
    std::abort();
}

// Optional sign, digits with at most one point, at most 15 digits: the reader then forms
// an exact whole number and divides once by an exact power of ten (at most 10^15), which
// is the correctly rounded result strtod also gives.
int IsExactPlainDecimal(const char* text)
{
    const char* p = text;
    if (*p == '+' || *p == '-')
        p++;
    int digits = 0, points = 0;
    for (; *p; p++) {
        if (*p >= '0' && *p <= '9')
            digits++;
        else if (*p == '.')
            points++;
        else
            return 0;
    }
    return digits >= 1 && digits <= 15 && points <= 1;
}

void CheckReadBack(double value, int decimals, int trim, const char* text)
{
    char expected[128], actual[128];
    double back;
    if (ParseWholeNumber(text, &back)) {
        std::snprintf(expected, sizeof expected, "reads back whole (value %.17g)", value);
        Fail("fixed-point text reads back", text, expected, "rejected by the reader");
    }
    double scale = PowerOfTen(decimals);
    double magnitude = std::fabs(value);
    double error = std::fabs(back - value);
    // Inside the 32-bit range the text is the scaled value rounded half up on the double
    // product: off by half a unit of the last decimal, plus the rounding of that product,
    // of the added half and of the reading (each at most half an ulp of what it rounds).
    // Beyond it the text has ten significant digits.
    double allowed = magnitude * scale + 0.5 < 2147483648.0
                         ? 0.5 / scale + 4 * (magnitude + 1 / scale) * 0x1p-52
                         : 1e-8 * magnitude;
    if (!(error <= allowed)) {
        std::snprintf(expected, sizeof expected, "within %.3g of %.17g (%%%s%df)", allowed, value,
                      trim ? "z" : "", decimals);
        std::snprintf(actual, sizeof actual, "%.17g, off by %.3g", back, error);
        Fail("fixed-point text reads back close", text, expected, actual);
    }
}

}  // namespace

double CheckReader(const char* text)
{
    double value;
    int failed = ParseWholeNumber(text, &value);
    if (IsExactPlainDecimal(text)) {
        double reference = std::strtod(text, nullptr);
        if (failed || value != reference) {
            char expected[64], actual[64];
            std::snprintf(expected, sizeof expected, "accepted, %.17g", reference);
            std::snprintf(actual, sizeof actual, "%s, %.17g", failed ? "rejected" : "accepted", value);
            Fail("plain decimal reads as strtod does", text, expected, actual);
        }
    }
    return value;
}

void CheckFormats(double value)
{
    static const char* const FORMATS[] = {"%1f", "%2f", "%0f", "%6f", "%z2f"};
    static const int DECIMALS[] = {1, 2, 0, 6, 2};
    char full[2 * FIXED_TEXT_MAX];
    for (int f = 0; f < 5; f++) {
        int n = FormatTextN(full, sizeof full, FORMATS[f], value);
        if (n < 0 || n >= FIXED_TEXT_MAX || (size_t)n != std::strlen(full))
            Fail("fixed-point text fits FIXED_TEXT_MAX", FORMATS[f], "a short terminated text", full);
        if (std::isfinite(value))
            CheckReadBack(value, DECIMALS[f], f == 4, full);

        // The bounded writer: an exactly sized heap block, so the sanitizer sees any overrun.
        for (size_t size = 1; size <= 12; size += 5) {
            char* part = (char*)std::malloc(size);
            int m = FormatTextN(part, size, FORMATS[f], value);
            size_t expected = (size_t)n < size ? (size_t)n : size - 1;
            if ((size_t)m != expected || std::strncmp(part, full, expected) != 0 || part[m] != 0)
                Fail("bounded text is the terminated prefix", full, "a prefix", part);
            std::free(part);
        }
    }
    char count[FIXED_TEXT_MAX + 1];
    count[FIXED_TEXT_MAX] = 0x5a;
    FormatCount(value, count);
    if (std::strlen(count) >= FIXED_TEXT_MAX || count[FIXED_TEXT_MAX] != 0x5a)
        Fail("count text fits FIXED_TEXT_MAX", "FormatCount", "a short terminated text", count);
}

void CheckCompute(const char* const texts[5], const int selections[4])
{
    static TextFields first, second;
    CalcRecord records[2];
    TextFields* fields[2] = {&first, &second};
    int status[2];
    for (int run = 0; run < 2; run++) {
        CalcRecord* record = &records[run];
        record->printerType = selections[0];
        record->inputUnits = selections[1];
        record->outputUnits = selections[2];
        record->distanceUnits = selections[3];
        TextFields* io = fields[run];
        // Stale texts differ between the runs and are too long, so a text Compute leaves
        // unwritten cannot pass.
        for (int i = 0; i < 7; i++) {
            std::memset(io->result[i], run ? 'B' : 'A', sizeof io->result[i] - 1);
            io->result[i][sizeof io->result[i] - 1] = 0;
        }
        for (int i = 0; i < 5; i++)
            io->input[i] = texts[i];
        io->rejectedId = 0;
        io->computeDisabled = 0;
        status[run] = ComputeScan(record, io);
    }
    char actual[64];
    std::snprintf(actual, sizeof actual, "status %d, rejected field %d, compute disabled %d",
                  status[0], first.rejectedId, first.computeDisabled);
    if (status[0] == 1 && (InputIndex(first.rejectedId) < 0 || first.computeDisabled))
        Fail("a rejection names an input field and leaves Compute", texts[0], "status 1, field", actual);
    if (status[0] == 0 && (first.rejectedId != 0 || !first.computeDisabled))
        Fail("success disables Compute and rejects nothing", texts[0], "status 0", actual);
    if (status[0] != status[1] || first.rejectedId != second.rejectedId)
        Fail("Compute repeats", texts[0], "the same outcome twice", actual);
    if (status[0] != 0)
        return;
    for (int i = 0; i < 7; i++) {
        size_t length = std::strlen(first.result[i]);
        if (length == 0 || length + 1 >= sizeof first.result[i])
            Fail("result texts are whole", texts[0], "a non-empty, untruncated text", first.result[i]);
        if (std::strcmp(first.result[i], second.result[i]) != 0)
            Fail("Compute repeats", texts[0], first.result[i], second.result[i]);
    }
}
