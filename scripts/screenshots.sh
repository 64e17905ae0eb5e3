#!/usr/bin/env bash
# Refreshes the README's pictures: the window with its start-up results, and the printer
# type's list held open over "Printing Press", on a private virtual display; and the page
# at a desktop's and a phone's width, as the browser tests take them.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-session.sh
wine_session ":87" velortin
scripts/wine-run.sh build/win32/ui/velortin.exe &
read -r x y w h < <(scripts/window-geometry.sh)
import -window root -crop "${w}x${h}+$x+$y" +repage docs/screenshot.png
# The printer type field sits in row 5; its list's third line is "Printing Press".
xdotool mousemove $((x + 300)) $((y + 215)) mousedown 1
sleep 0.5
xdotool mousemove $((x + 290)) $((y + 290))
sleep 0.5
import -window root -crop "${w}x${h}+$x+$y" +repage docs/screenshot-list.png
xdotool mouseup 1 key Escape

bash scripts/web.sh >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native --target velortin-calc >/dev/null
VELORTIN_NATIVE_CALC=build/native/cli/velortin-calc node tests/web/page_test.mjs >/dev/null
cp build/web/screenshot-light-900.png docs/screenshot-web.png
cp build/web/screenshot-light-360.png docs/screenshot-web-phone.png
cp build/web/screenshot-dark-360.png docs/screenshot-web-phone-dark.png
echo "screenshots: docs/screenshot.png, docs/screenshot-list.png, docs/screenshot-web.png," \
     "docs/screenshot-web-phone.png, docs/screenshot-web-phone-dark.png"
