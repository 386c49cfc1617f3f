#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The About dialog's registry lookup against a real advapi32: a small program of
# the Windows build runs under Wine once for each case, after `reg add` has set
# the two keys as the case needs.
set -eu

exe=build-windows/tests/windows/registry_check.exe
qt=$(sh tools/build-windows-qt.sh)
. tools/windows-env.sh
start_display # the prefix is made on a display, as a user's is
trap stop_display EXIT
unset DISPLAY # the lookups themselves need none

first='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
second='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
folder='C:\grimlark-check\tools'
folder_unix="$WINEPREFIX/drive_c/grimlark-check/tools"
long_text=$(printf 'C:\\%01100d' 0) # a value over 1024 bytes
fits_text=$(printf 'C:\\%01020d' 0) # 1023 characters and the NUL: 1024 bytes

reg() { wine reg "$@" >/dev/null 2>&1; }
reset() {
    reg delete "$first" /f || true
    reg delete "$second" /f || true
    rm -rf "$WINEPREFIX/drive_c/grimlark-check"
}
first_value() { # type [data]: the first key's PATH
    if [ $# -gt 1 ]; then reg add "$first" /v PATH /t "$1" /d "$2" /f
    else reg add "$first" /v PATH /t "$1" /f; fi
}
second_key() { reg add "$second" /v MSINFO /t REG_SZ /d "$folder" /f; }
second_key_with_file() {
    second_key
    mkdir -p "$folder_unix" && : > "$folder_unix/MSINFO32.EXE"
}

failures=0
check() { # name, expected output
    got=$(wine "$exe" 2>/dev/null | tr -d '\r')
    if [ "$got" = "$2" ]; then
        echo "ok   $1"
    else
        echo "FAIL $1: expected '$2', got '$got'"
        failures=$((failures + 1))
    fi
}

tool='C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe'
second_found="command: $folder\\MSINFO32.EXE"

reset; first_value REG_SZ "$tool"; second_key_with_file
check "the first key's PATH is used as it stands" "command: $tool"

reset; second_key_with_file
check "only the second key, file present" "$second_found"

reset; first_value REG_SZ 'C:\Programme\Gemeinsame Dateien\Ü\msinfo32.exe'
check "a path with Ü arrives as the text it is" 'command: C:\Programme\Gemeinsame Dateien\Ü\msinfo32.exe'


reset; second_key
check "only the second key, file missing" "none"

reset
check "neither key" "none"

reset; first_value REG_EXPAND_SZ '%SystemRoot%\msinfo32.exe'
check "a value of another type is found but gives an empty command" "command: "

reset; first_value REG_BINARY; second_key_with_file
check "an empty value ends the lookup, second key or not" "none"

reset; first_value REG_SZ "$long_text"
check "a value over 1024 bytes is not read" "none"

reset; first_value REG_SZ "$long_text"; second_key_with_file
check "an over-long first value falls through to the second key" "$second_found"

reset; first_value REG_SZ "$fits_text"
check "a value of exactly 1024 bytes is read" "command: $fits_text"

reset
wineserver -k 2>/dev/null || true
[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
echo "every registry case passed"
