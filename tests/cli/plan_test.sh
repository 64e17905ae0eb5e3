#!/usr/bin/env bash
# velortin-calc's named values: sizes by name, fitting, the scanner's limit, the formats
# and bad values. JSON and CSV are read back with Python's own parsers.
# Usage: plan_test.sh <command to run velortin-calc...>
CLI=("$@")
. "$(dirname "$0")/common.sh"
: >"$work/empty"

# tsv <columns> args...: the given columns of the tsv answer, tabs as spaces. Columns: 1-7
# the seven texts, then fit, print w h, image w h, border x y, crop x y, largest w h, warning.
tsv() {
    local columns="$1"
    shift
    run "$work/empty" --format tsv "$@"
    [ "$status" -eq 0 ] || fail "$* --format tsv: exit status $status: $(head -c 200 "$work/err")"
    cut -f "$columns" "$work/out" | tr '\t' ' '
}
# table <columns> <fixed args...>: lines of "expected | args" on stdin.
table() {
    local columns="$1" expected args got
    shift
    while IFS='|' read -r expected args; do
        expected=$(echo $expected)
        got=$(tsv "$columns" "$@" $args)
        [ "$got" = "$expected" ] || fail "$* $args: expected '$expected', got '$got'"
    done
}

# Each named size once, in millimetres; a square original keeps the print as named.
table 1-2 <<'EOF'
36.0 24.0    | --original 35mm
24.0 18.0    | --original half
30.2 16.7    | --original aps
56.0 41.5    | --original 645
56.0 56.0    | --original 6x6
56.0 70.0    | --original 6x7
56.0 84.0    | --original 6x9
101.6 127.0  | --original 4x5
127.0 177.8  | --original 5x7
203.2 254.0  | --original 8x10
EOF
table 9-10 --original 10x10mm --output-units mm <<'EOF'
101.6 152.4  | --print 4x6
127.0 177.8  | --print 5x7
203.2 254.0  | --print 8x10
279.4 355.6  | --print 11x14
406.4 508.0  | --print 16x20
148.0 210.0  | --print a5
210.0 297.0  | --print a4
297.0 420.0  | --print a3
420.0 594.0  | --print a2
215.9 279.4  | --print letter
EOF

# Fitting, worked by hand: output width and height, print as laid, image, border and crop
# on each side. Landscape, portrait (also onto a print named landscape) and square.
table 3,4,9-16 --output-units mm <<'EOF'
254.0 169.3 254.0 203.2 254.0 169.3 0.0 16.9 0.0 0.0 | --original 35mm --print 8x10
304.8 203.2 254.0 203.2 254.0 203.2 0.0 0.0 3.0 0.0  | --original 35mm --print 8x10 --fit fill
297.0 371.3 297.0 420.0 297.0 371.3 0.0 24.4 0.0 0.0 | --original 6x7 --print a3 --fit inside
336.0 420.0 297.0 420.0 297.0 420.0 0.0 0.0 3.3 0.0  | --original 6x7 --print a3 --fit fill
169.3 254.0 203.2 254.0 169.3 254.0 16.9 0.0 0.0 0.0 | --original 24x36mm --print 10x8in
203.2 203.2 203.2 254.0 203.2 203.2 0.0 25.4 0.0 0.0 | --original 6x6 --print 8x10
254.0 254.0 203.2 254.0 203.2 254.0 0.0 0.0 5.6 0.0  | --original 6x6 --print 8x10 --fit fill
EOF

# Planned values give the window's results for the same values typed in.
while IFS='|' read -r planned positional; do
    a=$(tsv 1-7 $planned)
    b=$(tsv 1-7 $positional)
    [ -n "$a" ] && [ "$a" = "$b" ] || fail "$planned: '$a', but $positional gives '$b'"
done <<'EOF'
--original 35mm --print 8x10                             | 36 24 10 10 720
--original 6x7 --print a3 --fit fill --output-units mm   | --output-units mm 56 70 336 10 720
--output-width 203.2mm --distance 25.4cm --resolution 1,440 --printer press --output-units mm --distance-units cm | --output-units mm --distance-units cm --printer press 24 36 203.2 25.4 1,440
EOF
[ "$(tsv 1-7 24 36 8 10 720)" = "$(tsv 1-7 --resolution 720)" ] || fail "start-up values differ"

# The scanner: the warning on stderr with status 0, the largest print in the answer.
# 20 in at 250 dpi (the eye's limit) is 5000 pixels over 36 mm: 3527.8 dpi; 2400 dpi
# reaches 20 x 2400 / 3527.8 = 13.61 in.
run "$work/empty" --original 35mm --print 16x20 --printer continuous --scanner 2400
[ "$status" -eq 0 ] || fail "scanner: exit status $status"
printf 'velortin-calc: warning: the scan needs 3527.8 dpi, more than the scanner'"'"'s 2400 dpi; the largest print at full detail is 13.61 x 9.07 in\n' >"$work/expected"
expect_file "scanner: warning" "$work/expected" "$work/err"
[ "$(tail -1 "$work/out")" = "Largest print at 2400 dpi: 13.61 x 9.07 in" ] || fail "scanner: got $(tail -1 "$work/out")"
[ "$(tsv 8- --original 35mm --print 16x20 --printer continuous --scanner 3600)" = \
  "inside 20.00 16.00 20.00 13.33 0.00 1.33 0.0 0.0 20.41 13.61 " ] || fail "scanner 3600 in tsv"
[ -s "$work/err" ] && fail "scanner 3600: expected no warning, got $(cat "$work/err")"

