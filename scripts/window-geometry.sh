#!/usr/bin/env bash
# Waits for Velortin's window on $DISPLAY and prints its place and size as "X Y W H", once
# it has settled: it appears at a provisional size and takes its own at once, then paints.
# Prints nothing and fails when no window appears within ten seconds.
set -u
. "$(dirname "$0")/windows.sh"
id=$(wait_windows 1 10 | head -1) || exit 1
sleep 1
xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
