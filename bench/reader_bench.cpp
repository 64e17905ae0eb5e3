// The program's number reader against strtod, on the same field texts.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/corpus.h"
#include "core/reader.h"

static void BM_ParseWholeNumber(benchmark::State& state)
{
    for (auto _ : state) {
        for (int i = 0; i < FIELD_TEXT_COUNT; i++) {
            double value;
            int failed = ParseWholeNumber(FIELD_TEXTS[i], &value);
            benchmark::DoNotOptimize(failed);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * FIELD_TEXT_COUNT);
}
BENCHMARK(BM_ParseWholeNumber);

static void BM_Strtod(benchmark::State& state)
{
    for (auto _ : state) {
        for (int i = 0; i < FIELD_TEXT_COUNT; i++) {
            char* end;
            double value = std::strtod(FIELD_TEXTS[i], &end);
            // The whole-text test, as ParseWholeNumber makes it.
            int failed = *end != 0;
            benchmark::DoNotOptimize(failed);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * FIELD_TEXT_COUNT);
}
BENCHMARK(BM_Strtod);
