#!/usr/bin/env bash
# Waits for Velortin's window on $DISPLAY and prints its place and size as "X Y W H", once
# it has settled: it appears at a provisional size and takes its own at once, then paints.
# Prints nothing and fails when no window appears within ten seconds.
set -u
for _ in $(seq 100); do
    id=$(xwininfo -root -tree 2>/dev/null | awk '/"Velortin 1.0"/ {print $1; exit}')
    [ -n "$id" ] && break
    sleep 0.1
done
[ -n "$id" ] || exit 1
sleep 1
xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
