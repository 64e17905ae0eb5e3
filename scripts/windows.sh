# Sourced: finding Velortin's windows on $DISPLAY, for the scripts and the package tests.

# velortin_windows: the ids of the viewable top-level windows titled "Velortin 1.0".
velortin_windows() {
    xwininfo -root -children 2>/dev/null | awk '/"Velortin 1.0"/ {print $1}' |
        while read -r id; do
            xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && echo "$id"
        done
}

# wait_windows COUNT SECONDS: waits until COUNT such windows show; prints their ids.
# Fails after SECONDS, having printed nothing; a first run may make a Wine prefix first.
wait_windows() {
    local ids
    for _ in $(seq $(($2 * 10))); do
        ids=$(velortin_windows)
        if [ -n "$ids" ] && [ "$(echo "$ids" | wc -l)" -ge "$1" ]; then
            echo "$ids"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
