#!/bin/sh
# The About dialog's registry lookup against a real advapi32: the program built
# by `make windows-check` runs under Wine once for each case, after `reg add`
# has set the two keys as the case needs.
set -eu

exe=build-windows/tests/windows/registry_check.exe
export WINEPREFIX="$PWD/build-windows/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installer prompts
unset DISPLAY

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== preparing a Wine prefix"
    wineboot --init >/dev/null 2>&1
    wineserver -w
fi

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
with_tool_file() { mkdir -p "$folder_unix" && : > "$folder_unix/MSINFO32.EXE"; }

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

reset
reg add "$first" /v PATH /t REG_SZ /d 'C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe' /f
reg add "$second" /v MSINFO /t REG_SZ /d "$folder" /f
with_tool_file
check "the first key's PATH is used as it stands" \
      'command: C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe'

reset
reg add "$second" /v MSINFO /t REG_SZ /d "$folder" /f
with_tool_file
check "only the second key, file present" "command: $folder\\MSINFO32.EXE"

reset
reg add "$second" /v MSINFO /t REG_SZ /d "$folder" /f
check "only the second key, file missing" "none"

reset
check "neither key" "none"

reset
reg add "$first" /v PATH /t REG_EXPAND_SZ /d '%SystemRoot%\msinfo32.exe' /f
check "a value of another type is found but gives an empty command" "command: "

reset
reg add "$first" /v PATH /t REG_BINARY /f
reg add "$second" /v MSINFO /t REG_SZ /d "$folder" /f
with_tool_file
check "an empty value ends the lookup, second key or not" "none"

reset
reg add "$first" /v PATH /t REG_SZ /d "$long_text" /f
check "a value over 1024 bytes is not read" "none"

reset
reg add "$first" /v PATH /t REG_SZ /d "$long_text" /f
reg add "$second" /v MSINFO /t REG_SZ /d "$folder" /f
with_tool_file
check "an over-long first value falls through to the second key" "command: $folder\\MSINFO32.EXE"

reset
reg add "$first" /v PATH /t REG_SZ /d "$fits_text" /f
check "a value of exactly 1024 bytes is read" "command: $fits_text"

reset
wineserver -k 2>/dev/null || true
[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
echo "every registry case passed"
