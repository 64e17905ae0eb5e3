#!/usr/bin/env bash
# Sets up, builds and runs Velortin under Wine. With a display the window opens there;
# without one it runs on a private virtual display, saves a screenshot and closes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target velortin >/dev/null

exe=build/win32/ui/velortin.exe
export VELORTIN_WINEPREFIX="$PWD/build/win32/wineprefix"
scripts/wine-prefix.sh "$VELORTIN_WINEPREFIX"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec scripts/wine-run.sh "$exe"
fi

display=":79"
scripts/xvfb.sh start "$display"
trap 'scripts/xvfb.sh stop "$display"' EXIT
export DISPLAY="$display"
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
# Wine's helper processes would otherwise outlive the virtual display and complain.
WINEPREFIX="$VELORTIN_WINEPREFIX" wineserver -k 2>/dev/null || true
echo "run: velortin exited with code $status"
exit "$status"
