#!/usr/bin/env bash
# velortin-calc --batch: one output line per input line, whatever the line holds.
# Usage: batch_test.sh <command to run velortin-calc...>
CLI=("$@")
. "$(dirname "$0")/common.sh"

T=$'\t'
start_up="24.0${T}36.0${T}8.00${T}12.00${T}10.00${T}1741.7${T}1646 x 2469"

# Table of lines: input line (printf format, so bytes can be written as \ooo), then the
# expected output line ('%%' for a percent sign). The five worked examples first.
cases=(
    '1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0'  "$start_up"
    '0\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0'  "24.0${T}36.0${T}8.00${T}12.00${T}10.00${T}2116.7${T}2000 x 3000"
    '2\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t150'    "24.0${T}36.0${T}8.00${T}12.00${T}10.00${T}1905.0${T}1800 x 2700"
    '0\t0\t2\t2\t24.0\t36.0\t8.0\t20\t720.0'    "24.0${T}36.0${T}8.00${T}12.00${T}20.00${T}1058.3${T}1000 x 1500"
    '0\t2\t2\t2\t4\t6\t8\t10\t300'              "4.00${T}6.00${T}8.00${T}12.00${T}10.00${T}500.0${T}2000 x 3000"
    # Units by index: cm for input, mm for output, ft for distance; m for input.
    '1\t1\t0\t3\t2.4\t3.6\t203.2\t1\t720'       "2.40${T}3.60${T}203.2${T}304.8${T}1.00${T}1741.7${T}1646 x 2469"
    '1\t4\t2\t2\t0.024\t0.036\t8\t10\t720'      "0.02${T}0.04${T}8.00${T}12.00${T}10.00${T}1741.7${T}1646 x 2469"
    # A rejected field, in each position.
    '1\t0\t2\t2\t-24\t36.0\t8.0\t10.0\t720.0'   'ERROR'
    '1\t0\t2\t2\t24.0\t36.0\t-8.0\t10.0\t720.0' 'ERROR'
    '1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t0'      'ERROR'
    '1\t0\t2\t2\t24.0\t\t8.0\t10.0\t720.0'      'ERROR'
    '1\t0\t2\t2\t24.0\t36.0\t8.0\t 10\t720.0'   'ERROR'
    # Wrong column counts, the empty line among them.
    '1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0'         "INVALID${T}columns"
    '1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0\t' "INVALID${T}columns"
    '1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0\t1' "INVALID${T}columns"
    ''                                          "INVALID${T}columns"
    '\t\t\t\t\t\t\t'                            "INVALID${T}columns"
    # Indices out of range or not exactly one digit.
    '3\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0'  "INVALID${T}index"
    '1\t5\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0'  "INVALID${T}index"
    '1\t0\t5\t2\t24.0\t36.0\t8.0\t10.0\t720.0'  "INVALID${T}index"
    '1\t0\t2\t5\t24.0\t36.0\t8.0\t10.0\t720.0'  "INVALID${T}index"
    '-1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0' "INVALID${T}index"
    '01\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0' "INVALID${T}index"
    '1 \t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0' "INVALID${T}index"
    '\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0'   "INVALID${T}index"
    '1\t\261\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0' "INVALID${T}index"
    '1\t0\000\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0' "INVALID${T}index"
    # Bytes of 128 and above are text like any other: they end a number.
    '1\t0\t2\t2\t24.0\351\t36.0\t8.0\t10.0\t720.0' 'ERROR'
    '1\t0\t2\t2\t\30024.0\t36.0\t8.0\t10.0\t720.0' 'ERROR'
    # A NUL ends a text where it stands, as an edit field hands a text over.
    '1\t0\t2\t2\t24.0\000junk\t36.0\t8.0\t10.0\t720.0' "$start_up"
    # A carriage return is part of the line: a CRLF line's last text has a trailing byte.
    '1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0\r' 'ERROR'
    # Thousands commas and percent, as the reader takes them.
    '1\t0\t2\t2\t2,4.0\t3,600%%\t8.0\t10.0\t720.0' "$start_up"
)

# 300-byte texts: all of the text counts, so a bad byte at the end is still seen.
zeros297=$(printf '%0297d' 0)
zeros295=$(printf '%0295d' 0)
cases+=("1\\t0\\t2\\t2\\t24.${zeros297}\\t36.0\\t8.0\\t10.0\\t720.0" "$start_up")
cases+=("1\\t0\\t2\\t2\\t24.0${zeros295}x\\t36.0\\t8.0\\t10.0\\t720.0" 'ERROR')

