#!/usr/bin/env bash
# The installer under Wine: a silent install puts the files, the Start-menu shortcut and
# the registration in the user's Apps list in place, for the current user; the program
# starts from the shortcut and shows its window; a silent uninstall takes all of it away.
# Usage: installer_test.sh <installer>
. "$(dirname "$0")/common.sh"
export WINEPREFIX="$VELORTIN_WINEPREFIX"
wine() { "$scripts/wine-run.sh" "$@"; }
folder() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')\\$2"; }
dir=$(folder LOCALAPPDATA 'Programs\Velortin')
shortcut_windows='%APPDATA%\Microsoft\Windows\Start Menu\Programs\Velortin.lnk'
shortcut=$(folder APPDATA 'Microsoft\Windows\Start Menu\Programs\Velortin.lnk')
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velortin'
files=(velortin.exe velortin-calc.exe README.txt LICENSE.txt Uninstall.exe)

wine "$1" /S || fail "silent install: exit status $?"
for file in "${files[@]}" ; do
    [ -f "$dir/$file" ] || fail "installed: no $dir/$file"
done
[ -f "$shortcut" ] || fail "installed: no Start-menu shortcut $shortcut"
wine reg query "$key" /v DisplayVersion | grep -q "REG_SZ *$VELORTIN_VERSION" ||
    fail "installed: $key has no DisplayVersion $VELORTIN_VERSION"

wine cmd /c start "" "$shortcut_windows"
shown 1
wine taskkill /im velortin.exe >/dev/null
wineserver -w

wine "$dir/Uninstall.exe" /S || fail "silent uninstall: exit status $?"
wineserver -w  # the uninstaller runs on from a copy of itself
[ -e "$dir" ] && fail "uninstalled: $dir is still there: $(ls "$dir")"
[ -e "$shortcut" ] && fail "uninstalled: the shortcut is still there"
wine reg query "$key" >/dev/null 2>&1 && fail "uninstalled: $key is still there"
finish
