#!/usr/bin/env bash
# Sets up only what the window needs, builds it and runs it under Wine. With a display
# the window opens there; without one it runs on a private virtual display, saves a
# screenshot and closes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh window
. scripts/wine-session.sh
exe=build/win32/ui/velortin.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    wine_session "$DISPLAY" velortin
    exec scripts/wine-run.sh "$exe"
fi

wine_session ":79" velortin
scripts/wine-run.sh "$exe" &
pid=$!
if ! read -r x y w h < <(scripts/window-geometry.sh) || [ -z "${h:-}" ]; then
    echo "run: the window did not appear" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
geometry="${w}x${h}+$x+$y"
mkdir -p build
import -window root -crop "$geometry" +repage build/screenshot.png
echo "run: window $geometry, screenshot saved to build/screenshot.png"

# Closing the window the way a user would: WM_CLOSE to the program's top-level window.
scripts/wine-run.sh taskkill /im velortin.exe >/dev/null
status=0
wait "$pid" || status=$?
echo "run: velortin exited with code $status"
exit "$status"
