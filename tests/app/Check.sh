#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `grimlark --check` as built, without a display: what it prints for a small
# database file, for each server, and its exit status.
set -eu
program=$1
fail() { echo "$*"; exit 1; }
check() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --check "$@"; }
dir=$(mktemp -d "${TMPDIR:-/tmp}/grimlark-check.XXXXXX")
trap 'rm -rf "$dir"' EXIT INT TERM

poring=1002,PORING,Poring,1,50,0,2,1,1,7,10,0,5,1,1,1,0,6,30,10,12,1,3,21,131,400,1872,672,480
drops=909,7000,1202,100,938,400,512,1000,713,1500,512,150,619,20,0,0,0,0,4001,1,0,0,0,0,0,0,0,0
{
    echo "// a comment"
    echo "$poring,$drops"
    echo "2500,PORING,Poring,1,50,0,2,1,1,7,10,0,5,1,1,1,0,6,30,10,12,1,3,21,131,400,1872,672,480,$drops"
    echo "1003,PORING,Poring,1,50,0,2,1,1,7,10,0,5,1,1,1,0,6,30,10,12,1,3,21,131,400,1872,672,480,909,0,$(echo "$drops" | cut -d, -f3-)"
    echo "1004,too,short"
} >"$dir/mob_db.txt"
printf '%s,%s\n' "$poring" "$drops" >"$dir/clean.txt"

status=0
check "$dir/mob_db.txt" >"$dir/all" || status=$?
[ "$status" -eq 1 ] || fail "findings ended with status $status"
f="$dir/mob_db.txt"
cat >"$dir/expected" <<END
$f:3: ID: Freya skips this monster: it reads IDs 1001 to 1999.
$f:4: Drop 1 Rate: Freya leaves this drop out (its rate is 0).
$f:4: Drop 1 Rate: eAthena drops it at 0.01 %: its least rate is 1.
$f:5: line: This line has 3 fields, but a monster entry needs 57. The line was not loaded.
END
diff "$dir/expected" "$dir/all" || fail "--check printed otherwise"

check --server=eathena "$dir/mob_db.txt" >"$dir/eathena" || true
grep -v Freya "$dir/expected" | diff - "$dir/eathena" || fail "--server=eathena printed otherwise"

check "$dir/clean.txt" >"$dir/clean" || fail "a clean file ended with status $?"
[ ! -s "$dir/clean" ] || fail "a clean file printed: $(cat "$dir/clean")"

status=0
check "$dir/missing.txt" 2>"$dir/error" || status=$?
[ "$status" -eq 2 ] || fail "an unreadable file ended with status $status"
grep -q "missing.txt: cannot be opened" "$dir/error" || fail "an unreadable file said: $(cat "$dir/error")"
echo "--check: findings, one server's, a clean file and a missing one as expected"
