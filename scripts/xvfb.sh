#!/usr/bin/env bash
# Starts or stops a private Xvfb display and waits until it answers.
set -u
action="$1" display="$2"
pidfile="/tmp/velortin-xvfb-${display#:}.pid"
case "$action" in
start)
    if [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; then exit 0; fi
    setsid Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    echo $! >"$pidfile"
    for _ in $(seq 100); do
        if xdpyinfo -display "$display" >/dev/null 2>&1; then exit 0; fi
        sleep 0.1
    done
    echo "Xvfb on $display did not answer" >&2
    exit 1
    ;;
stop)
    if [ -f "$pidfile" ]; then kill "$(cat "$pidfile")" 2>/dev/null; rm -f "$pidfile"; fi
    exit 0
    ;;
esac
exit 2
