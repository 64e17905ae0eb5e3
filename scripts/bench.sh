#!/usr/bin/env bash
# Builds the benchmark preset, runs it, and prints the speed ratios against the C library
# and the time of one whole Compute. Extra arguments go to the benchmark program.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT
build/bench/bench/velortin_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$csv" --benchmark_out_format=csv "$@"
# Medians of the repetitions; the CSV header line names the columns.
awk -F, '
    /^name,/ { for (i = 1; i <= NF; i++) col[$i] = i; next }
    col["name"] && $1 ~ /_median"$/ {
        name = $1; gsub(/"|_median/, "", name)
        items[name] = $col["items_per_second"]; cpu[name] = $col["cpu_time"]; unit[name] = $col["time_unit"]
    }
    END {
        printf "\nreader:    ParseWholeNumber / strtod   = %.2fx  (target >= 2x)\n", items["BM_ParseWholeNumber"] / items["BM_Strtod"]
        printf "formatter: FormatText %%2f / snprintf  = %.2fx  (target >= 3x)\n", items["BM_FormatText2f"] / items["BM_Snprintf2f"]
        printf "compute:   one ComputeScan           = %.0f %s (target < 1 us)\n", cpu["BM_ComputeScan"], unit["BM_ComputeScan"]
    }' "$csv"
