#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer end to end, under Wine, as a user meets it:
# - an upgrade from the first release's installer (CPack's standard template,
#   the same payload) installed into a folder of its own: its Start menu
#   folder and keys go, one entry is left, its folder is kept;
# - the console tool at a cmd prompt (a terminal of `script`, so that cmd and
#   the tool write to a console): its findings in order, then its status, a
#   non-ASCII path as cmd shows it; the editor started through it;
# - a downgrade, refused silently with exit code 5;
# - a silent install for all users, the program started through its Start menu
#   shortcut's own target with a database file until its editor and its browser
#   show (a screenshot of the editor is kept in build-windows/editor-windows.png),
#   closed as Windows closes a program at logout (WM_CLOSE) with status 0;
# - a reinstall into a folder of one's own, which replaces the first copy and
#   keeps the program's settings;
# - an install and the quiet uninstall command of Apps & features while the
#   program runs, which stop with exit code 3 and change nothing;
# - an install for the current user, which removes the all-users copy, and
#   back again;
# - an uninstall through the quiet command of its Apps & features entry, run
#   as it stands there, which ends when all is removed, with status 0;
# - an install through its pages, whose last starts the program.
# Each time nothing may be left: files, shortcuts, registry keys (the program's
# settings included), nor menu files on the host.
set -eu
qt=$(sh tools/build-windows-qt.sh)
. tools/windows-env.sh
unset WINEPATH QT_PLUGIN_PATH # the installed program must bring its own DLLs
set -- build-windows/packages/Grimlark-*-win64.exe
installer=$1
fail() { echo "installer check: $*" >&2; exit 1; }
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Grimlark'
settings='HKCU\Software\Grimlark\Grimlark' # where the program keeps its settings
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
has_key() { wine reg query "$1" >/dev/null 2>&1; }
installed_copies() { # how many Grimlark entries Apps & features lists
    n=0
    for root in HKLM HKCU; do
        if has_key "$root\\$key"; then n=$((n + 1)); fi
    done
    echo $n
}
value_of() { # root, value name: a value of the uninstaller entry
    wine reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
start_from_shortcut() { # shortcut (Unix path), folder (Windows) [keep]: left running with "keep"
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
    wait_for_browser "the file named on the command line did not open"
    sleep 1 # let it draw
    import -window "$window" build-windows/editor-windows.png 2>/dev/null || true
    [ "${3-}" = keep ] && return 0
    close_program
}
wait_for_browser() { # what to say when no browser shows within a minute
    i=0
    until xdotool search --name 'Database Browser' >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -lt 120 ] || fail "$1"
        sleep 0.5
    done
}
close_program() {
    wine taskkill /IM grimlark.exe >/dev/null 2>&1
    i=0
    while wine tasklist 2>/dev/null | grep -qi grimlark.exe; do
        i=$((i + 1))
        [ $i -lt 60 ] || fail "the program did not end when asked to"
        sleep 0.5
    done
}
as_windows_runs() { # a Windows command line: run as it stands, as Apps & features runs it
    printf '@%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$1" >"$WINEPREFIX/drive_c/command.bat"
    ran=0
    wine cmd /c 'C:\command.bat' || ran=$?
    rm -f "$WINEPREFIX/drive_c/command.bat"
    return $ran
}
uninstall_and_check() { # root, folder (Windows), shortcut (Unix)
    command=$(value_of "$1" QuietUninstallString)
    [ -n "$command" ] || fail "no uninstall command in $1\\$key"
    [ -n "$(value_of "$1" EstimatedSize)" ] || fail "the Apps & features entry has no size"
    status=0
    as_windows_runs "$command" || status=$?
    [ "$status" = 0 ] || fail "the uninstall command ended with status $status"
    # Only what the uninstaller itself started may still be at work.
    [ ! -e "$(unix_of "$2")" ] || fail "left behind: $(ls "$(unix_of "$2")")"
    [ ! -e "$3" ] || fail "the Start menu shortcut was left behind"
    ! has_key "$1\\$key" || fail "the uninstaller entry was left behind"
    ! has_key "$1\\Software\\The Grimlark developers" || fail "a registry key of the vendor was left behind"
    ! has_key "$settings" || fail "the program's settings were left behind"
}

