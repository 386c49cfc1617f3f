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
# Usage: MariaDbCheck.sh SQL_FIXTURE WORK_DIR CLASSIC_FILE [DATABASE_FILE]
# (CLASSIC_FILE: the tests' own tests/data/mob_db.txt; DATABASE_FILE: any other.)
set -eu
fixture=$1
work=$2
classic_file=$3
database_file=${4:-}
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
# shellcheck disable=SC2016 # the backquotes quote SQL's column names, not commands
columns='`ID` mediumint(9) unsigned NOT NULL default 0, `Name` text NOT NULL, `Name2` text NOT NULL'
# shellcheck disable=SC2016 # the same
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
check "classic file" file "$classic_file"
if [ -n "$database_file" ]; then
    check "$(basename "$database_file")" file "$database_file"
fi
