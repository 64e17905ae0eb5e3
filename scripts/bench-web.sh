#!/usr/bin/env bash
# Measures the web build: the sizes of velortin.html, of its wasm and of the whole site; in
# Chromium, Firefox and WebKitGTK the time from navigation to the first results and to the
# first paint, against a static copy of the page; Lighthouse's four scores on the served
# site; and a million batch lines through velortin-calc for Node against the native build.
# Timings, sizes and scores, not a test. Usage: scripts/bench-web.sh [lines]
set -euo pipefail
cd "$(dirname "$0")/.."
lines="${1:-1000000}"
bash scripts/setup.sh web test >/dev/null
bash scripts/web.sh >/dev/null
wasm=build/web/web/velortin_page.wasm
printf 'velortin.html: %d bytes; its wasm: %d bytes (%d as base64 inline); the site: %d bytes in %d files\n' \
    "$(wc -c <build/web/velortin.html)" "$(wc -c <$wasm)" "$(base64 -w0 <$wasm | wc -c)" \
    "$(cat build/web/site/* | wc -c)" "$(ls build/web/site | wc -l)"

# WebKit's MiniBrowser needs a display.
display=":84"
scripts/xvfb.sh start "$display"
work=$(mktemp -d)
trap 'scripts/xvfb.sh stop "$display"; kill "${server:-}" 2>/dev/null; rm -rf "$work"' EXIT
DISPLAY="$display" node bench/web/page_bench.mjs build/web/velortin.html

# Lighthouse, pinned in bench/web, on the site served as a static host would.
if ! cmp -s bench/web/package-lock.json bench/web/node_modules/.velortin-lock; then
    (cd bench/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    cp bench/web/package-lock.json bench/web/node_modules/.velortin-lock
fi
python3 -m http.server 18431 --bind 127.0.0.1 --directory build/web/site >/dev/null 2>&1 &
server=$!
sleep 1
for run in 1 2 3; do node bench/web/lighthouse.mjs http://127.0.0.1:18431/; done

printf '#!/bin/sh\nexec node %s "$@"\n' "$PWD/build/web/velortin-calc.mjs" >"$work/velortin-calc"
chmod +x "$work/velortin-calc"
cmake --preset bench >/dev/null
cmake --build --preset bench --target velortin-calc >/dev/null
echo "== native, then Node, side by side"
bash scripts/bench-batch.sh -n "$lines" build/bench/cli/velortin-calc "$work/velortin-calc"
