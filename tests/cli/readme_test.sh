#!/usr/bin/env bash
# The README's examples of planning a scan run as written and print what it shows: each
# "    $ command" line of the section, with the indented lines after it as its output.
# Usage: readme_test.sh <README.md> <command to run velortin-calc...>
readme="$1"
shift
CLI=("$@")
. "$(dirname "$0")/common.sh"
velortin-calc() { "${CLI[@]}" "$@"; }

examples=0
command=""
check_example() {
    [ -n "$command" ] || return
    examples=$((examples + 1))
    (eval "$command") >"$work/out" 2>"$work/err"
    local code=$?
    [ "$code" -eq 0 ] || fail "$command: exit status $code: $(head -c 200 "$work/err")"
    expect_file "$command" "$work/expected" "$work/out"
    command=""
}
while IFS= read -r line; do
    case "$line" in
    "    \$ "*)
        check_example
        command=${line#    \$ }
        : >"$work/expected"
        ;;
    "    "*) [ -n "$command" ] && printf '%s\n' "${line#    }" >>"$work/expected" ;;
    *) check_example ;;
    esac
done < <(sed -n '/^## Planning a scan/,/^## /p' "$readme")
check_example
[ "$examples" -eq 3 ] || fail "expected the README's three examples, found $examples"
finish
