// The number texts of JSON and CSV: the program's routine against the one it replaced and
// against snprintf's "%.17g", which reads back but is not the shortest.
#include <benchmark/benchmark.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "cli/shortest_text.h"
#include "core/format.h"
#include "core/text.h"

namespace {

// The old routine, kept here only as the baseline: printf's 17 digits, then shorter
// candidates rounded from those and tried with strtod. It is not always the nearest.
int OldGeneralText(const char* digits, int n, int exponent, int negative, char* out)
{
    while (n > 1 && digits[n - 1] == '0')
        n--;
    char* p = out;
    if (negative)
        *p++ = '-';
    int plain = exponent >= -4 && exponent < 17;
    int point = plain ? exponent + 1 : 1;
    if (point <= 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = point; i < 0; i++)
            *p++ = '0';
    }
    for (int i = 0; i < n || i < point; i++) {
        if (i == point && point > 0)
            *p++ = '.';
        *p++ = i < n ? digits[i] : '0';
    }
    if (!plain) {
        int magnitude = exponent < 0 ? -exponent : exponent;
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        if (magnitude >= 100)
            *p++ = (char)('0' + magnitude / 100);
        *p++ = (char)('0' + magnitude / 10 % 10);
        *p++ = (char)('0' + magnitude % 10);
    }
    *p = 0;
    return (int)(p - out);
}

int OldShortestText(double value, char* out)
{
    if (value != 0 && std::fabs(value) < 1e15 && value == std::trunc(value)) {
        FormatCount(value, out);
        return StringLength(out);
    }
    char text[SHORTEST_TEXT_MAX];
    std::snprintf(text, sizeof text, "%.16e", value);
    int negative = text[0] == '-';
    const char* p = text + negative;
    char digits[18];
    digits[0] = p[0];
    for (int i = 1; i < 17; i++)
        digits[i] = p[i + 1];
    int exponent = std::atoi(p + 19);
    int binaryExponent;
    int subnormal = std::fabs(value) < DBL_MIN;
    int powerOfTwo = std::fabs(std::frexp(value, &binaryExponent)) == 0.5;
    for (int n = subnormal ? 1 : 15; n <= 16; n++) {
        // Rounded up from a 5, the 17 digits may themselves have been rounded up: then
        // the digits cut short are the nearer.
        int nearer = digits[n] >= '5';
        for (int pass = 0; pass < 2; pass++) {
            int up = pass ? !nearer : nearer;
            char rounded[18];
            std::memcpy(rounded, digits, 17);
            int e = exponent, i = n;
            while (up && --i >= 0 && rounded[i] == '9')
                rounded[i] = '0';
            if (up && i < 0) {
                rounded[0] = '1';
                e++;
            } else if (up) {
                rounded[i]++;
            }
            int length = OldGeneralText(rounded, n, e, negative, out);
            if (std::strtod(out, nullptr) == value)
                return length;
            if (digits[n] != '5' && !powerOfTwo)
                break;
        }
    }
    return OldGeneralText(digits, 17, exponent, negative, out);
}

enum { VALUE_COUNT = 4096 };

struct Values {
    double batch[VALUE_COUNT];  // what a batch writes: sizes, resolutions, byte counts
    double bits[VALUE_COUNT];   // random finite bit patterns
};

const Values* MakeValues()
{
    static Values v;
    std::mt19937_64 random(7);
    for (int i = 0; i < VALUE_COUNT; i++) {
        double inches = (10 + i % 90) / 2.54 * (1 + i % 7) / 3.0;
        v.batch[i] = i % 4 == 0 ? std::floor(inches * 1e6) : inches * (150 + i % 2000) / 72.0;
        uint64_t bits;
        do
            bits = random();
        while ((bits >> 52 & 0x7ff) == 0x7ff);
        std::memcpy(&v.bits[i], &bits, sizeof bits);
    }
    return &v;
}

const Values* VALUES = MakeValues();

template <int (*Write)(double, char*)>
void Run(benchmark::State& state, const double* values)
{
    char text[SHORTEST_TEXT_MAX];
    for (auto _ : state) {
        for (int i = 0; i < VALUE_COUNT; i++) {
            int n = Write(values[i], text);
            benchmark::DoNotOptimize(n);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * VALUE_COUNT);
}

int Snprintf17g(double value, char* out)
{
    return std::snprintf(out, SHORTEST_TEXT_MAX, "%.17g", value);
}

void BM_ShortestText_Batch(benchmark::State& s) { Run<ShortestText>(s, VALUES->batch); }
void BM_OldShortestText_Batch(benchmark::State& s) { Run<OldShortestText>(s, VALUES->batch); }
void BM_Snprintf17g_Batch(benchmark::State& s) { Run<Snprintf17g>(s, VALUES->batch); }
void BM_ShortestText_Bits(benchmark::State& s) { Run<ShortestText>(s, VALUES->bits); }
void BM_OldShortestText_Bits(benchmark::State& s) { Run<OldShortestText>(s, VALUES->bits); }
void BM_Snprintf17g_Bits(benchmark::State& s) { Run<Snprintf17g>(s, VALUES->bits); }

}  // namespace

BENCHMARK(BM_ShortestText_Batch);
BENCHMARK(BM_OldShortestText_Batch);
BENCHMARK(BM_Snprintf17g_Batch);
BENCHMARK(BM_ShortestText_Bits);
BENCHMARK(BM_OldShortestText_Bits);
BENCHMARK(BM_Snprintf17g_Bits);
