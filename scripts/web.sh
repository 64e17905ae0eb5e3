#!/usr/bin/env bash
# Builds Velortin for the web into build/web/: velortin.html, one file that holds the page
# and its wasm and works from disk or any static server; site/, the installable offline
# site that the web zip holds (the page, a manifest, icons and a service worker); and
# velortin-calc.mjs, the command-line companion for Node 18 or later. Sets up first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh web
cmake --preset web >/dev/null
cmake --build --preset web -j "$(nproc)"
ls -l build/web/velortin.html build/web/velortin-calc.mjs
ls -l build/web/site
