#!/usr/bin/env bash
# Builds the four packages into build/packages/: the Windows zip and installer from the
# win32 build, the web zip with velortin.html, and the Debian package from the native
# package build, which carries the win32 build's velortin.exe and the web build's
# velortin.html, so those two are built first. Sets up what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh window web package

jobs=$(nproc)
out="$PWD/build/packages"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs" --target velortin velortin-calc
cmake --preset web >/dev/null
cmake --build --preset web -j "$jobs" --target velortin_html
cmake --preset package >/dev/null
cmake --build --preset package -j "$jobs"

rm -rf "$out"
(cd build/win32 && cpack -G "ZIP;NSIS" -B "$out" >/dev/null)
(cd build/package && cpack -G DEB -B "$out" >/dev/null)
(cd build/web && cpack -G ZIP -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls -l "$out"
