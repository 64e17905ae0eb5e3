#!/usr/bin/env bash
# Measures Velortin's start-up to a painted window under Wine against a minimal Win32
# program, on a private virtual display. Usage: scripts/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
. scripts/wine-session.sh
wine_session ":86" velortin minimal_window startup_probe
b=build/win32
scripts/wine-run.sh "$b/bench/window/startup_probe.exe" "$runs" \
    "Z:$PWD/$b/bench/window/minimal_window.exe" "Z:$PWD/$b/ui/velortin.exe"
