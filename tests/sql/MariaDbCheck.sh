#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Generate > SQL Entry against a real MariaDB server: a throwaway server of its
# own (data folder and socket under the build folder, no network), the servers'
# 57-column `mob_db` table, the statements run and every column read back and
# compared with the editor's values, in both SQL modes (with and without
# NO_BACKSLASH_ESCAPES), twice each (REPLACE updates, never duplicates). The
# modes are otherwise lenient, as the servers' own setups were: text in a
# number column (named in the statement's comment) is stored as MariaDB
# converts it, and the fixture expects that. The
# server is stopped and its folder removed at the end, also on failure.
# Skips (status 77) where MariaDB is not installed or cannot start.
#
# Usage: MariaDbCheck.sh SQL_FIXTURE WORK_DIR [DATABASE_FILE]
set -eu
fixture=$1
work=$2
database_file=${3:-}
fail() { echo "MariaDB check: $*" >&2; exit 1; }
skip() { echo "MariaDB check skipped: $*"; exit 77; }

command -v mariadbd >/dev/null 2>&1 || [ -x /usr/sbin/mariadbd ] || skip "mariadb-server is not installed"
PATH=$PATH:/usr/sbin
mkdir -p "$work"
dir=$(mktemp -d "$work/mariadb.XXXXXX")
server=""
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT INT TERM

user=$(id -un)
mariadb-install-db --no-defaults --datadir="$dir/data" --user="$user" --skip-test-db \
    --auth-root-authentication-method=normal >"$dir/install.log" 2>&1 ||
    skip "a MariaDB data folder cannot be made here ($(tail -n 1 "$dir/install.log"))"
mariadbd --no-defaults --datadir="$dir/data" --socket="$dir/socket" --pid-file="$dir/pid" \
    --skip-networking --skip-grant-tables --user="$user" --log-error="$dir/error.log" &
server=$!
i=0
until [ -S "$dir/socket" ]; do
    kill -0 "$server" 2>/dev/null || skip "MariaDB did not start ($(tail -n 1 "$dir/error.log"))"
    i=$((i + 1))
    [ $i -lt 300 ] || skip "MariaDB did not start within 30 s"
    sleep 0.1
done
sql() { mariadb --no-defaults --socket="$dir/socket" -uroot --batch --skip-column-names "$@"; }
until sql -e 'SELECT 1' >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -lt 300 ] || skip "MariaDB does not answer"
    sleep 0.1
done

# The table as the servers define it: 57 columns in the text entry's order.
numbers="LV HP SP EXP JEXP Range1 ATK1 ATK2 DEF MDEF STR AGI VIT INT DEX LUK Range2 Range3 \
Scale Race Element Mode Speed ADelay aMotion dMotion Drop1id Drop1per Drop2id Drop2per Drop3id \
Drop3per Drop4id Drop4per Drop5id Drop5per Drop6id Drop6per Drop7id Drop7per Drop8id Drop8per \
Drop9id Drop9per DropCardid DropCardper MEXP ExpPer MVP1id MVP1per MVP2id MVP2per MVP3id MVP3per"
columns='`ID` mediumint(9) unsigned NOT NULL default 0, `Name` text NOT NULL, `Name2` text NOT NULL'
select='HEX(CAST(`ID` AS CHAR)), HEX(`Name`), HEX(`Name2`)'
for column in $numbers; do
    columns="$columns, \`$column\` mediumint(9) NOT NULL default 0"
    select="$select, HEX(CAST(\`$column\` AS CHAR))"
done
sql -e "CREATE DATABASE ragnarok; CREATE TABLE ragnarok.mob_db ($columns, PRIMARY KEY (\`ID\`)) ENGINE=MyISAM DEFAULT CHARSET=latin1;"

check() { # name, fixture arguments...
    name=$1
    shift
    loaded=$("$fixture" "$@" "$dir") || fail "$name: the fixture could not be written"
    for mode in "" "NO_BACKSLASH_ESCAPES"; do
        sql -e "TRUNCATE ragnarok.mob_db"
        for run in 1 2; do
            { echo "SET SESSION sql_mode = '$mode';"; cat "$dir/statements.sql"; } |
                sql ragnarok 2>"$dir/errors" || fail "$name ($mode, run $run): $(head -n 3 "$dir/errors")"
        done
        sql -e "SELECT $select FROM ragnarok.mob_db ORDER BY ID" >"$dir/stored.tsv"
        cmp -s "$dir/stored.tsv" "$dir/expected.tsv" ||
            fail "$name (${mode:-default mode}): stored values differ: $(diff "$dir/expected.tsv" "$dir/stored.tsv" | head -n 4)"
    done
    echo "$name: $loaded; every column stored exactly, in both SQL modes"
}

check "hostile text" hostile
# A real-shaped file of the classic layout, written here.
cat >"$dir/mob_db.txt" <<'LINES'
// ID,Name,JName,LV,HP,...
1001,SCORPION,Scorpion,24,1109,0,287,176,1,80,135,30,0,1,24,24,5,52,5,10,12,0,4,23,149,200,1564,864,576,990,70,904,5500,757,57,943,210,7041,100,508,200,625,20,0,0,0,0,4068,1,0,0,0,0,0,0,0,0
1002,PORING,Poring,1,50,0,2,1,1,7,10,0,5,1,1,1,0,6,30,10,12,1,3,21,131,400,1872,672,480,909,7000,1202,100,938,400,512,1000,713,1500,512,150,619,20,0,0,0,0,4001,1,0,0,0,0,0,0,0,0
1288,EMPERIUM,Emperium,90,68430,0,0,0,1,630,760,40,50,1,17,80,50,26,20,10,12,0,8,26,0,1000,288,288,384,714,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
1307,CAT_O_NINE_TAIL,Cat o' Nine Tails,76,64512,0,10869,4283,1,1112,1275,61,55,1,122,1,1,69,45,10,12,1,6,68,1461,150,276,576,288,986,5,1166,5,1234,1,1483,1,2313,1,2324,1,7019,1,0,0,0,0,4290,1,0,0,0,0,0,0,0,0
1324,TREASURE_BOX1,Treasure Chest,98,500,0,0,0,1,0,0,100,99,1,1,1,1,1,1,10,12,2,0,20,0,0,0,0,0,7444,5000,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
LINES
check "classic file" file "$dir/mob_db.txt"
if [ -n "$database_file" ]; then
    check "$(basename "$database_file")" file "$database_file"
fi