# The first release's installer: CPack's standard template over the same
# payload, as that release was made.
mkdir -p build-windows/first-release
cat >build-windows/first-release/CPackConfig.cmake <<EOF
include("$PWD/build-windows/CPackConfig.cmake")
set(CPACK_GENERATOR NSIS)
set(CPACK_MODULE_PATH "")
set(CPACK_PACKAGE_EXECUTABLES grimlark Grimlark)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME Grimlark)
set(CPACK_NSIS_PACKAGE_NAME Grimlark)
set(CPACK_NSIS_INSTALLED_ICON_NAME grimlark.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A folder of the user's own, as its Directory page took it (its /D= gives
# way to its own default for all users).
set(CPACK_NSIS_INSTALL_ROOT "C:\\\\Games")
set(CPACK_OUTPUT_FILE_PREFIX "$PWD/build-windows/first-release")
set(CPACK_PACKAGE_FILE_NAME Grimlark-first-release-win64)
EOF
(cd build-windows && cpack --config first-release/CPackConfig.cmake >/dev/null)
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
wine build-windows/first-release/Grimlark-first-release-win64.exe /S
wineserver -w
if ! { [ -f "$menu/Grimlark/Uninstall.lnk" ] && has_key 'HKLM\Software\The Grimlark developers\Grimlark'; }; then
    fail "the first release's installer did not install as that release did"
fi
[ -z "$(value_of HKLM InstallLocation)" ] ||
    fail "the first release's installer wrote an InstallLocation: the upgrade is not tested"

# For all users, over the first release, then again into a folder of one's own.
shortcut="$menu/Grimlark.lnk"
wine "$installer" /S /AllUsers
wineserver -w
[ ! -e "$menu/Grimlark" ] || fail "the first release's Start menu folder stayed: $(ls "$menu/Grimlark")"
! has_key 'HKLM\Software\The Grimlark developers' || fail "the first release's registry key stayed"
[ "$(installed_copies)" = 1 ] || fail "$(installed_copies) copies after the upgrade"
folder=$(value_of HKLM InstallLocation)
[ "$folder" = 'C:\Games\Grimlark' ] || fail "the upgrade moved the first release's C:\Games\Grimlark to '$folder'"
echo "upgrade from the first release: its Start menu folder and keys gone, one copy, its folder kept"
[ -f "$(unix_of "$folder")/platforms/qwindows.dll" ] || fail "the platform plugin was not installed"
if [ ! -f "$(unix_of "$folder")/LICENSE.txt" ] || [ ! -f "$(unix_of "$folder")/THIRD-PARTY.txt" ]; then
    fail "the licence files were not installed"
fi
[ -f "$(unix_of "$folder")/licenses/pcre2.txt" ] || fail "the licences of Qt's third-party parts were not installed"
for text in "$(unix_of "$folder")"/*.txt "$(unix_of "$folder")"/licenses/*.txt; do
    # Every line ends in CR LF (older Notepad shows bare line feeds as one line).
    if [ "$(grep -c "$(printf '\r')\$" "$text")" != "$(wc -l <"$text" | tr -d ' ')" ]; then
        fail "$(basename "$text") has lines without Windows line ends"
    fi
done
[ ! -e "$(dirname "$shortcut")/Grimlark/Uninstall.lnk" ] || fail "an Uninstall shortcut in the Start menu"
start_from_shortcut "$shortcut" "$folder"
has_key "$settings" || fail "the program kept no settings in $settings: their removal is not tested"
echo "all users: installed, started from the Start menu with a file, closed"

# At a cmd prompt, in the folder where it was installed: "grimlark" is the
# console twin, which cmd waits for. The file sits in a folder whose name cmd
# shows in the console's own characters; in a terminal, Wine's console writes
# them as UTF-8, so a name written as UTF-8 bytes instead would show garbled.
data='C:\Sërvér Dätä'
mkdir -p "$(unix_of "$data")"
{ sed 's/$/\r/' tests/data/mob_db.txt; printf '1003,TOO,Few\r\n'; } >"$(unix_of "$data")/mob_db.txt"
lines=$(($(wc -l <tests/data/mob_db.txt) + 1))
at_prompt() { # cmd's command line, run in the installed folder, on a terminal
    # A wide terminal, so that the console does not break the lines.
    script -qec "stty cols 1000; wine cmd /c cd /d '$folder' '&' $1" /dev/null </dev/null |
        sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r'
}
answer=$(at_prompt "grimlark --check '$data\mob_db.txt' '&' echo status '%ERRORLEVEL%' '&' echo '$data'")
expected="$data\mob_db.txt:$lines: line: This line has 3 fields, but a monster entry needs 57. The line was not loaded.
status 1
\"$data\""
[ "$answer" = "$expected" ] || fail "at a cmd prompt, grimlark --check answered:
$answer
where it was due:
$expected"
answer=$(at_prompt "grimlark --check '$data\mob_db.txt' '>' 'C:\findings.txt' '&' echo status '%ERRORLEVEL%'")
[ "$answer" = "status 1" ] || fail "grimlark --check into a file answered: $answer"
grep -qF "$data\\mob_db.txt:$lines: line: " "$(unix_of 'C:\findings.txt')" ||
    fail "the findings written to a file are not UTF-8: $(cat "$(unix_of 'C:\findings.txt')")"
answer=$(at_prompt "grimlark --sevrer '&' echo status '%ERRORLEVEL%'")
case "$answer" in "grimlark: Unknown option 'sevrer'."*"status 2") ;; *) fail "a mistaken option at a cmd prompt answered: $answer" ;; esac
# (Without the terminal, whose end would hang up on the editor started in it.)
wine cmd /c cd /d "$folder" '&' grimlark 'C:\mob_db.txt' '&' echo status '%ERRORLEVEL%' >build-windows/prompt.txt
tr -d '\r' <build-windows/prompt.txt | grep -qx 'status 0' ||
    fail "grimlark with a file at a cmd prompt did not come back with status 0"
wait_for_browser "grimlark at a cmd prompt did not start the editor with the file"
close_program
rm -rf "$(unix_of "$data")" "$(unix_of 'C:\findings.txt')" build-windows/prompt.txt
echo "at a cmd prompt: the findings in order, then status 1; a non-ASCII path as cmd shows it; the editor started"

# A downgrade: silently refused, nothing changed.
version=$(value_of HKLM DisplayVersion)
wine reg add "HKLM\\$key" /v DisplayVersion /d 99.0.0 /f >/dev/null 2>&1
status=0
wine "$installer" /S /AllUsers 'https://rp2.alfred511.top/hf/D=C:\Tools\Grimlark' || status=$?
[ "$status" = 5 ] || fail "a downgrade ended with status $status, not 5"
if ! { [ "$(value_of HKLM InstallLocation)" = "$folder" ] && [ -f "$(unix_of "$folder")/grimlark.exe" ]; }; then
    fail "a refused downgrade changed the installed copy"
fi
wine reg add "HKLM\\$key" /v DisplayVersion /d "$version" /f >/dev/null 2>&1
wineserver -w # the refused installer gone before the next one starts
echo "downgrade: refused silently with status 5, nothing changed"

wine "$installer" /S /AllUsers '/D=C:\Tools\Grimlark'
wineserver -w
[ "$(value_of HKLM InstallLocation)" = 'C:\Tools\Grimlark' ] || fail "the chosen folder was not taken"
[ ! -e "$(unix_of "$folder")" ] || fail "the first copy stayed: $(ls "$(unix_of "$folder")")"
has_key "$settings" || fail "a reinstall removed the program's settings"
wine "$installer" /S /AllUsers # again, without a folder: the one chosen before
wineserver -w
[ "$(value_of HKLM InstallLocation)" = 'C:\Tools\Grimlark' ] || fail "the folder chosen before was not kept"
start_from_shortcut "$shortcut" 'C:\Tools\Grimlark' keep
status=0
wine "$installer" /S /AllUsers || status=$?
[ "$status" = 3 ] || fail "an install while the program runs ended with status $status, not 3"
status=0
as_windows_runs "$(value_of HKLM QuietUninstallString)" || status=$?
[ "$status" = 3 ] || fail "the quiet uninstall command while the program runs ended with status $status, not 3"
if ! { [ -f "$WINEPREFIX/drive_c/Tools/Grimlark/grimlark.exe" ] && has_key "HKLM\\$key"; }; then
    fail "an install or uninstall while the program runs removed something"
fi
close_program
echo "all users: reinstalled into a chosen folder (the first copy gone, the settings kept), kept it; no install or uninstall while it runs (status 3)"

# For the current user alone: the all-users copy goes; and back again, which
# removes the current user's copy; then each uninstalled through its entry.
wine "$installer" /S /CurrentUser
wineserver -w
folder=$(value_of HKCU InstallLocation)
case "$folder" in *'\Programs\Grimlark') ;; *) fail "installed for the user into '$folder'" ;; esac
if ! { [ "$(installed_copies)" = 1 ] && [ ! -e "$WINEPREFIX/drive_c/Tools/Grimlark" ] && [ ! -e "$shortcut" ]; }; then
    fail "the all-users copy stayed beside the current user's"
fi
user_shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Grimlark.lnk' | head -n 1)
start_from_shortcut "$user_shortcut" "$folder"
echo "current user: replaced the all-users copy; started"
wine "$installer" /S /AllUsers
wineserver -w
if ! { [ "$(installed_copies)" = 1 ] && [ ! -e "$(unix_of "$folder")" ] && [ ! -e "$user_shortcut" ]; }; then
    fail "the current user's copy stayed beside the all-users one"
fi
has_key "$settings" || fail "replacing the other mode's copy removed the program's settings"
uninstall_and_check HKLM "$(value_of HKLM InstallLocation)" "$shortcut"
wine "$installer" /S /CurrentUser
wineserver -w
uninstall_and_check HKCU "$folder" "$user_shortcut"
[ "$(installed_copies)" = 0 ] || fail "a copy is left after the uninstall"
echo "all users again: replaced the current user's copy; each mode uninstalled: nothing left"

# With its pages, as most users install: Enter through them; the finish page's
# "Run Grimlark" (on by default) starts the program through Explorer, with the
# user's own rights rather than the installer's.
wine "$installer" &
i=0
until xdotool search --name 'Grimlark \[Freya/eAthena\]' >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -lt 30 ] || fail "Enter through the installer's pages did not end in a running Grimlark"
    sleep 2
    xdotool key Return
done
close_program
wineserver -w
folder=$(value_of HKLM InstallLocation)
[ "$folder" = 'C:\Program Files\Grimlark' ] || fail "with its pages, installed into '$folder'"
uninstall_and_check HKLM "$folder" "$shortcut"
echo "with its pages: installed into Program Files, Run Grimlark started it, uninstalled: nothing left"

rm -f "$WINEPREFIX/drive_c/mob_db.txt"
# shellcheck disable=SC2086 # the same list of folders
[ "$(find $host_menus -type f 2>/dev/null | sort | md5sum)" = "$host_before" ] ||
    fail "menu entries or icons were written on the host"
echo "host: no menu entries or icons written"
