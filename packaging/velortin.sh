#!/bin/sh
# velortin: starts the Velortin window, a 32-bit Windows program, under Wine in a prefix of
# the user's own; where Wine cannot run it, opens the same calculator as a page instead.
set -eu

here="$(dirname "$(dirname "$(readlink -f "$0")")")"
page="$here/share/velortin/velortin.html"
exe="$here/lib/velortin/velortin.exe"

usage() {
    cat <<EOF
Usage: velortin [--web]
Opens the Velortin calculator window under Wine. Where Wine or its 32-bit part is
missing, or Wine cannot set itself up, it opens the same calculator as a page in your
web browser instead, and says why.

  --web   open the page in your web browser, without starting Wine
  --help  show this help and exit

For the window on a 64-bit system:
  sudo dpkg --add-architecture i386 && sudo apt install wine wine32
EOF
}

# open_page [REASON [HINT]]: says why the window is not shown, if it is not, and hands
# the page to the user's browser.
open_page() {
    [ -z "${1:-}" ] || echo "velortin: $1; opening Velortin in your web browser instead." >&2
    [ -z "${2:-}" ] || echo "velortin: for the window: $2" >&2
    if ! xdg-open "$page"; then
        echo "velortin: no web browser could be started; open $page in one." >&2
        exit 1
    fi
    exit 0
}

# why_no_wine: prints why Wine cannot run a 32-bit program here, or nothing if it can.
why_no_wine() {
    if ! wine=$(command -v wine); then
        echo "Wine is not installed"
    elif lib="$(dirname "$(readlink -f "$wine")")/../lib/wine" &&
        [ -x "$lib/wine64" ] && [ ! -x "$lib/wine" ]; then
        # Debian and Ubuntu ship Wine's 32-bit loader apart, in wine32, beside wine64's.
        echo "Wine's 32-bit part (wine32) is not installed"
    fi
}

case "$#:${1:-}" in
0:) ;;
1:--web) open_page ;;
1:--help) usage; exit 0 ;;
*) usage >&2; exit 2 ;;
esac

reason=$(why_no_wine)
[ -z "$reason" ] || open_page "$reason" "sudo dpkg --add-architecture i386 && sudo apt install wine wine32"

case "${XDG_DATA_HOME:-}" in
/*) data="$XDG_DATA_HOME/velortin" ;;
*) data="${HOME:?velortin: HOME is not set}/.local/share/velortin" ;;
esac
prefix="$data/prefix"
# No Mono or Gecko installer prompts, no Wine messages in the terminal, and a 32-bit prefix:
# the program is 32-bit, and such a prefix is half the size of a 64-bit one.
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32

# make_prefix: one launcher makes the prefix while any other waits for it. It is made under
# another name and renamed when complete, so an interrupted first start leaves none half made.
make_prefix() {
    mkdir -p "$data" 2>/dev/null || return 1
    (
        flock 9 || exit 1
        [ ! -d "$prefix" ] || exit 0
        notice="Setting up Wine for Velortin; this happens once and takes about half a minute"
        echo "velortin: $notice" >&2
        # In the background: without a notification service the call can hang for a while.
        if command -v notify-send >/dev/null 2>&1; then
            notify-send --app-name=Velortin --icon=velortin Velortin "$notice" >/dev/null 2>&1 &
        fi
        rm -rf "$prefix.new"
        export WINEPREFIX="$prefix.new"
        wineboot -u >/dev/null 2>&1 || true
        # Linux has no Times New Roman; Liberation Serif has the same metrics.
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
            /d 'Liberation Serif' /f >/dev/null 2>&1 || true
        # Debian's Wine does not look in its own font folder (Marlett and friends).
        cp -f /usr/share/wine/fonts/*.ttf "$prefix.new/drive_c/windows/Fonts/" 2>/dev/null || true
        wineserver -w 2>/dev/null || true
        if [ -f "$prefix.new/system.reg" ] && mv -T "$prefix.new" "$prefix"; then exit 0; fi
        wineserver -k 2>/dev/null || true
        rm -rf "$prefix.new"
        exit 1
    ) 9>"$data/prefix.lock"
}

if [ ! -d "$prefix" ] && ! make_prefix; then
    open_page "Wine could not set itself up in $prefix"
fi
exec wine "$exe"
