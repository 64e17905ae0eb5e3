#!/usr/bin/env bash
# Measures velortin-calc --batch on a million lines in each output format, natively, and
# prints each against the default, tsv. Given two or more programs, it measures them side
# by side on the same lines, runs alternating, each format against the first program's.
# A timing, not a test.
# Usage: scripts/bench-batch.sh [-n lines] [velortin-calc to measure...]
# Without a program it builds and measures the release build of the bench preset.
set -euo pipefail
cd "$(dirname "$0")/.."
lines=1000000
if [ "${1:-}" = -n ]; then
    lines="$2"
    shift 2
fi
calcs=("$@")
if [ ${#calcs[@]} -eq 0 ]; then
    cmake --preset bench >/dev/null
    cmake --build --preset bench --target velortin-calc >/dev/null
    calcs=(build/bench/cli/velortin-calc)
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

# Processor time (user and system) of one run, in seconds: other work on the machine
# stretches the wall-clock time far more than it does this.
cpu_time() {
    local calc="$1"
    shift
    { TIMEFORMAT='%3U %3S'; time "$calc" --batch "$@" <"$work/in" >"$work/out"; } 2>&1 |
        awk '{ print $1 + $2 }'
}

echo "$lines lines ($(wc -c <"$work/in") bytes in); best of five runs, the programs alternating"
# The default (tsv) first: a program from before --format can be measured too.
base=""
for format in default tsv text csv json; do
    args=()
    [ "$format" = default ] || args=(--format "$format")
    best=()
    for _ in 1 2 3 4 5; do
        for i in "${!calcs[@]}"; do
            if ! "${calcs[i]}" --batch "${args[@]}" </dev/null >/dev/null 2>&1; then
                best[i]=none
                continue
            fi
            t=$(cpu_time "${calcs[i]}" "${args[@]}")
            best[i]=$(awk -v t="$t" -v b="${best[i]:-}" 'BEGIN { print (b == "" || t < b) ? t : b }')
        done
    done
    base=${base:-${best[0]}}
    for i in "${!calcs[@]}"; do
        [ "${best[i]}" = none ] && continue
        awk -v f="$format" -v t="${best[i]}" -v n="$lines" -v base="$base" -v first="${best[0]}" \
            -v calc="${calcs[i]}" 'BEGIN {
            printf "%-8s %6.3f s  %9.0f lines/s  %5.2fx the default", f, t, n / t, t / base
            if (calc != "" && first != "none") printf "  %5.2fx the first  %s", t / first, calc
            printf "\n" }'
    done
done
