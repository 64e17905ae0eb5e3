#!/bin/sh
# velortin-calc as help2man runs it, its usage put in the form help2man reads as the
# synopsis: "Usage:" first, an "  or:" line for each other form, each form on one line.
# VELORTIN_CALC names the program.
"$VELORTIN_CALC" "$@" | awk '
    /^[Uu]sage: / { sub(/^usage:/, "Usage:"); form = $0; next }
    form != "" && /^         *[^ ]/ { sub(/^ +/, " "); form = form $0; next }
    form != "" && /^ +velortin-calc / { print form; sub(/^ +/, "  or:  "); form = $0; next }
    form != "" { print form; form = "" }
    { print }
    END { if (form != "") print form }'
