# Sourced by the scripts that run the win32 build's programs outside the tests:
#   wine_session DISPLAY TARGET...
# builds the targets, makes the build's Wine prefix and, unless DISPLAY already answers,
# starts a private Xvfb there; on exit Wine's helpers end before that display stops.
# Exports VELORTIN_WINEPREFIX and DISPLAY for scripts/wine-run.sh.
wine_session() {
    local display="$1"
    shift
    cmake --preset win32 >/dev/null
    cmake --build --preset win32 --target "$@" >/dev/null
    export VELORTIN_WINEPREFIX="$PWD/build/win32/wineprefix" DISPLAY="$display"
    scripts/wine-prefix.sh "$VELORTIN_WINEPREFIX"
    if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
        scripts/xvfb.sh start "$display"
        trap "WINEPREFIX='$VELORTIN_WINEPREFIX' wineserver -k 2>/dev/null; scripts/xvfb.sh stop '$display'" EXIT
    fi
}
