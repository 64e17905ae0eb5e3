#!/usr/bin/env bash
# Measures velortin-calc --batch on a million lines in each output format, natively, and
# prints each against the default, tsv. A timing, not a test.
# Usage: scripts/bench-batch.sh [velortin-calc to measure] [lines]
# Without a program it builds and measures the release build of the bench preset.
set -euo pipefail
cd "$(dirname "$0")/.."
calc="${1:-}"
lines="${2:-1000000}"
if [ -z "$calc" ]; then
    cmake --preset bench >/dev/null
    cmake --build --preset bench --target velortin-calc >/dev/null
    calc=build/bench/tools/velortin-calc
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Varied lines: every printer and unit, widths and distances that change per line, and
# one line in 50 rejected, one in 100 not valid.
awk -v n="$lines" 'BEGIN {
    for (i = 0; i < n; i++) {
        if (i % 100 == 99) { print "1\t0\t2"; continue }
        res = i % 50 == 49 ? "0" : 150 + i % 2000
        printf "%d\t%d\t%d\t%d\t%d.%d\t%d\t%d,%03d\t%d\t%s\n", i % 3, i % 5, (i / 5) % 5,
            (i / 25) % 5, 10 + i % 90, i % 10, 36 + i % 50, i % 3, i % 1000, 5 + i % 40, res
    }
}' >"$work/in"

# Best of five runs, in seconds of processor time (user and system): other work on the
# machine stretches the wall-clock time far more than it does this.
best_time() {
    local best="" t
    for _ in 1 2 3 4 5; do
        t=$( { TIMEFORMAT='%3U %3S'; time "$calc" --batch "$@" <"$work/in" >"$work/out"; } 2>&1 )
        best=$(awk -v t="$t" -v b="$best" 'BEGIN { split(t, p, " "); t = p[1] + p[2]; print (b == "" || t < b) ? t : b }')
    done
    echo "$best"
}

echo "$calc, $lines lines ($(wc -c <"$work/in") bytes in)"
# The default (tsv) first: a program from before --format can be measured too.
base=""
for format in default tsv text csv json; do
    args=()
    [ "$format" = default ] || args=(--format "$format")
    "$calc" --batch "${args[@]}" </dev/null >/dev/null 2>&1 || continue
    t=$(best_time "${args[@]}")
    base=${base:-$t}
    awk -v f="$format" -v t="$t" -v n="$lines" -v bytes="$(wc -c <"$work/out")" -v base="$base" \
        'BEGIN { printf "%-8s %6.3f s  %9.0f lines/s  %6.1f MB out  %5.2fx the time of the default\n", f, t, n / t, bytes / 1e6, t / base }'
done
