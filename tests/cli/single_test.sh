#!/usr/bin/env bash
# velortin-calc with one calculation on its command line: results, rejections, usage errors.
# Usage: single_test.sh <command to run velortin-calc...>
CLI=("$@")
. "$(dirname "$0")/common.sh"
: >"$work/empty"

# check <name> <exit status> <expected stdout> <expected stderr> args...
# Stdout is compared in full; an expected stdout of "*" means "any".
check() {
    local name="$1" code="$2" out="$3" err="$4"
    shift 4
    run "$work/empty" "$@"
    [ "$status" -eq "$code" ] || fail "$name (args: $*): exit status expected $code, got $status"
    if [ "$out" != "*" ]; then
        printf '%s' "$out" >"$work/expected"
        expect_file "$name (args: $*): stdout" "$work/expected" "$work/out"
    fi
    printf '%s' "$err" >"$work/expected"
    expect_file "$name (args: $*): stderr" "$work/expected" "$work/err"
}

# Seven result lines: the labels of the window and the units of the selections.
results() {
    printf 'Input width: %s\nInput height: %s\nOutput width: %s\nOutput height: %s\n' "$1" "$2" "$3" "$4"
    printf 'Viewing distance: %s\nScan Resolution (dpi): %s\nScan Pixels: %s\n' "$5" "$6" "$7"
}

# The worked examples of the calculation, with the scan sizes worked out by hand:
# 1646 x 2469 = 4063974 pixels, 2000 x 3000 = 6000000, 1800 x 2700 = 4860000, 1000 x 1500 = 1500000.
check "dithered start-up" 0 "$(results '24.0 mm' '36.0 mm' '8.00 in' '12.00 in' '10.00 in' 1741.7 '1646 x 2469')
Megapixels: 4.06
Size at 8 bits per channel: 12191922 bytes (12.19 MB, 11.63 MiB)
Size at 16 bits per channel: 24383844 bytes (24.38 MB, 23.25 MiB)
" "" 24.0 36.0 8.0 10.0 720.0
check "continuous, eye limits" 0 "$(results '24.0 mm' '36.0 mm' '8.00 in' '12.00 in' '10.00 in' 2116.7 '2000 x 3000')
Megapixels: 6.00
Size at 8 bits per channel: 18000000 bytes (18.00 MB, 17.17 MiB)
Size at 16 bits per channel: 36000000 bytes (36.00 MB, 34.33 MiB)
" "" --printer continuous 24.0 36.0 8.0 10.0 720.0
check "press" 0 "$(results '24.0 mm' '36.0 mm' '8.00 in' '12.00 in' '10.00 in' 1905.0 '1800 x 2700')
Megapixels: 4.86
Size at 8 bits per channel: 14580000 bytes (14.58 MB, 13.90 MiB)
Size at 16 bits per channel: 29160000 bytes (29.16 MB, 27.81 MiB)
" "" --printer press 24.0 36.0 8.0 10.0 150
check "continuous at 20 inches" 0 "$(results '24.0 mm' '36.0 mm' '8.00 in' '12.00 in' '20.00 in' 1058.3 '1000 x 1500')
Megapixels: 1.50
Size at 8 bits per channel: 4500000 bytes (4.50 MB, 4.29 MiB)
Size at 16 bits per channel: 9000000 bytes (9.00 MB, 8.58 MiB)
" "" --printer continuous 24.0 36.0 8.0 20 720.0
check "inches in" 0 "$(results '4.00 in' '6.00 in' '8.00 in' '12.00 in' '10.00 in' 500.0 '2000 x 3000')
Megapixels: 6.00
Size at 8 bits per channel: 18000000 bytes (18.00 MB, 17.17 MiB)
Size at 16 bits per channel: 36000000 bytes (36.00 MB, 34.33 MiB)
" "" --printer continuous --input-units in 4 6 8 10 300