# JSON of a result, a rejection, and batch lines of every kind; CSV quoting.
printf '1\t0\t2\t2\t24\t36\t8\t10\t%s\n' 720 7200 >"$work/scanned"
printf '1\t9\t2\t2\t24\t36\t8\t10\t720\n' >>"$work/scanned"
printf '1\t0\t2\t2\t24\t36\t8\t10\t1\001\351\303\251"\\\r\n\t\n1\t0\t2\t2\t24\t36\t8\t10\t720\n' >"$work/odd"
run "$work/empty" --format json --original 35mm --print 8x10 --scanner 1000 && cp "$work/out" "$work/result"
run "$work/empty" --format json 24 36 -5 10 720 && echo "$status" >"$work/rejected_status" && cp "$work/out" "$work/rejected"
run "$work/scanned" --batch --format json --scanner 2000 && cp "$work/out" "$work/scanned_out" && cp "$work/err" "$work/scanned_err"
run "$work/odd" --batch --format json && cp "$work/out" "$work/odd_json"
run "$work/odd" --batch --format csv && cp "$work/out" "$work/odd_csv"
run "$work/empty" --format csv 24 36 $'8,"\r\n' 10 720 && cp "$work/out" "$work/quoted"
python3 - "$work" <<'EOF' || fail "json and csv (see above)"
import csv, io, json, sys
w = sys.argv[1]
def lines(name):
    return [json.loads(l) for l in open(f"{w}/{name}", "rb").read().split(b"\n") if l]
def expect(what, got, want):
    if got != want:
        print(f"FAIL: {what}: expected {want!r}, got {got!r}"); sys.exit(1)
[r] = lines("result")
expect("result numbers", [r[k] for k in ("pixels_x", "pixels_y", "megapixels", "bytes_8bit", "bytes_16bit")],
       [2057, 1371, 2.820147, 8460441, 16920882])
expect("scan_dpi", abs(r["scan_dpi"] - 254.0005 / 36 * 720 * 2 / 7) < 1e-9, True)
expect("result texts", [r[k] for k in ("scan_resolution", "scan_pixels", "fit", "border_y", "largest_print_width")],
       ["1451.4", "2057 x 1371", "inside", "0.67", "6.89"])
expect("result warning", r["warning"], "the scan needs 1451.4 dpi, more than the scanner's 1000 dpi")
expect("rejection", lines("rejected"), [{"error": "Physical dimensions must be > 0.0", "field": "output_width", "text": "-5"}])
expect("rejection status", open(f"{w}/rejected_status").read().strip(), "1")
s = lines("scanned_out")
expect("batch scanner", ["warning" in s[0], "warning" in s[1], s[2]], [False, True, {"invalid": "index"}])
expect("batch warning", open(f"{w}/scanned_err").read().startswith("velortin-calc: line 2: warning: the scan needs"), True)
odd = lines("odd_json")
expect("odd bytes", odd[0]["text"], '1\x01\xe9\xe9"\\\r')
expect("odd lines", [odd[1], odd[2]["scan_pixels"], len(odd)], [{"invalid": "columns"}, "1646 x 2469", 3])
rows = list(csv.reader(io.StringIO(open(f"{w}/odd_csv", encoding="latin-1", newline="").read())))
expect("csv rows", [len(rows), len(set(map(len, rows))), rows[1][rows[0].index("text")], rows[2][-1]],
       [4, 1, '1\x01\xe9\xc3\xa9"\\\r', "columns"])
raw = open(f"{w}/quoted", "rb").read()
expect("csv line ends", raw.count(b"\r\n"), 3)
rows = list(csv.DictReader(io.StringIO(raw.decode(), newline="")))
expect("csv quoting", [rows[0]["text"], rows[0]["field"], rows[0]["input_width"]], ['8,"\r\n', "output_width", ""])
EOF

# Bad values: a message naming the option, status 2, nothing on stdout.
while IFS='|' read -r message args; do
    message="${message%"${message##*[! ]}"}"
    run "$work/empty" $args
    [ "$status" -eq 2 ] && [ ! -s "$work/out" ] || fail "$args: expected status 2 and no output, got $status"
    head -1 "$work/err" | grep -qF "velortin-calc: $message" || fail "$args: expected '$message', got $(head -1 "$work/err")"
done <<'EOF'
--original: unknown size 'foo'            | --original foo
--print: '20x25' has no unit              | --print 20x25
--original: '36-24mm' is not WxHUNIT      | --original 36-24mm
--original: '0x24mm' is not a width       | --original 0x24mm
--print: '-8x10in' is not a width         | --print -8x10in
--output-width: '8' has no unit           | --output-width 8
--distance: '0cm' is not a length         | --distance 0cm
--resolution: '0' is not a number         | --resolution 0
--fit: unknown value 'wide'               | --fit wide --print a4
--fit needs --print                       | --fit fill
--format: unknown value 'xml'             | --format xml 24 36 8 10 720
--scanner: '-1' is not a resolution       | --scanner -1 --original 35mm
--original needs a value                  | --original
--print sets the output width             | --print a4 --output-width 8in
give either the five field texts          | --original 35mm 24 36 8 10 720
--batch reads its values from its lines   | --batch --print a4
EOF

# A value longer than a window's field could hold is refused, not cut short.
run "$work/empty" --resolution "$(printf '%0300d' 7)"
[ "$status" -eq 2 ] && grep -qF "longer than a field's 254" "$work/err" || fail "300-character resolution: status $status"

# text and tsv named explicitly are today's defaults.
run "$work/empty" 24 36 8 10 720 && cp "$work/out" "$work/expected"
run "$work/empty" --format text 24 36 8 10 720
expect_file "--format text" "$work/expected" "$work/out"
run "$work/odd" --batch && cp "$work/out" "$work/expected"
run "$work/odd" --batch --format tsv
expect_file "--batch --format tsv" "$work/expected" "$work/out"

finish
