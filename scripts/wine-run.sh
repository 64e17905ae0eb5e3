#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's private prefix and quiet settings.
# CTest uses it as the cross-compiling emulator; VELORTIN_WINEPREFIX and DISPLAY come
# from the test's environment. The prefix, made by scripts/wine-prefix.sh, sets 32 or 64 bits.
set -u
export WINEPREFIX="${VELORTIN_WINEPREFIX:-${WINEPREFIX:-$HOME/.wine-velortin}}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
