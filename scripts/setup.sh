#!/usr/bin/env bash
# Installs what building, running and testing Velortin needs on Debian bookworm, and the
# browser tests' npm packages as their lock file pins them.
# Idempotent: when everything is already there it only checks and returns.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

need_i386=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    need_i386=1
fi

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    googletest libbenchmark-dev
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    wine wine32:i386 wine64
    xvfb xdotool x11-utils imagemagick
    fonts-wine fonts-liberation
    python3
    nsis lintian help2man zip unzip dpkg-dev man-db
    emscripten chromium firefox-esr webkit2gtk-driver
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -gt 0 ] || [ "$need_i386" -eq 1 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Node.js and npm come with the machine; Debian's own are the fallback.
if ! command -v npm >/dev/null; then
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends nodejs npm >/dev/null
fi
# puppeteer-core drives the chromium above and downloads no browser of its own.
web_tests="$(dirname "$0")/../tests/web"
if ! cmp -s "$web_tests/package-lock.json" "$web_tests/node_modules/.velortin-lock"; then
    echo "setup: installing the browser tests' npm packages"
    (cd "$web_tests" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    cp "$web_tests/package-lock.json" "$web_tests/node_modules/.velortin-lock"
fi
