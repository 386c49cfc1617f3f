#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as built: every option is answered without a display; a started
# editor ends with status 0 when asked to with SIGTERM, as at a session's logout,
# also when a burst of signals arrives at once.
set -eu
program=$1
. "$(dirname "$0")/../../tools/ready.sh"
fail() { echo "$*"; exit 1; }
console() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" "$@"; }

version=$(console --version)
[ "$version" = "Grimlark $2" ] || fail "--version said '$version'"
for option in --help --help-all; do
    console "$option" | grep -q '^Usage:.* \[file\.\.\.\]' || fail "$option printed no usage with files"
done
status=0
console --no-such-option >/dev/null 2>"${TMPDIR:-/tmp}/grimlark-error.$$" || status=$?
error=$(head -n 1 "${TMPDIR:-/tmp}/grimlark-error.$$")
rm -f "${TMPDIR:-/tmp}/grimlark-error.$$"
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status"
[ "$error" = "grimlark: Unknown option 'no-such-option'." ] || fail "an unknown option said '$error'"

# Started without a standard error, the editor writes Qt's messages nowhere:
# no socket of its own takes the closed stream's number (whose first message
# would read as a signal and end the editor).
env -u QT_QPA_PLATFORM QT_DEBUG_PLUGINS=1 "$program" -platform offscreen 2>&- &
pid=$!
wait_until_ready "$pid" || fail "the editor without standard error did not stay running"
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the editor without standard error ended at Qt's first message"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the editor without standard error ended with status $status"

# The handler is the first thing main installs, so "ready" comes while Qt and
# the windows are still being made: the signal lands in the program's start-up.
for burst in 1 2000; do
    # Qt's own -platform option reaches Qt, not the option check.
    env -u QT_QPA_PLATFORM "$program" -platform offscreen 2>/dev/null &
    pid=$!
    wait_until_ready "$pid" || fail "the editor did not stay running"
    i=0
    while [ "$i" -lt "$burst" ] && kill -HUP "$pid" 2>/dev/null; do i=$((i + 1)); done
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "ended with status $status after $burst signal(s)"
done

# A failed write of an answer is an error; Qt's -name is Qt's, not a mistake.
status=0
console --version >/dev/full 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "--version into a full device ended with status $status"
[ "$(console -name grimlark --version)" = "Grimlark $2" ] || fail "-name was refused"

# Without a display: a word and status 1, not an abort.
status=0
console some-file.txt 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "without a display ended with status $status"

# Under nohup, SIGHUP stays ignored.
(trap '' HUP; exec env -u QT_QPA_PLATFORM "$program" -platform offscreen 2>/dev/null) &
pid=$!
wait_until_ready "$pid" || fail "the editor did not stay running under nohup"
kill -HUP "$pid"
sleep 0.3
kill -0 "$pid" 2>/dev/null || fail "SIGHUP ended the editor under nohup"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "ended with status $status under nohup"
