#!/usr/bin/env bash
# Creates the private Wine prefix once, before any test runs in parallel: first use races.
# Also turns off Wine's wait for a window manager, which a bare Xvfb lacks, and lets the
# metric-compatible Liberation Serif stand in for Times New Roman, which Linux lacks.
set -eu
prefix="$1"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
if [ -f "$prefix/.velortin-ready-3" ]; then exit 0; fi
mkdir -p "$prefix"
wineboot -u >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
# Debian's Wine does not look in its own font folder, so the caption buttons would lose
# their Marlett glyphs; the prefix gets copies.
cp -f /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
touch "$prefix/.velortin-ready-3"
