#!/usr/bin/env bash
# The Debian package: lintian finds no errors in it; unpacked into a temporary root, its
# velortin-calc gives the worked example and its version, both manual pages render, and
# its launcher says so when Wine is missing, and otherwise opens the window with a fresh
# prefix in a home whose path has spaces, started twice at once from two directories.
# Usage: deb_test.sh <deb>
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
PATH=/nonexistent "$launcher" 2>"$work/err" && fail "the launcher ran without Wine"
grep -q "Wine is not installed" "$work/err" || fail "the launcher without Wine said: $(cat "$work/err")"

home="$work/a home"
mkdir "$home" "$work/elsewhere"
(cd / && HOME="$home" XDG_DATA_HOME="" exec "$launcher") &
first=$!
(cd "$work/elsewhere" && HOME="$home" XDG_DATA_HOME="" exec "$launcher") &
second=$!
prefix="$home/.local/share/velortin/prefix"
if shown 2; then
    WINEPREFIX="$prefix" wine taskkill /im velortin.exe >/dev/null 2>&1
else
    kill "$first" "$second"
    for dir in "$prefix" "$prefix.new"; do [ ! -d "$dir" ] || WINEPREFIX="$dir" wineserver -k; done
fi
wait "$first" || fail "first launcher: exit status $?"
wait "$second" || fail "second launcher: exit status $?"
WINEPREFIX="$prefix" wineserver -w
[ -f "$prefix/system.reg" ] || fail "no Wine prefix at $prefix"
[ -e "$prefix.new" ] && fail "a half-made prefix was left at $prefix.new"
finish
