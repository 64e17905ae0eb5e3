// The program's formatter against snprintf, two decimals, on the same values.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/corpus.h"
#include "core/format.h"

static void BM_FormatText2f(benchmark::State& state)
{
    char text[256];
    for (auto _ : state) {
        for (int i = 0; i < SHOWN_VALUE_COUNT; i++) {
            int n = FormatTextN(text, sizeof text, "%2f", SHOWN_VALUES[i]);
            benchmark::DoNotOptimize(n);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * SHOWN_VALUE_COUNT);
}
BENCHMARK(BM_FormatText2f);

static void BM_Snprintf2f(benchmark::State& state)
{
    char text[256];
    for (auto _ : state) {
        for (int i = 0; i < SHOWN_VALUE_COUNT; i++) {
            int n = std::snprintf(text, sizeof text, "%.2f", SHOWN_VALUES[i]);
            benchmark::DoNotOptimize(n);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * SHOWN_VALUE_COUNT);
}
BENCHMARK(BM_Snprintf2f);
