// One whole Compute: five field texts in, seven result texts out.
#include <benchmark/benchmark.h>

#include "core/text_fields.h"

static void BM_ComputeScan(benchmark::State& state)
{
    static TextFields fields;
    const char* const texts[5] = {"24.0", "36.0", "8.0", "10.0", "720.0"};
    for (int i = 0; i < 5; i++)
        fields.input[i] = texts[i];
    for (auto _ : state) {
        CalcRecord record;  // fresh, as every Compute reads all five texts anew
        int failed = ComputeScan(&record, &fields);
        benchmark::DoNotOptimize(failed);
        benchmark::DoNotOptimize(fields.result);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeScan);
