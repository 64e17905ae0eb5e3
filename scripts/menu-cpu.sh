#!/usr/bin/env bash
# Measures the CPU time a program takes in one second with a drop-down list held open
# (the list's loop polls) against one second idle, under Wine on the win32 build's
# virtual display. Not a test: it prints figures.
# Usage: scripts/menu-cpu.sh [PROGRAM.exe] [--control ID | --point X Y] [--seconds S]
# Without arguments: velortin.exe, on its input-units field (--control 111).
set -euo pipefail
cd "$(dirname "$0")/.."
exe=build/win32/ui/velortin.exe
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then exe=$1; shift; fi
case " $* " in *" --control "* | *" --point "*) ;; *) set -- --control 111 "$@" ;; esac

. scripts/wine-session.sh
cmake --preset win32 >/dev/null
wine_session "$(sed -n 's/^VELORTIN_DISPLAY:STRING=//p' build/win32/CMakeCache.txt)" hold_cpu velortin
# The prefix's wineserver answers every message the program peeks: show its CPU time too.
# It keeps running a few seconds past its last client; find it by its working directory.
WINEPREFIX="$VELORTIN_WINEPREFIX" wineserver -p5 || true  # one may run already
server_dir=$(printf 'server-%x-%x' $(stat -c '%d %i' "$VELORTIN_WINEPREFIX"))
server=""
for p in /proc/[0-9]*; do
    case "$(cat "$p/comm" 2>/dev/null)" in wineserver*)
        [ "$(basename "$(readlink "$p/cwd" 2>/dev/null)")" != "$server_dir" ] || server=${p#/proc/} ;;
    esac
done
[ -z "$server" ] || set -- "$@" --server-stat "Z:\\proc\\$server\\stat"
echo "$exe on $DISPLAY"
scripts/wine-run.sh build/win32/bench/window/hold_cpu.exe "Z:$(realpath "$exe")" "$@"
