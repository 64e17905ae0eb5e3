#!/usr/bin/env bash
# Measures the Debian package that scripts/package.sh made: its size; what apt would
# install with it on a bare bookworm, amd64 alone and with i386, with and without the
# recommended packages (a simulation in a debootstrap root under build/); and its
# launcher's first and second start under Wine until the window shows, with the size of
# the prefix the first one makes, on the win32 build's display. Figures, not a test.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(echo build/packages/velortin_*.deb)
root=build/bookworm
if [ ! -x "$root/usr/bin/apt-get" ]; then
    command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
    debootstrap --variant=minbase bookworm "$root" >/dev/null
fi
echo "$deb: $(stat -c %s "$deb") bytes"
cp "$deb" "$root/tmp/velortin.deb"
for arches in amd64 "amd64 i386"; do
    chroot "$root" sh -c "dpkg --remove-architecture i386 2>/dev/null || true
        [ '$arches' = amd64 ] || dpkg --add-architecture i386; apt-get update -qq"
    for recommends in --install-recommends --no-install-recommends; do
        { chroot "$root" apt-get install --assume-no "$recommends" /tmp/velortin.deb 2>&1 || true; } |
            awk -v a="$arches" -v r="$recommends" '/newly installed/ { n = $3 }
                /After this operation/ { s = $4 " " $5 } END { printf "%-11s %-25s %4d packages, %s\n", a, r, n, s }'
    done
done
chroot "$root" dpkg --remove-architecture i386

# From here on, failures are reported, not fatal: windows.sh's helpers expect that.
set +e
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
DISPLAY=$(sed -n 's/^VELORTIN_DISPLAY:STRING=//p' build/win32/CMakeCache.txt)
export DISPLAY HOME="$work/home" XDG_DATA_HOME=""
scripts/xvfb.sh start "$DISPLAY"
. scripts/windows.sh
for start in first second; do
    begin=$(date +%s%N)
    "$work/root/usr/bin/velortin" 2>/dev/null &
    if wait_windows 1 120 >/dev/null; then
        echo "$start start to the window: $((($(date +%s%N) - begin) / 1000000)) ms"
    else
        echo "$start start: no window within 120 s"
    fi
    WINEPREFIX="$HOME/.local/share/velortin/prefix" wine taskkill /im velortin.exe >/dev/null 2>&1
    wait
    WINEPREFIX="$HOME/.local/share/velortin/prefix" wineserver -w
    [ "$start" = second ] || echo "the prefix: $(du -sh "$HOME/.local/share/velortin/prefix" | cut -f1)"
done
scripts/xvfb.sh stop "$DISPLAY"
