#!/usr/bin/env bash
# Installs on Debian bookworm what the named parts of the work need, and no more:
#   scripts/setup.sh [window] [web] [package] [test] [all]    (no group: all)
# window: build the window and run it under Wine's 32-bit part on a virtual display, with
# a screenshot; web: build the page and velortin-calc for Node, and drive the page in
# Chromium (with the browser tests' npm packages as their lock file pins them); package:
# build the four packages and check them; test: the native builds' compilers, sanitizers,
# fuzzer and libraries, Wine's 64-bit half for the tests' 64-bit prefix (a large download
# that running the window does without), xdotool for scripts/screenshots.sh, and Firefox
# and WebKitGTK's driver, in which the browser tests run the page beside Chromium.
# Idempotent: when everything asked for is there it only checks and returns.
set -euo pipefail

declare -A group=(
    [window]="cmake ninja-build python3 googletest g++-mingw-w64-i686-posix
              binutils-mingw-w64-i686 wine wine32:i386 fonts-wine fonts-liberation
              xvfb x11-utils imagemagick"
    [web]="cmake ninja-build python3 emscripten chromium"
    [package]="cmake ninja-build g++ nsis lintian help2man zip unzip dpkg-dev man-db"
    [test]="cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev wine64
            xdotool xvfb firefox-esr webkit2gtk-driver"
)
wanted=()
for name in "${@:-all}"; do
    case "$name" in
    all) wanted+=(window web package test) ;;
    window | web | package | test) wanted+=("$name") ;;
    *) echo "setup: no group $name (window, web, package, test or all)" >&2; exit 2 ;;
    esac
done
packages=()
for name in "${wanted[@]}"; do
    read -r -d '' -a listed <<<"${group[$name]}" || true
    packages+=("${listed[@]}")
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# Wine's 32-bit part is an i386 package.
need_i386=0
if [[ " ${packages[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    need_i386=1
fi

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
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

[[ " ${wanted[*]} " == *" web "* ]] || exit 0
# Node.js and npm come with the machine; Debian's own are the fallback.
if ! command -v npm >/dev/null; then
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends nodejs npm >/dev/null
fi
# puppeteer-core drives Chromium and Firefox and downloads no browser of its own.
web_tests="$(dirname "$0")/../tests/web"
if ! cmp -s "$web_tests/package-lock.json" "$web_tests/node_modules/.velortin-lock"; then
    echo "setup: installing the browser tests' npm packages"
    (cd "$web_tests" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    cp "$web_tests/package-lock.json" "$web_tests/node_modules/.velortin-lock"
fi
