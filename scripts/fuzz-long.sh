#!/usr/bin/env bash
# Runs each fuzzing target for a long while, one after the other, each from its checked-in
# seeds alone, and reports its runs per second, its coverage (edges and features) and what
# it found; a finding ends that target's run. A measurement, not a test: the short runs of
# the fuzz preset are the tests.
# Usage: scripts/fuzz-long.sh [seconds per target, default 600]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null
out=build/fuzz-long
rm -rf "$out"
mkdir -p "$out"

for run in "core velortin_fuzz_core corpus-core" "calc velortin_fuzz_calc corpus-calc"; do
    set -- $run
    name=$1 target=build/fuzz/fuzz/$2 seeds=fuzz/$3
    mkdir -p "$out/$name-work" "$out/$name-findings"
    echo "== $name: $seconds s, load before: $(cut -d' ' -f1-3 /proc/loadavg)"
    status=0
    "$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$out/$name-findings/" "$out/$name-work" "$seeds" \
        >"$out/$name.log" 2>&1 || status=$?
    echo "load after: $(cut -d' ' -f1-3 /proc/loadavg), exit status $status"
    grep -E '^#[0-9]+' "$out/$name.log" | tail -1 | sed 's/ lim:.*exec/ exec/'
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' \
        "$out/$name.log" || true
    echo "findings: $(ls "$out/$name-findings" | wc -l) (in $out/$name-findings)"
    grep -hE 'property failed|^SUMMARY' "$out/$name.log" | sort | uniq -c || true
done