# Each unit option selects its own unit: 2.4 cm is 24 mm, 203.2 mm is the print width, a foot of
# distance leaves the printer (720 dpi dithered) as the limit, as in the start-up example.
check "unit options" 0 "*" "" --input-units cm --output-units mm --distance-units ft 2.4 3.6 203.2 1 720
head -7 "$work/out" >"$work/seven"
results '2.40 cm' '3.60 cm' '203.2 mm' '304.8 mm' '1.00 ft' 1741.7 '1646 x 2469' >"$work/expected"
expect_file "unit options: results" "$work/expected" "$work/seven"
check "metres, options after the texts" 0 "*" "" 0.024 0.036 8 10 720 --input-units m
head -2 "$work/out" >"$work/seven"
printf 'Input width: 0.02 m\nInput height: 0.04 m\n' >"$work/expected"
expect_file "metres: results" "$work/expected" "$work/seven"

# A rejected field names itself; "-5" is a field text, not an option.
rejected() { printf 'velortin-calc: %s Physical dimensions must be > 0.0\n' "$1"; }
check "negative output width" 1 "" "$(rejected 'Output width:')
" 24 36 -5 10 720
check "negative first text" 1 "" "$(rejected 'Input width:')
" -5 36 8 10 720
check "after --" 1 "" "$(rejected 'Input width:')
" -- -5 36 8 10 720
check "option name after --" 1 "" "$(rejected 'Input width:')
" -- --batch 36 8 10 720
check "empty height" 1 "" "$(rejected 'Input height:')
" 24 "" 8 10 720
check "leading blank" 1 "" "$(rejected 'Viewing distance:')
" 24 36 8 " 5" 720
check "trailing letters" 1 "" "$(rejected 'Printer Resolution (dpi):')
" 24 36 8 10 12abc
check "zero line screen" 1 "" "$(rejected 'Line Screen Frequency (lpi):')
" --printer press 24 36 8 10 0
check "first rejection wins" 1 "" "$(rejected 'Input height:')
" 24 abc 0 0 0

# Usage errors: one line naming what is wrong and the pointer to --help on stderr, nothing
# on stdout, status 2.
while IFS='|' read -r message args; do
    message="${message%"${message##*[! ]}"}"
    run "$work/empty" $args
    printf 'velortin-calc: %s\nRun '"'"'velortin-calc --help'"'"' for usage.\n' "$message" >"$work/expected"
    [ "$status" -eq 2 ] && [ ! -s "$work/out" ] || fail "$args: expected status 2 and no output, got $status"
    expect_file "usage error $args" "$work/expected" "$work/err"
done <<'EOF'
too few field texts: 4 given, 5 needed (IN-WIDTH IN-HEIGHT OUT-WIDTH DISTANCE RESOLUTION) | 24 36 8 10
too few field texts: 0 given, 5 needed (IN-WIDTH IN-HEIGHT OUT-WIDTH DISTANCE RESOLUTION) |
too many field texts: '1' after the five                              | 24 36 8 10 720 1
--printer needs a value                                               | 24 36 8 10 720 --printer
--printer: unknown value 'laser'; give continuous, dithered or press   | --printer laser 24 36 8 10 720
--input-units: unknown value 'yd'; give mm, cm, in, ft or m           | --input-units yd 24 36 8 10 720
--output-units: unknown value 'IN'; give mm, cm, in, ft or m          | --output-units IN 24 36 8 10 720
--batch reads its values from its lines; only --format and --scanner go with it | --batch 24 36 8 10 720
--batch reads its values from its lines; only --format and --scanner go with it | --batch --printer press
unknown option '--printr'                                             | --printr press 24 36 8 10 720
unknown option '--bogus'                                              | --bogus
--distance-units needs a value                                        | --help --distance-units
EOF

# Only --help shows the usage: on stdout, with status 0, even after other options.
for args in --help "--printer press --help"; do
    run "$work/empty" $args
    [ "$status" -eq 0 ] && [ ! -s "$work/err" ] && head -1 "$work/out" | grep -q '^Usage: velortin-calc ' &&
        grep -q '^Exit status: ' "$work/out" || fail "$args: status $status, $(head -1 "$work/out")"
done

# Output that cannot be written is status 3, with a message on stderr.
printf '1\t0\t2\t2\t24\t36\t8\t10\t720\n' >"$work/line"
for args in "24 36 8 10 720" "--batch" "--help" "--original 35mm --format json"; do
    "${CLI[@]}" $args <"$work/line" >/dev/full 2>"$work/err"
    status=$?
    [ "$status" -eq 3 ] && grep -q '^velortin-calc: cannot write' "$work/err" ||
        fail "$args >/dev/full: expected status 3, got $status: $(cat "$work/err")"
done

finish
