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
if [ "$status" -ne 1 ] || [ "$(sed -n 2p "$dir/converted")" != "$poring,$drops" ]; then
    fail "--convert of a mixed file ended with $status and wrote $(sed -n 2p "$dir/converted")"
fi
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
status=0
echo "3500,CLONE,Clone,1,50,0,2,1,1,7,10,0,5,1,1,1,0,6,30,10,12,1,3,21,131,400,1872,672,480,$drops" >"$dir/clone.txt"
env -u DISPLAY "$program" --convert eathena58 "$dir/clone.txt" >/dev/null 2>"$dir/lost" || status=$?
[ "$status" -eq 1 ] || fail "--convert eathena58 of a monster the later server skips ended with $status"
grep -qx "$dir/clone.txt:1: ID: eAthena 2011 skips this monster: it reads IDs 1001 to 4000, not 3001 to 3999 (player clones)." "$dir/lost" ||
    fail "--convert eathena58 said: $(cat "$dir/lost")"
env -u DISPLAY "$program" --check --server=eathena "$dir/clone.txt" "$dir/clone.txt" >"$dir/found" || true
grep -qx "$dir/clone.txt:1: ID: ID 3500 is at $dir/clone.txt:1 already: the servers keep this monster, the later one." "$dir/found" ||
    fail "--check of one ID twice said: $(cat "$dir/found")"
echo "--convert: a later file back to itself, into the classic layout with its losses said, a change of meaning said; an ID twice checked"

# As a terminal program: a closed or full standard output is a said failure
# (status 2), a reader that went away a quiet one; a closed standard error
# keeps the conversion whole; a signal ends a check at once; a usage error is
# 2, and Qt's window options are no options of the commands. (The commands in
# single quotes are run by an inner shell, which expands their arguments.)
expect() { # status, what, command...
    want=$1 what=$2
    shift 2
    status=0
    "$@" || status=$?
    [ "$status" -eq "$want" ] || fail "$what ended with status $status, not $want"
}
# shellcheck disable=SC2016
expect 2 "a closed standard output" sh -c 'exec "$0" --check "$1" >&- 2>"$2"' "$program" "$f" "$dir/said"
grep -q "cannot write the answer to standard output" "$dir/said" || fail "a closed output said: $(cat "$dir/said")"
if [ -w /dev/full ]; then
    # shellcheck disable=SC2016
    expect 2 "a full disk" sh -c 'exec "$0" --check "$1" >/dev/full 2>"$2"' "$program" "$f" "$dir/said"
    grep -q "No space left" "$dir/said" || fail "a full disk said: $(cat "$dir/said")"
fi
finding=$(sed -n 4p "$f")
for _ in $(seq 2000); do echo "$finding"; done >"$dir/many.txt"
{
    status=0
    "$program" --check "$dir/many.txt" 2>"$dir/said" || status=$?
    echo "$status" >"$dir/status"
} | head -n 1 >/dev/null
if [ "$(cat "$dir/status")" -ne 2 ] || [ -s "$dir/said" ]; then
    fail "a closed pipe ended with status $(cat "$dir/status") and said: $(cat "$dir/said")"
fi
# shellcheck disable=SC2016
converted=$(sh -c 'exec "$0" --convert classic "$1" 2>&-' "$program" "$dir/later.txt" | wc -l)
[ "$converted" -eq 3 ] || fail "--convert with standard error closed wrote $converted lines"
# shellcheck disable=SC2016
expect 2 "a usage error" sh -c 'exec "$0" --check --server=nobody "$1" 2>/dev/null' "$program" "$f"
# shellcheck disable=SC2016
expect 2 "a Qt option in --check" sh -c 'exec "$0" --check "$1" -title "$1" 2>/dev/null' "$program" "$f"
for _ in $(seq 100); do cat "$dir/many.txt"; done >"$dir/huge.txt"
"$program" --check "$dir/huge.txt" >/dev/null &
checking=$!
sleep 0.3
kill -TERM "$checking"
expect 143 "SIGTERM during a check" wait "$checking"
# A shortage of memory is a message, never an abort; not under the
# sanitizers, whose shadow memory needs more address space than any limit.
if ! grep -qa __asan_init "$program"; then
    head -c 150000000 /dev/zero | tr '\0' 1 >"$dir/line.txt"
    for limit in 300000 450000 600000; do
        status=0
        # shellcheck disable=SC3045 # Debian's sh (dash) has ulimit -v
        (ulimit -v $limit && exec "$program" --check "$dir/line.txt") >/dev/null 2>"$dir/said" || status=$?
        [ "$status" -le 2 ] || fail "a memory limit of $limit KiB ended with status $status"
        [ "$status" -ne 2 ] || grep -q "not enough memory" "$dir/said" || fail "a memory limit said: $(cat "$dir/said")"
    done
    rm -f "$dir/line.txt"
