#!/usr/bin/env bash
# Builds the four packages into build/packages/: the Windows zip and installer from the
# win32 build, the Debian package from the native package build, which carries the
# win32 build's velortin.exe, and the web zip with velortin.html. Needs no network once
# scripts/setup.sh has run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
out="$PWD/build/packages"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs" --target velortin velortin-calc
cmake --preset package >/dev/null
cmake --build --preset package -j "$jobs"
cmake --preset web >/dev/null
cmake --build --preset web -j "$jobs" --target velortin_html

rm -rf "$out"
(cd build/win32 && cpack -G "ZIP;NSIS" -B "$out" >/dev/null)
(cd build/package && cpack -G DEB -B "$out" >/dev/null)
(cd build/web && cpack -G ZIP -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls -l "$out"
