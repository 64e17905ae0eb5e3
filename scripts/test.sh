#!/usr/bin/env bash
# Sets up and runs every test: the native build under AddressSanitizer and
# UndefinedBehaviorSanitizer, the page and velortin-calc for Node against the native
# build (the page in Chromium, Firefox and WebKit), the 32-bit Windows build under Wine
# on a virtual display, a short fuzzing run, and the four packages as users get them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh all

jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for preset in native web win32 fuzz; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs" | tee -a "$log"
done
echo "== packages"
bash scripts/package.sh
ctest --preset package -j "$jobs" | tee -a "$log"
# The benchmarks are timings, not tests: only make sure they still build.
echo "== bench (build only)"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs" >/dev/null

# One closing line over all five runs (set -e has already stopped on any failure).
passed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed' "$log" || true)
failed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*(Failed|Not Run|Timeout|Exception)' "$log" || true)
echo "$passed passed, $failed failed"
