#!/bin/sh
# velortin: starts the Velortin window, a 32-bit Windows program, under Wine, in a private
# Wine prefix of the user's own that it makes quietly on first use.
set -eu

if ! command -v wine >/dev/null 2>&1; then
    echo "velortin: Wine is not installed. Velortin is a Windows program and runs under Wine;" >&2
    echo "velortin: install it first, for example with: sudo apt install wine wine32" >&2
    exit 1
fi

exe="$(dirname "$(readlink -f "$0")")/../lib/velortin/velortin.exe"
case "${XDG_DATA_HOME:-}" in
/*) data="$XDG_DATA_HOME/velortin" ;;
*) data="${HOME:?velortin: HOME is not set}/.local/share/velortin" ;;
esac
prefix="$data/prefix"

# No Mono or Gecko installer prompts, no Wine messages in the terminal, and a 32-bit prefix:
# the program is 32-bit, and such a prefix is half the size of a 64-bit one.
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32

if [ ! -d "$prefix" ]; then
    mkdir -p "$data"
    # One launcher makes the prefix while any other waits for it. It is made under another
    # name and renamed when complete, so an interrupted first run leaves no half-made prefix.
    (
        flock 9
        if [ ! -d "$prefix" ]; then
            rm -rf "$prefix.new"
            export WINEPREFIX="$prefix.new"
            wineboot -u >/dev/null 2>&1 || true
            # Linux has no Times New Roman; Liberation Serif has the same metrics.
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
                /d 'Liberation Serif' /f >/dev/null 2>&1 || true
            # Debian's Wine does not look in its own font folder (Marlett and friends).
            cp -f /usr/share/wine/fonts/*.ttf "$prefix.new/drive_c/windows/Fonts/" 2>/dev/null || true
            wineserver -w || true
            if [ ! -f "$prefix.new/system.reg" ]; then
                echo "velortin: Wine could not make its prefix in $prefix.new" >&2
                exit 1
            fi
            mv -T "$prefix.new" "$prefix"
        fi
    ) 9>"$data/prefix.lock"
fi

exec wine "$exe"
