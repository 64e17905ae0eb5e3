#!/usr/bin/env bash
# Sets up and runs every test: the native build under AddressSanitizer and
# UndefinedBehaviorSanitizer, the 32-bit Windows build under Wine on a virtual display,
# and a short fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
for preset in native win32 fuzz; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
# The benchmarks are timings, not tests: only make sure they still build.
echo "== bench (build only)"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs" >/dev/null
