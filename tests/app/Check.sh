#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `grimlark --check` and `--convert` as built, without a display: what they
# print for small database files, and their exit status.
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

# A statement pasted into a text file: the text lines are still the monsters,
# the statement is said, and --convert writes it as the text line it holds.
{
    echo "2500,PORING,Poring,1,50,0,2,1,1,7,10,0,5,1,1,1,0,6,30,10,12,1,3,21,131,400,1872,672,480,$drops"
    echo "INSERT INTO \`mob_db\` VALUES (1002,'PORING','Poring',$(echo "$poring,$drops" | cut -d, -f4-));"
} >"$dir/mixed.txt"
status=0
check "$dir/mixed.txt" >"$dir/mixed" || status=$?
[ "$status" -eq 1 ] || fail "a mixed file ended with status $status"
cat >"$dir/expected" <<END
$dir/mixed.txt:1: ID: Freya skips this monster: it reads IDs 1001 to 1999.
$dir/mixed.txt:2: line: An SQL statement in a text database file: the servers read no statement from one, and skip it.
END
diff "$dir/expected" "$dir/mixed" || fail "--check of a mixed file printed otherwise"
status=0
env -u DISPLAY "$program" --convert classic "$dir/mixed.txt" >"$dir/converted" 2>/dev/null || status=$?
[ "$status" -eq 1 ] && [ "$(sed -n 2p "$dir/converted")" = "$poring,$drops" ] ||
    fail "--convert of a mixed file ended with $status and wrote $(sed -n 2p "$dir/converted")"
echo "--check and --convert: a text file with a statement in it, line by line"

# The later layout: back to itself exactly, comments in place; into the classic
# layout with what it cannot hold said.
mvps=0,0,0,0,0,0,0,0
{
    echo "// ID,Sprite_Name,kROName,iROName,LV,..."
    echo "1002,PORING,Poring,Poring,1,50,0,2,1,1,7,10,0,5,1,1,1,0,6,30,10,12,1,3,21,0x83,400,1872,672,480,$mvps,$(echo "$drops" | cut -d, -f1-20)"
    echo "1113,DROPS,Drops,Drops ii,3,55,0,4,3,1,10,13,0,0,1,4,4,1,12,15,10,12,1,3,23,0x1083,400,1372,672,480,$mvps,$(echo "$drops" | cut -d, -f1-20)"
} >"$dir/later.txt"
env -u DISPLAY "$program" --convert eathena58 "$dir/later.txt" >"$dir/same" || fail "--convert eathena58 lost something"
cmp -s "$dir/later.txt" "$dir/same" || fail "--convert eathena58 changed the file: $(diff "$dir/later.txt" "$dir/same")"
status=0
env -u DISPLAY "$program" --convert classic "$dir/later.txt" >"$dir/classic" 2>"$dir/lost" || status=$?
[ "$status" -eq 1 ] || fail "--convert classic of a loss ended with status $status"
[ "$(sed -n 2p "$dir/classic")" = "$poring,$drops" ] || fail "--convert classic wrote $(sed -n 2p "$dir/classic")"
grep -q "later.txt:3: iRO name: The iRO name \"Drops ii\" has no place in the classic layout." "$dir/lost" ||
    fail "--convert classic said: $(cat "$dir/lost")"
grep -q "later.txt:3: Mode: Mode flags 0x1000" "$dir/lost" || fail "--convert classic said: $(cat "$dir/lost")"
echo "--convert: a later file back to itself, into the classic layout with its losses said"