: >"$work/in"
: >"$work/expected"
for ((i = 0; i < ${#cases[@]}; i += 2)); do
    printf -- "${cases[i]}\n" >>"$work/in"
    printf '%s\n' "${cases[i + 1]}" >>"$work/expected"
done
run "$work/in" --batch
[ "$status" -eq 0 ] || fail "table: exit status expected 0, got $status"
[ -s "$work/err" ] && fail "table: expected no stderr, got: $(head -c 200 "$work/err")"
expect_file "table (line by line, in table order)" "$work/expected" "$work/out"

# The last line counts without its newline; a final newline adds no line.
printf '1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0\n3' >"$work/in"
printf '%s\nINVALID\tcolumns\n' "$start_up" >"$work/expected"
run "$work/in" --batch
expect_file "last line without newline" "$work/expected" "$work/out"
printf '\n\n' >"$work/in"
printf 'INVALID\tcolumns\nINVALID\tcolumns\n' >"$work/expected"
run "$work/in" --batch
expect_file "two empty lines" "$work/expected" "$work/out"
: >"$work/in"
run "$work/in" --batch
[ "$status" -eq 0 ] && [ ! -s "$work/out" ] || fail "empty input: expected no output and status 0, got status $status and $(wc -c <"$work/out") bytes"

# Many lines across the read blocks, with one line longer than a block: every line is
# answered, in order.
good=$'1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0'
bad=$'1\t0\t2\t2\t24.0\t36.0\t0\t10.0\t720.0'
{
    for ((i = 0; i < 20000; i++)); do printf '%s\n%s\n' "$good" "$bad"; done
    # Commas are skipped anywhere in a number, so this 3 MB text still reads as 24.
    printf '1\t0\t2\t2\t24.0'; head -c 3000000 /dev/zero | tr '\0' ','; printf '\t36.0\t8.0\t10.0\t720.0\n'
    for ((i = 0; i < 20000; i++)); do printf '%s\n%s\n' "$bad" "$good"; done
} >"$work/in"
{
    for ((i = 0; i < 20000; i++)); do printf '%s\nERROR\n' "$start_up"; done
    printf '%s\n' "$start_up"
    for ((i = 0; i < 20000; i++)); do printf 'ERROR\n%s\n' "$start_up"; done
} >"$work/expected"
run "$work/in" --batch
[ "$status" -eq 0 ] || fail "bulk: exit status expected 0, got $status"
lines_in=$(wc -l <"$work/in")
lines_out=$(wc -l <"$work/out")
[ "$lines_in" -eq "$lines_out" ] || fail "bulk: $lines_in lines in, $lines_out lines out"
expect_file "bulk" "$work/expected" "$work/out"

# JSON strings: valid UTF-8 passes as it is; every other byte, and every control byte, is
# escaped as the character of its Latin-1 reading. Each text is a rejected resolution, so
# the answer gives it back: input text, then the JSON string expected (printf formats).
escapes=(
    'a"b\\c'                 '"a\\"b\\\\c"'
    '\001\037\177\r'         '"\\u0001\\u001f\177\\u000d"'
    '\302\200\303\251'       '"\302\200\303\251"'
    '\342\202\254\355\237\277' '"\342\202\254\355\237\277"'
    '\360\237\230\200\364\217\277\277' '"\360\237\230\200\364\217\277\277"'
    '\351x'                  '"\\u00e9x"'
    '\303'                   '"\\u00c3"'
    '\300\200'               '"\\u00c0\\u0080"'
    '\340\237\277'           '"\\u00e0\\u009f\\u00bf"'
    '\355\240\200'           '"\\u00ed\\u00a0\\u0080"'
    '\364\220\200\200'       '"\\u00f4\\u0090\\u0080\\u0080"'
    '\370\210\200\200\200'   '"\\u00f8\\u0088\\u0080\\u0080\\u0080"'
    '\342\202\303\251\360\237\230' '"\\u00e2\\u0082\303\251\\u00f0\\u009f\\u0098"'
)
: >"$work/in"
: >"$work/expected"
for ((i = 0; i < ${#escapes[@]}; i += 2)); do
    printf "1\\t0\\t2\\t2\\t24\\t36\\t8\\t10\\t${escapes[i]}\\n" >>"$work/in"
    printf '{"error":"Physical dimensions must be > 0.0","field":"resolution","text":%s}\n' \
        "$(printf "${escapes[i + 1]}")" >>"$work/expected"
done
run "$work/in" --batch --format json
expect_file "JSON escapes (in table order)" "$work/expected" "$work/out"

# Text: each line's answer a paragraph, a rejection named by the field's label.
printf '1\t0\t2\t2\t24.0\t36.0\t8.0\t10.0\t720.0\n1\t0\t2\t2\t24\t36\t-8\t10\t720\n1\t0\n2\t0\t2\t2\t24\t36\t8\t10\t0\n' >"$work/in"
{
    printf 'Input width: 24.0 mm\nInput height: 36.0 mm\nOutput width: 8.00 in\nOutput height: 12.00 in\n'
    printf 'Viewing distance: 10.00 in\nScan Resolution (dpi): 1741.7\nScan Pixels: 1646 x 2469\n'
    printf 'Megapixels: 4.06\nSize at 8 bits per channel: 12191922 bytes (12.19 MB, 11.63 MiB)\n'
    printf 'Size at 16 bits per channel: 24383844 bytes (24.38 MB, 23.25 MiB)\n\n'
    printf 'Output width: Physical dimensions must be > 0.0\n\nInvalid line: columns\n\n'
    printf 'Line Screen Frequency (lpi): Physical dimensions must be > 0.0\n'
} >"$work/expected"
run "$work/in" --batch --format text
expect_file "--batch --format text" "$work/expected" "$work/out"

finish
