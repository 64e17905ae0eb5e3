#!/usr/bin/env bash
# The portable zip: exactly the two programs and two texts, the texts with Windows line
# ends, and its velortin-calc.exe under Wine gives the first worked example.
# Usage: zip_test.sh <zip>
. "$(dirname "$0")/common.sh"

unzip -Z1 "$1" | sort >"$work/names"
printf '%s\n' LICENSE.txt README.txt velortin-calc.exe velortin.exe >"$work/expected"
expect_file "files in the zip" "$work/expected" "$work/names"
unzip -q "$1" -d "$work/zip"
for text in README.txt LICENSE.txt; do
    [ "$(grep -c $'\r$' "$work/zip/$text")" -eq "$(wc -l <"$work/zip/$text")" ] ||
        fail "$text: not every line ends in CR LF"
done
CLI=("$scripts/wine-run.sh" "$work/zip/velortin-calc.exe")
check_example
finish
