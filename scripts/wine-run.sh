#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's private prefix and quiet settings.
# CTest uses it as the cross-compiling emulator; VELORTIN_WINEPREFIX and DISPLAY come
# from the test's environment.
set -u
export WINEPREFIX="${VELORTIN_WINEPREFIX:-${WINEPREFIX:-$HOME/.wine-velortin}}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH="${WINEARCH:-win64}"
exec wine "$@"
