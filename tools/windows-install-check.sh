#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer end to end, under Wine, as a user meets it: a silent
# install for all users, the program started through its Start menu shortcut's
# own target with a database file until its editor and its browser show (a
# screenshot of the editor is kept in build-windows/editor-windows.png), closed
# as Windows closes a program at logout (WM_CLOSE) with status 0; a reinstall
# into a folder of one's own, which replaces the first copy; an uninstall
# through the command of its Apps & features entry; then the same for the
# current user alone. Each time nothing may be left: files, shortcuts, registry
# keys, nor menu files on the host.
set -eu
qt=$(sh tools/build-windows-qt.sh)
. tools/windows-env.sh
unset WINEPATH QT_PLUGIN_PATH # the installed program must bring its own DLLs
set -- build-windows/packages/Grimlark-*-win64.exe
installer=$1
fail() { echo "installer check: $*" >&2; exit 1; }
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Grimlark'
host_menus="$HOME/.local/share/applications $HOME/.local/share/icons $HOME/.config/menus"
# shellcheck disable=SC2086 # $host_menus is a list of folders, split on purpose
host_before=$(find $host_menus -type f 2>/dev/null | sort | md5sum)

start_display
trap stop_display EXIT

# The tests' sample database, with Windows line breaks.
sed 's/$/\r/' tests/data/mob_db.txt >"$WINEPREFIX/drive_c/mob_db.txt"

# shellcheck disable=SC1003 # '\\' is tr's backslash, no quote escaped
unix_of() { # a Windows path of the prefix's drive C:, as a Unix path
    printf '%s' "$WINEPREFIX/drive_c/${1#?:\\}" | tr '\\' /
}
value_of() { # root, value name: a value of the uninstaller entry
    wine reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
start_from_shortcut() { # shortcut (Unix path), folder (Windows)
    [ -f "$1" ] || fail "no Start menu shortcut at $1"
    # The target the shortcut names, as Windows would start it.
    grep -qa "$(printf '%s' "$2\\grimlark.exe" | sed 's/\\/\\\\/g')" "$1" ||
        fail "the shortcut does not point at $2\\grimlark.exe"
    wine start /unix "$1" 'C:\mob_db.txt' &
    i=0
    window=""
    while [ -z "$window" ] && [ $i -lt 120 ]; do
        window=$(xdotool search --name 'Grimlark \[Freya/eAthena\]' 2>/dev/null | head -n 1 || true)
        sleep 0.5
        i=$((i + 1))
    done
    [ -n "$window" ] || fail "the shortcut did not start the editor"
    i=0
    until xdotool search --name 'Database Browser' >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -lt 120 ] || fail "the file named on the command line did not open"
        sleep 0.5
    done
    sleep 1 # let it draw
    import -window "$window" build-windows/editor-windows.png 2>/dev/null || true
    wine taskkill /IM grimlark.exe >/dev/null 2>&1
    i=0
    while wine tasklist 2>/dev/null | grep -qi grimlark.exe; do
        i=$((i + 1))
        [ $i -lt 60 ] || fail "the program did not end when asked to"
        sleep 0.5
    done
}
uninstall_and_check() { # root, folder (Windows), shortcut (Unix)
    command=$(value_of "$1" QuietUninstallString)
    [ -n "$command" ] || fail "no uninstall command in $1\\$key"
    [ -n "$(value_of "$1" EstimatedSize)" ] || fail "the Apps & features entry has no size"
    eval "wine $command" # the command line as Apps & features runs it
    wineserver -w
    [ ! -e "$(unix_of "$2")" ] || fail "left behind: $(ls "$(unix_of "$2")")"
    [ ! -e "$3" ] || fail "the Start menu shortcut was left behind"
    ! wine reg query "$1\\$key" >/dev/null 2>&1 || fail "the uninstaller entry was left behind"
    ! wine reg query "$1\\Software\\The Grimlark developers" >/dev/null 2>&1 ||
        fail "a registry key of the vendor was left behind"
}

# For all users, then again into a folder of one's own.
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Grimlark.lnk"
wine "$installer" /S /AllUsers
wineserver -w
folder=$(value_of HKLM InstallLocation)
[ "$folder" = 'C:\Program Files\Grimlark' ] || fail "installed into '$folder'"
[ -f "$(unix_of "$folder")/platforms/qwindows.dll" ] || fail "the platform plugin was not installed"
if [ ! -f "$(unix_of "$folder")/LICENSE.txt" ] || [ ! -f "$(unix_of "$folder")/THIRD-PARTY.txt" ]; then
    fail "the licence files were not installed"
fi
[ ! -e "$(dirname "$shortcut")/Grimlark/Uninstall.lnk" ] || fail "an Uninstall shortcut in the Start menu"
start_from_shortcut "$shortcut" "$folder"
echo "all users: installed, started from the Start menu with a file, closed"

wine "$installer" /S /AllUsers '/D=C:\Tools\Grimlark'
wineserver -w
[ "$(value_of HKLM InstallLocation)" = 'C:\Tools\Grimlark' ] || fail "the chosen folder was not taken"
[ ! -e "$(unix_of "$folder")" ] || fail "the first copy stayed: $(ls "$(unix_of "$folder")")"
wine "$installer" /S /AllUsers # again, without a folder: the one chosen before
wineserver -w
[ "$(value_of HKLM InstallLocation)" = 'C:\Tools\Grimlark' ] || fail "the folder chosen before was not kept"
start_from_shortcut "$shortcut" 'C:\Tools\Grimlark'
uninstall_and_check HKLM 'C:\Tools\Grimlark' "$shortcut"
echo "all users: reinstalled into a chosen folder (the first copy gone), kept it, uninstalled: nothing left"

# For the current user alone.
wine "$installer" /S /CurrentUser
wineserver -w
folder=$(value_of HKCU InstallLocation)
case "$folder" in *'\Programs\Grimlark') ;; *) fail "installed for the user into '$folder'" ;; esac
user_shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Grimlark.lnk' | head -n 1)
start_from_shortcut "$user_shortcut" "$folder"
uninstall_and_check HKCU "$folder" "$user_shortcut"
echo "current user: installed, started, uninstalled: nothing left"

rm -f "$WINEPREFIX/drive_c/mob_db.txt"
# shellcheck disable=SC2086 # the same list of folders
[ "$(find $host_menus -type f 2>/dev/null | sort | md5sum)" = "$host_before" ] ||
    fail "menu entries or icons were written on the host"
echo "host: no menu entries or icons written"
