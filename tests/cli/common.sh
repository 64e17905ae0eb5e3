# Shared helpers of the velortin-calc tests: run the program, compare, count failures.
# The program's command (an emulator and the .exe, or the native binary) is in CLI.
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run <stdin-file> args...: leaves stdout, stderr and the exit status in $work/out, $work/err, $status.
run() {
    local input="$1"
    shift
    "${CLI[@]}" "$@" <"$input" >"$work/out" 2>"$work/err"
    status=$?
}

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect_file <what> <expected-file> <actual-file>
expect_file() {
    if ! cmp -s "$2" "$3"; then
        fail "$1: output differs (expected, then actual):"
        diff "$2" "$3" | head -40 | cat -A
    fi
}

finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failure(s)"
        exit 1
    fi
    echo "all passed"
}
