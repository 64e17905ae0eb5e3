#!/usr/bin/env bash
# Measures the web build: the sizes of velortin.html and of its wasm, the time from
# navigation to the start-up results and one Compute in headless Chromium, and a million
# batch lines through velortin-calc for Node against the native release build.
# Timings and sizes, not a test. Usage: scripts/bench-web.sh [lines]
set -euo pipefail
cd "$(dirname "$0")/.."
lines="${1:-1000000}"
bash scripts/web.sh >/dev/null
wasm=build/web/web/velortin_page.wasm
printf 'velortin.html: %d bytes; its wasm: %d bytes (%d as base64 inline)\n' \
    "$(wc -c <build/web/velortin.html)" "$(wc -c <$wasm)" "$(base64 -w0 <$wasm | wc -c)"
node bench/web/page_bench.mjs build/web/velortin.html

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '#!/bin/sh\nexec node %s "$@"\n' "$PWD/build/web/velortin-calc.mjs" >"$work/velortin-calc"
chmod +x "$work/velortin-calc"
cmake --preset bench >/dev/null
cmake --build --preset bench --target velortin-calc >/dev/null
echo "== native, then Node, side by side"
bash scripts/bench-batch.sh -n "$lines" build/bench/cli/velortin-calc "$work/velortin-calc"
