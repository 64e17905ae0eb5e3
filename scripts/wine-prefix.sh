#!/usr/bin/env bash
# Creates the private Wine prefix once, before any test runs in parallel: first use races.
# Also turns off Wine's wait for a window manager, which a bare Xvfb lacks, and lets the
# metric-compatible Liberation Serif stand in for Times New Roman, which Linux lacks.
# A 64-bit prefix runs the program as 64-bit Windows does; with Wine's 32-bit part alone
# (scripts/setup.sh window), a 32-bit one. A prefix of the other kind is made anew.
set -eu
prefix="$1"
arch=win32 ready="$prefix/.velortin-ready-3-win32"
if [ -x /usr/lib/wine/wine64 ]; then arch=win64 ready="$prefix/.velortin-ready-3"; fi
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=$arch
if [ -f "$ready" ]; then exit 0; fi
if [ -f "$prefix/system.reg" ] && ! grep -qx "#arch=$arch" "$prefix/system.reg"; then
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
fi
mkdir -p "$prefix"
wineboot -u >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
# Debian's Wine does not look in its own font folder, so the caption buttons would lose
# their Marlett glyphs; the prefix gets copies.
cp -f /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
touch "$ready"
