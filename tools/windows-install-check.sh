#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer end to end, under Wine: installs it silently, starts the
# installed program with a database file until its editor and its browser
# window show (a screenshot of the editor is kept in
# build-windows/editor-windows.png), closes it as Windows closes a program at
# logout (WM_CLOSE) expecting status 0, uninstalls silently and checks that
# nothing is left behind.
set -eu
qt=$(sh tools/build-windows-qt.sh)
. tools/windows-env.sh
unset WINEPATH QT_PLUGIN_PATH # the installed program must bring its own DLLs
installer=$(ls build-windows/packages/Grimlark-*-win64.exe | head -n 1)
fail() { echo "installer check: $*" >&2; exit 1; }
folder="$WINEPREFIX/drive_c/Program Files/Grimlark"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Grimlark/Grimlark.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Grimlark'

start_display
trap stop_display EXIT

wine "$installer" /S
wineserver -w
[ -f "$folder/grimlark.exe" ] || fail "grimlark.exe was not installed"
[ -f "$folder/platforms/qwindows.dll" ] || fail "the platform plugin was not installed"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
wine reg query "$key" >/dev/null 2>&1 || fail "no uninstaller entry"
echo "installed: program, DLLs, Start menu shortcut, uninstaller entry"

printf '// monsters\r\n1002,PORING,Poring,1,50,0,2,1,1,7,10,0,5,1,1,1,0,6,30,10,12,1,3,21,131,400,1872,672,480,909,7000,1202,100,938,400,512,1000,713,1500,512,150,619,20,0,0,0,0,4001,1,0,0,0,0,0,0,0,0\r\n' \
    > "$WINEPREFIX/drive_c/mob_db.txt"
wine 'C:\Program Files\Grimlark\grimlark.exe' 'C:\mob_db.txt' &
pid=$!
find_window() { # title: waits up to a minute for a window of that title
    found=""
    i=0
    while [ -z "$found" ] && [ $i -lt 120 ]; do
        kill -0 "$pid" 2>/dev/null || fail "the installed program ended early"
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
        sleep 0.5
        i=$((i + 1))
    done
    [ -n "$found" ] || fail "no window '$1' showed"
    echo "$found"
}
window=$(find_window 'Grimlark \[Freya/eAthena\]')
find_window 'Database Browser' >/dev/null
sleep 1 # let it draw
import -window "$window" build-windows/editor-windows.png 2>/dev/null || true
wine taskkill /IM grimlark.exe >/dev/null 2>&1
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the installed program ended with status $status"
echo "installed program: its editor and the file's browser showed, and it closed with status 0"

wine 'C:\Program Files\Grimlark\Uninstall.exe' /S
wineserver -w
rm -f "$WINEPREFIX/drive_c/mob_db.txt"
[ ! -e "$folder" ] || fail "left behind: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the Start menu shortcut was left behind"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller entry was left behind"
echo "uninstalled: nothing left behind"
