#!/usr/bin/env bash
# The web zip: exactly the page and two texts, and the page is the one the web build made.
# Usage: web_test.sh <zip> <velortin.html of the web build>
. "$(dirname "$0")/common.sh"

unzip -Z1 "$1" | sort >"$work/names"
printf '%s\n' LICENSE.txt README.txt velortin.html >"$work/expected"
expect_file "files in the zip" "$work/expected" "$work/names"
unzip -q "$1" -d "$work/zip"
expect_file "velortin.html" "$2" "$work/zip/velortin.html"
grep -q '^## In a browser' "$work/zip/README.txt" || fail "README.txt: no 'In a browser' section"
finish
