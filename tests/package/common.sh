# Shared by the package tests: the velortin-calc helpers, the first worked example, and
# the program's windows on the virtual display.
. "$(dirname "$0")/../cli/common.sh"
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
[ -f "$1" ] || { echo "FAIL: no package $1 (scripts/package.sh makes it)"; exit 1; }

# check_example: the program in CLI gives the first worked example (Dithered, 720 dpi).
check_example() {
    : >"$work/empty"
    run "$work/empty" 24.0 36.0 8.0 10.0 720.0
    [ "$status" -eq 0 ] || fail "worked example: exit status $status, stderr: $(cat "$work/err")"
    head -7 "$work/out" >"$work/seven"
    printf 'Input width: %s\nInput height: %s\nOutput width: %s\nOutput height: %s\n' \
        '24.0 mm' '36.0 mm' '8.00 in' '12.00 in' >"$work/expected"
    printf 'Viewing distance: 10.00 in\nScan Resolution (dpi): 1741.7\nScan Pixels: 1646 x 2469\n' \
        >>"$work/expected"
    expect_file "worked example" "$work/expected" "$work/seven"
}

. "$scripts/windows.sh"
# shown <count>: waits up to 2 minutes until <count> windows titled "Velortin 1.0" show;
# a first run makes its Wine prefix first.
shown() {
    wait_windows "$1" 120 >/dev/null && return 0
    fail "expected $1 window(s) titled \"Velortin 1.0\" to show, saw $(velortin_windows | wc -l)"
    return 1
}
