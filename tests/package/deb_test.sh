#!/usr/bin/env bash
# The Debian package: lintian finds no errors in it; unpacked into a temporary root, its
# velortin-calc gives the worked example and its version, both manual pages render, and
# its launcher opens the page it carries (the web build's) where Wine is missing, lacks
# its 32-bit part or cannot make a prefix, and with --web; otherwise, started twice at
# once from two directories, it says once that it sets up Wine, makes one fresh prefix
# in a home whose path has spaces and opens the window; a later start says nothing.
# xdg-open and notify-send are recorders that log their arguments.
# Usage: deb_test.sh <deb>; VELORTIN_PAGE names the web build's velortin.html.
. "$(dirname "$0")/common.sh"

lintian --fail-on error "$1" >"$work/lintian" 2>&1 || fail "lintian: $(cat "$work/lintian")"
cat "$work/lintian"
root="$work/root"
dpkg-deb -x "$1" "$root"

CLI=("$root/usr/bin/velortin-calc")
check_example
[ "$("${CLI[@]}" --version | head -1)" = "velortin-calc $VELORTIN_VERSION" ] ||
    fail "velortin-calc --version: $("${CLI[@]}" --version)"
for page in velortin velortin-calc; do
    MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" >"$work/page" 2>"$work/err" ||
        fail "man -l $page.1: exit status $?"
    grep -q "^NAME" "$work/page" && [ ! -s "$work/err" ] ||
        fail "man -l $page.1 gave: $(head -5 "$work/page"; cat "$work/err")"
done

launcher="$root/usr/bin/velortin"
page="$root/usr/share/velortin/velortin.html"
expect_file "the installed page" "$VELORTIN_PAGE" "$page"
bin="$work/bin"
mkdir "$bin" "$work/wine" "$work/h"
for tool in dirname readlink mkdir flock rm cp mv; do ln -s "$(command -v $tool)" "$bin/$tool"; done
for tool in xdg-open notify-send; do
    printf '#!/bin/sh\necho "$*" >>"%s/%s.log"\n' "$work" "$tool" >"$bin/$tool"
done
chmod +x "$bin"/*

# opens_page WHAT SAID ARGS...: the launcher, run with ARGS under env, hands the installed
# page to xdg-open, exits 0 and says SAID on standard error (with an empty SAID, nothing).
opens_page() {
    local what="$1" said="$2"
    shift 2
    rm -f "$work/xdg-open.log"
    env HOME="$work/h" XDG_DATA_HOME="" "$@" 2>"$work/err" || fail "$what: exit status $?"
    [ "$(cat "$work/xdg-open.log" 2>/dev/null)" = "$page" ] ||
        fail "$what: xdg-open got \"$(cat "$work/xdg-open.log" 2>/dev/null)\", not $page"
    if [ -z "$said" ]; then [ ! -s "$work/err" ]; else grep -qF "$said" "$work/err"; fi ||
        fail "$what: expected \"$said\" on stderr, got: $(cat "$work/err")"
}
hint="sudo dpkg --add-architecture i386 && sudo apt install wine wine32"
opens_page "without Wine" "Wine is not installed" PATH="$bin" "$launcher"
grep -qF "$hint" "$work/err" || fail "without Wine: no \"$hint\" in: $(cat "$work/err")"
# A Wine as Debian splits it, with the 64-bit loader only; then one that makes no prefix.
# Its programs log that they ran, and fail.
mkdir -p "$work/wine/bin" "$work/wine/lib/wine"
printf '#!/bin/sh\necho "$0" >>"%s/wine.log"\nexit 1\n' "$work" | tee "$work/wine/bin/wine" \
    "$work/wine/bin/wineboot" "$work/wine/bin/wineserver" "$work/wine/lib/wine/wine64" >/dev/null
chmod +x "$work/wine/bin"/* "$work/wine/lib/wine/wine64"
opens_page "with 64-bit Wine only" "32-bit part" PATH="$bin:$work/wine/bin" "$launcher"
grep -qF "$hint" "$work/err" || fail "with 64-bit Wine only: no \"$hint\" in: $(cat "$work/err")"
rm "$work/wine/lib/wine/wine64"
opens_page "with a Wine that makes no prefix" "could not set itself up" \
    PATH="$bin:$work/wine/bin" "$launcher"
for dir in prefix prefix.new; do
    [ ! -e "$work/h/.local/share/velortin/$dir" ] || fail "a Wine that makes no prefix left $dir"
done
rm -rf "$work/h/.local" "$work/notify-send.log" "$work/wine.log"
opens_page "--web" "" PATH="$bin:$work/wine/bin:$PATH" "$launcher" --web
[ ! -e "$work/wine.log" ] || fail "--web started Wine: $(cat "$work/wine.log")"
"$launcher" --help | grep -q -- "--web" || fail "--help does not tell --web"

home="$work/a home"
mkdir "$home" "$work/elsewhere"
# start DIR LOG: starts the launcher in DIR as a user with that home, stderr to LOG.
start() { (cd "$1" && HOME="$home" XDG_DATA_HOME="" PATH="$bin:$PATH" exec "$launcher" 2>"$2") & }
start / "$work/first.err"
first=$!
start "$work/elsewhere" "$work/second.err"
second=$!
prefix="$home/.local/share/velortin/prefix"
if shown 2; then
    notice="Setting up Wine for Velortin; this happens once and takes about half a minute"
    [ "$(grep -cF "$notice" "$work/notify-send.log" 2>/dev/null)" = 1 ] ||
        fail "not one notice before the window: $(cat "$work/notify-send.log" 2>/dev/null)"
    [ "$(cat "$work/first.err" "$work/second.err")" = "velortin: $notice" ] ||
        fail "two first starts said: $(cat "$work/first.err" "$work/second.err")"
    WINEPREFIX="$prefix" wine taskkill /im velortin.exe >/dev/null 2>&1
else
    kill "$first" "$second"
    for dir in "$prefix" "$prefix.new"; do [ ! -d "$dir" ] || WINEPREFIX="$dir" wineserver -k; done
fi
wait "$first" || fail "first launcher: exit status $?"
wait "$second" || fail "second launcher: exit status $?"
[ -f "$prefix/system.reg" ] || fail "no Wine prefix at $prefix"
[ -e "$prefix.new" ] && fail "a half-made prefix was left at $prefix.new"

rm -f "$work/notify-send.log"
start / "$work/later.err"
later=$!
if shown 1; then WINEPREFIX="$prefix" wine taskkill /im velortin.exe >/dev/null 2>&1; else kill $later; fi
wait $later || fail "a later start: exit status $?"
if [ -s "$work/later.err" ] || [ -e "$work/notify-send.log" ]; then
    fail "a later start said: $(cat "$work/later.err" "$work/notify-send.log" 2>/dev/null)"
fi
WINEPREFIX="$prefix" wineserver -w
finish
