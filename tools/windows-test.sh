#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every test suite of the Windows build (`make windows`) under Wine, on a
# private Xvfb display, in the build's own Wine prefix. QtTest's standard output
# does not reach the console under Wine, so each suite writes its log to a file,
# shown when the suite fails.
set -eu
qt=$(sh tools/build-windows-qt.sh)
. tools/windows-env.sh
logs=build-windows/test-logs
mkdir -p "$logs"
start_display
trap stop_display EXIT

failures=0
run() { # name, command...
    name=$1
    shift
    started=$(date +%s)
    status=0
    timeout 300 "$@" >"$logs/$name.out" 2>&1 || status=$?
    seconds=$(($(date +%s) - started))
    summary=$(grep -h -E '^Totals:|^\[  PASSED  \]|^\[  FAILED  \]' "$logs/$name".* 2>/dev/null | head -n 1)
    if [ "$status" -eq 0 ]; then
        echo "ok   $name (${seconds} s) $summary"
    else
        echo "FAIL $name, status $status (${seconds} s) $summary"
        grep -h -E -A4 '^FAIL!|^\[  FAILED|^SKIP' "$logs/$name".* | head -n 60 || true
        failures=$((failures + 1))
    fi
}

run core_tests wine build-windows/tests/core_tests.exe
for suite in EditorTest OutputTest BrowserTest AboutTest ShutdownTest PlacementTest SaveTest; do
    run "$suite" wine "build-windows/tests/ui/$suite.exe" -o "$(windows_path "$logs")\\$suite.txt,txt"
done
grep -h '^SKIP' "$logs"/*.txt | sed 's/^SKIP   : /skipped: /' || true
[ "$failures" -eq 0 ] || { echo "$failures Windows suite(s) failed"; exit 1; }
echo "every Windows suite passed under Wine"
