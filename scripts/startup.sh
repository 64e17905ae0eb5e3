#!/usr/bin/env bash
# Measures Velortin's start-up to a painted window under Wine against a minimal Win32
# program, on a private virtual display. Usage: scripts/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target velortin minimal_window startup_probe >/dev/null
export VELORTIN_WINEPREFIX="$PWD/build/win32/wineprefix"
scripts/wine-prefix.sh "$VELORTIN_WINEPREFIX"
display=":86"
scripts/xvfb.sh start "$display"
trap 'WINEPREFIX="$VELORTIN_WINEPREFIX" wineserver -k 2>/dev/null || true; scripts/xvfb.sh stop "$display"' EXIT
export DISPLAY="$display"
b=build/win32
scripts/wine-run.sh "$b/bench/window/startup_probe.exe" "$runs" \
    "Z:$PWD/$b/bench/window/minimal_window.exe" "Z:$PWD/$b/ui/velortin.exe"
