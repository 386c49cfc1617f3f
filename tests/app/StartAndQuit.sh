#!/bin/sh
# The program as built: --version answers without a display, and a started editor ends with
# status 0 when asked to with SIGTERM, as at a session's logout.
set -eu
program=$1
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --version)
[ "$version" = "Grimlark $2" ] || { echo "--version said '$version'"; exit 1; }

QT_QPA_PLATFORM=offscreen "$program" &
pid=$!
sleep 1
kill -0 "$pid" || { echo "the editor did not stay running"; exit 1; }
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "ended with status $status"; exit 1; }