fi
# rAthena's YAML database, with its item database beside it as the server
# keeps them: converted to YAML it comes back byte for byte; to the text
# layout its drops become the items' IDs, and YAML's keys without a place
# are said.
mkdir -p "$dir/db/pre-re"
printf 'Header:\n  Type: ITEM_DB\n  Version: 3\nBody:\n  - Id: 909\n    AegisName: Jellopy\n    Name: Jellopy\n' >"$dir/db/pre-re/item_db_etc.yml"
printf '# monsters\nHeader:\n  Type: MOB_DB\n  Version: 5\n\nBody:\n  - Id: 1002\n    AegisName: PORING\n    Name: Poring\n    Ai: 02\n    Drops:\n      - Item: jellopy\n        Rate: 7000\n    DamageTaken: 50\n' >"$dir/db/pre-re/mob_db.yml"
"$program" --convert rathena-yaml "$dir/db/pre-re/mob_db.yml" >"$dir/same.yml" || fail "a YAML file into YAML ended with status $?"
cmp -s "$dir/db/pre-re/mob_db.yml" "$dir/same.yml" || fail "a YAML file into YAML changed: $(diff "$dir/db/pre-re/mob_db.yml" "$dir/same.yml")"
status=0
"$program" --convert rathena "$dir/db/pre-re/mob_db.yml" >"$dir/text.txt" 2>"$dir/lost" || status=$?
[ "$status" -eq 1 ] || fail "YAML into text ended with status $status"
grep -q '^1002,PORING,Poring,Poring,1,1,1,0,0,0,0,0,0,0,1,1,1,1,1,1,0,0,0,0,20,131,150,100,100,0,0,0,0,0,0,0,0,909,7000,' "$dir/text.txt" || fail "YAML into text wrote: $(grep 1002 "$dir/text.txt")"
grep -q 'mob_db.yml:7: line: The YAML keys DamageTaken have no place' "$dir/lost" || fail "YAML into text said: $(cat "$dir/lost")"
# --check names a drop whose item the server's item database lacks.
sed 's/jellopy/Jellopie/' "$dir/db/pre-re/mob_db.yml" >"$dir/db/pre-re/mob_db2.yml"
check "$dir/db/pre-re/mob_db2.yml" >"$dir/items" || true
grep -q 'mob_db2.yml:7: Drop 1 Item ID: the item database has no item "Jellopie": rAthena skips this drop.' "$dir/items" || fail "--check of a YAML file said: $(cat "$dir/items")"
# A file name of control characters is quoted, each named: it forges no line.
hostile="$dir/$(printf 'a\nb.txt:9: ID: forged\033[2J')"
cp "$f" "$hostile"
check "$hostile" >"$dir/named" || true
if [ "$(grep -c . "$dir/named")" -ne "$(grep -c . "$dir/all")" ] || grep -q "$(printf '\033')" "$dir/named"; then
    fail "a hostile file name printed: $(cat -A "$dir/named" | head -n 3)"
fi
grep -q '<U+000A>b.txt:9: ID: forged<U+001B>\[2J":3: ' "$dir/named" || fail "a hostile name printed: $(head -n 1 "$dir/named")"
echo "--check and --convert as terminal programs: closed and full streams, signals, usage, memory, names"

# --convert --in-place: each file replaced by its conversion in its own line
# ends, nothing on standard output, the file as it was kept as its backup.
printf '// c\r\n%s,%s\r\n' "$poring" "$drops" >"$dir/inplace.txt"
cp "$dir/inplace.txt" "$dir/original"
env -u DISPLAY "$program" --convert eathena58 --in-place "$dir/inplace.txt" >"$dir/out" 2>/dev/null || fail "--in-place lost something"
[ ! -s "$dir/out" ] || fail "--in-place wrote on standard output: $(cat "$dir/out")"
cmp -s "$dir/original" "$dir/inplace.txt~" || fail "--in-place kept no backup of the file as it was"
env -u DISPLAY "$program" --convert eathena58 "$dir/original" | sed 's/$/\r/' >"$dir/expected" || true
cmp -s "$dir/expected" "$dir/inplace.txt" || fail "--in-place wrote: $(od -c "$dir/inplace.txt" | tail -n 3)"
status=0
env -u DISPLAY "$program" --convert classic --in-place "$dir/missing.txt" 2>"$dir/said" || status=$?
[ "$status" -eq 2 ] || fail "--in-place of a missing file ended with $status"
env -u DISPLAY "$program" --in-place "$dir/inplace.txt" 2>/dev/null && fail "--in-place without --convert was taken"
echo "--convert --in-place: the file replaced in its own line ends, its backup kept"
