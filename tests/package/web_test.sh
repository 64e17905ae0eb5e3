#!/usr/bin/env bash
# The web zip: exactly the site the web build laid out, file for file.
# Usage: web_test.sh <zip> <site folder of the web build>
. "$(dirname "$0")/common.sh"

unzip -Z1 "$1" | sort >"$work/names"
(cd "$2" && ls) | sort >"$work/expected"
expect_file "files in the zip" "$work/expected" "$work/names"
unzip -q "$1" -d "$work/zip"
diff -r "$2" "$work/zip" >"$work/diff" || fail "the zip differs from $2: $(head -5 "$work/diff")"
grep -q '^## On a phone or tablet' "$work/zip/README.txt" || fail "README.txt: no 'On a phone or tablet' section"
finish
