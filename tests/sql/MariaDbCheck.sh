#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Generate > SQL Entry against a real MariaDB server: a throwaway server of its
# own (data folder and socket under the build folder, no network), Freya's and
# eAthena's own `mob_db` tables, the statements run and every column read back
# and compared with the editor's values, in both SQL modes (with and without
# NO_BACKSLASH_ESCAPES), twice each (they update, never add a second row, with
# or without a key). The modes are otherwise lenient, as the servers' own
# setups were: text in a number column (named in the statement's comment) is
# stored as MariaDB converts it, and a value past a column is clamped (warned
# under SQL Entry), and the fixture expects that. The
# server is stopped and its folder removed at the end, also on failure.
# Skips (status 77) where MariaDB is not installed or cannot start.
#
# Usage: MariaDbCheck.sh SQL_FIXTURE WORK_DIR CLASSIC_FILE GRIMLARK [DATABASE_FILE]
# (CLASSIC_FILE: the tests' own tests/data/mob_db.txt; GRIMLARK: the program,
# for --convert; DATABASE_FILE: any other.)
set -eu
fixture=$1
work=$2
classic_file=$3
program=$4
database_file=${5:-}
fail() { echo "MariaDB check: $*" >&2; exit 1; }
skip() { echo "MariaDB check skipped: $*"; exit 77; }

command -v mariadbd >/dev/null 2>&1 || [ -x /usr/sbin/mariadbd ] || skip "mariadb-server is not installed"
PATH=$PATH:/usr/sbin
mkdir -p "$work"
dir=$(mktemp -d "$work/mariadb.XXXXXX")
server_pid="" # not "server": the checks below loop over servers by that name
# The server is stopped and waited for (at most 30 s, then killed outright)
# before its folder goes: no run leaves a database server behind.
cleanup() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        i=0
        # (A server that has ended stays a zombie until waited for: not running.)
        while ps -o stat= -p "$server_pid" 2>/dev/null | grep -qv '^Z' && [ $i -lt 300 ]; do
            i=$((i + 1))
            sleep 0.1
        done
        kill -9 "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP # and the cleanup runs on the way out

user=$(id -un)
mariadb-install-db --no-defaults --datadir="$dir/data" --user="$user" --skip-test-db \
    --auth-root-authentication-method=normal >"$dir/install.log" 2>&1 ||
    skip "a MariaDB data folder cannot be made here ($(tail -n 1 "$dir/install.log"))"
mariadbd --no-defaults --datadir="$dir/data" --socket="$dir/socket" --pid-file="$dir/pid" \
    --skip-networking --skip-grant-tables --user="$user" --log-error="$dir/error.log" &
server_pid=$!
i=0
until [ -S "$dir/socket" ]; do
    kill -0 "$server_pid" 2>/dev/null || skip "MariaDB did not start ($(tail -n 1 "$dir/error.log"))"
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

# The servers' own tables, as their SQL files create them: Freya's
# (mob_db_map.sql, no key at all; its "TYPE = MyISAM" is spelt ENGINE today)
# and eAthena's of 2006 (mob_db.sql: every number unsigned, a primary key);
# and the later eAthena layout's (58 columns, its dump's own CREATE TABLE).
# Each in a database of its own; the classic statements run in the first two.
sql <<'TABLES'
CREATE DATABASE freya;
CREATE TABLE freya.mob_db (
  `ID` mediumint(9) NOT NULL default '0',
  `Name` text NOT NULL,
  `Name2` text NOT NULL,
  `LV` smallint(6) NOT NULL default '0',
  `HP` mediumint(9) NOT NULL default '0',
  `SP` mediumint(9) NOT NULL default '0',
  `EXP` mediumint(9) NOT NULL default '0',
  `JEXP` mediumint(9) NOT NULL default '0',
  `Range1` tinyint(4) NOT NULL default '0',
  `ATK1` smallint(6) NOT NULL default '0',
  `ATK2` smallint(6) NOT NULL default '0',
  `DEF` smallint(6) NOT NULL default '0',
  `MDEF` smallint(6) NOT NULL default '0',
  `STR` tinyint(4) UNSIGNED NOT NULL default '0',
  `AGI` tinyint(4) UNSIGNED NOT NULL default '0',
  `VIT` tinyint(4) UNSIGNED NOT NULL default '0',
  `INT` tinyint(4) UNSIGNED NOT NULL default '0',
  `DEX` tinyint(4) UNSIGNED NOT NULL default '0',
  `LUK` tinyint(4) UNSIGNED NOT NULL default '0',
  `Range2` tinyint(4) NOT NULL default '0',
  `Range3` tinyint(4) NOT NULL default '0',
  `Scale` tinyint(4) NOT NULL default '0',
  `Race` tinyint(4) NOT NULL default '0',
  `Element` tinyint(4) NOT NULL default '0',
  `Mode` smallint(6) NOT NULL default '0',
  `Speed` smallint(6) NOT NULL default '0',
  `ADelay` smallint(6) NOT NULL default '0',
  `aMotion` smallint(6) NOT NULL default '0',
  `dMotion` smallint(6) NOT NULL default '0',
  `Drop1id` mediumint(9) NOT NULL default '0',
  `Drop1per` mediumint(9) NOT NULL default '0',
  `Drop2id` mediumint(9) NOT NULL default '0',
  `Drop2per` mediumint(9) NOT NULL default '0',
  `Drop3id` mediumint(9) NOT NULL default '0',
  `Drop3per` mediumint(9) NOT NULL default '0',
  `Drop4id` mediumint(9) NOT NULL default '0',
  `Drop4per` mediumint(9) NOT NULL default '0',
  `Drop5id` mediumint(9) NOT NULL default '0',
  `Drop5per` mediumint(9) NOT NULL default '0',
  `Drop6id` mediumint(9) NOT NULL default '0',
  `Drop6per` mediumint(9) NOT NULL default '0',
  `Drop7id` mediumint(9) NOT NULL default '0',
  `Drop7per` mediumint(9) NOT NULL default '0',
  `Drop8id` mediumint(9) NOT NULL default '0',
  `Drop8per` mediumint(9) NOT NULL default '0',
  `Drop9id` mediumint(9) NOT NULL default '0',
  `Drop9per` mediumint(9) NOT NULL default '0',
  `DropCardid` mediumint(9) NOT NULL default '0',
  `DropCardper` mediumint(9) NOT NULL default '0',
  `MEXP` mediumint(9) NOT NULL default '0',
  `ExpPer` mediumint(9) NOT NULL default '0',
  `MVP1id` mediumint(9) NOT NULL default '0',
  `MVP1per` mediumint(9) NOT NULL default '0',
  `MVP2id` mediumint(9) NOT NULL default '0',
  `MVP2per` mediumint(9) NOT NULL default '0',
  `MVP3id` mediumint(9) NOT NULL default '0',
  `MVP3per` mediumint(9) NOT NULL default '0'
) ENGINE=MyISAM DEFAULT CHARSET=latin1;
CREATE DATABASE eathena;
CREATE TABLE eathena.mob_db (
  `ID` mediumint(9) unsigned NOT NULL default '0',
  `Name` text NOT NULL,
  `Name2` text NOT NULL,
  `LV` tinyint(6) unsigned NOT NULL default '0',
  `HP` int(9) unsigned NOT NULL default '0',
  `SP` mediumint(9) unsigned NOT NULL default '0',
  `EXP` mediumint(9) unsigned NOT NULL default '0',
  `JEXP` mediumint(9) unsigned NOT NULL default '0',
  `Range1` tinyint(4) unsigned NOT NULL default '0',
  `ATK1` smallint(6) unsigned NOT NULL default '0',
  `ATK2` smallint(6) unsigned NOT NULL default '0',
  `DEF` smallint(6) unsigned NOT NULL default '0',
  `MDEF` smallint(6) unsigned NOT NULL default '0',
  `STR` tinyint(4) unsigned NOT NULL default '0',
  `AGI` tinyint(4) unsigned NOT NULL default '0',
  `VIT` tinyint(4) unsigned NOT NULL default '0',
  `INT` tinyint(4) unsigned NOT NULL default '0',
  `DEX` tinyint(4) unsigned NOT NULL default '0',
  `LUK` tinyint(4) unsigned NOT NULL default '0',
  `Range2` tinyint(4) unsigned NOT NULL default '0',
  `Range3` tinyint(4) unsigned NOT NULL default '0',
  `Scale` tinyint(4) unsigned NOT NULL default '0',
  `Race` tinyint(4) unsigned NOT NULL default '0',
  `Element` tinyint(4) unsigned NOT NULL default '0',
  `Mode` smallint(6) unsigned NOT NULL default '0',
  `Speed` smallint(6) unsigned NOT NULL default '0',
  `ADelay` smallint(6) unsigned NOT NULL default '0',
  `aMotion` smallint(6) unsigned NOT NULL default '0',
  `dMotion` smallint(6) unsigned NOT NULL default '0',
  `Drop1id` smallint(9) unsigned NOT NULL default '0',
  `Drop1per` smallint(9) unsigned NOT NULL default '0',
  `Drop2id` smallint(9) unsigned NOT NULL default '0',
  `Drop2per` smallint(9) unsigned NOT NULL default '0',
  `Drop3id` smallint(9) unsigned NOT NULL default '0',
  `Drop3per` smallint(9) unsigned NOT NULL default '0',
  `Drop4id` smallint(9) unsigned NOT NULL default '0',
  `Drop4per` smallint(9) unsigned NOT NULL default '0',
  `Drop5id` smallint(9) unsigned NOT NULL default '0',
  `Drop5per` smallint(9) unsigned NOT NULL default '0',
  `Drop6id` smallint(9) unsigned NOT NULL default '0',
  `Drop6per` smallint(9) unsigned NOT NULL default '0',
  `Drop7id` smallint(9) unsigned NOT NULL default '0',
  `Drop7per` smallint(9) unsigned NOT NULL default '0',
  `Drop8id` smallint(9) unsigned NOT NULL default '0',
  `Drop8per` smallint(9) unsigned NOT NULL default '0',
  `Drop9id` smallint(9) unsigned NOT NULL default '0',
  `Drop9per` smallint(9) unsigned NOT NULL default '0',
  `DropCardid` smallint(9) unsigned NOT NULL default '0',
  `DropCardper` smallint(9) unsigned NOT NULL default '0',
  `MEXP` mediumint(9) unsigned NOT NULL default '0',
  `ExpPer` smallint(9) unsigned NOT NULL default '0',
  `MVP1id` smallint(9) unsigned NOT NULL default '0',
  `MVP1per` smallint(9) unsigned NOT NULL default '0',
  `MVP2id` smallint(9) unsigned NOT NULL default '0',
  `MVP2per` smallint(9) unsigned NOT NULL default '0',
  `MVP3id` smallint(9) unsigned NOT NULL default '0',
  `MVP3per` smallint(9) unsigned NOT NULL default '0',
  PRIMARY KEY (`ID`)
) ENGINE=MyISAM DEFAULT CHARSET=latin1;
CREATE DATABASE later;
CREATE TABLE later.mob_db (
  `ID` mediumint(9) unsigned NOT NULL default '0',
  `Sprite` text NOT NULL,
  `kName` text NOT NULL,
  `iName` text NOT NULL,
  `LV` tinyint(6) unsigned NOT NULL default '0',
  `HP` int(9) unsigned NOT NULL default '0',
  `SP` mediumint(9) unsigned NOT NULL default '0',
  `EXP` mediumint(9) unsigned NOT NULL default '0',
  `JEXP` mediumint(9) unsigned NOT NULL default '0',
  `Range1` tinyint(4) unsigned NOT NULL default '0',
  `ATK1` smallint(6) unsigned NOT NULL default '0',
  `ATK2` smallint(6) unsigned NOT NULL default '0',
  `DEF` smallint(6) unsigned NOT NULL default '0',
  `MDEF` smallint(6) unsigned NOT NULL default '0',
  `STR` smallint(6) unsigned NOT NULL default '0',
  `AGI` smallint(6) unsigned NOT NULL default '0',
  `VIT` smallint(6) unsigned NOT NULL default '0',
  `INT` smallint(6) unsigned NOT NULL default '0',
  `DEX` smallint(6) unsigned NOT NULL default '0',
  `LUK` smallint(6) unsigned NOT NULL default '0',
  `Range2` tinyint(4) unsigned NOT NULL default '0',
  `Range3` tinyint(4) unsigned NOT NULL default '0',
  `Scale` tinyint(4) unsigned NOT NULL default '0',
  `Race` tinyint(4) unsigned NOT NULL default '0',
  `Element` tinyint(4) unsigned NOT NULL default '0',
  `Mode` smallint(6) unsigned NOT NULL default '0',
  `Speed` smallint(6) unsigned NOT NULL default '0',
  `aDelay` smallint(6) unsigned NOT NULL default '0',
  `aMotion` smallint(6) unsigned NOT NULL default '0',
  `dMotion` smallint(6) unsigned NOT NULL default '0',
  `MEXP` mediumint(9) unsigned NOT NULL default '0',
  `ExpPer` smallint(9) unsigned NOT NULL default '0',
  `MVP1id` smallint(9) unsigned NOT NULL default '0',
  `MVP1per` smallint(9) unsigned NOT NULL default '0',
  `MVP2id` smallint(9) unsigned NOT NULL default '0',
  `MVP2per` smallint(9) unsigned NOT NULL default '0',
  `MVP3id` smallint(9) unsigned NOT NULL default '0',
  `MVP3per` smallint(9) unsigned NOT NULL default '0',
  `Drop1id` smallint(9) unsigned NOT NULL default '0',
  `Drop1per` smallint(9) unsigned NOT NULL default '0',
  `Drop2id` smallint(9) unsigned NOT NULL default '0',
  `Drop2per` smallint(9) unsigned NOT NULL default '0',
  `Drop3id` smallint(9) unsigned NOT NULL default '0',
  `Drop3per` smallint(9) unsigned NOT NULL default '0',
  `Drop4id` smallint(9) unsigned NOT NULL default '0',
  `Drop4per` smallint(9) unsigned NOT NULL default '0',
  `Drop5id` smallint(9) unsigned NOT NULL default '0',
  `Drop5per` smallint(9) unsigned NOT NULL default '0',
  `Drop6id` smallint(9) unsigned NOT NULL default '0',
  `Drop6per` smallint(9) unsigned NOT NULL default '0',
  `Drop7id` smallint(9) unsigned NOT NULL default '0',
  `Drop7per` smallint(9) unsigned NOT NULL default '0',
  `Drop8id` smallint(9) unsigned NOT NULL default '0',
  `Drop8per` smallint(9) unsigned NOT NULL default '0',
  `Drop9id` smallint(9) unsigned NOT NULL default '0',
  `Drop9per` smallint(9) unsigned NOT NULL default '0',
  `DropCardid` smallint(9) unsigned NOT NULL default '0',
  `DropCardper` smallint(9) unsigned NOT NULL default '0',
  PRIMARY KEY  (`ID`)
) ENGINE=MyISAM;
TABLES
# Every column read back as the bytes it holds.
numbers="LV HP SP EXP JEXP Range1 ATK1 ATK2 DEF MDEF STR AGI VIT INT DEX LUK Range2 Range3 \
Scale Race Element Mode Speed ADelay aMotion dMotion Drop1id Drop1per Drop2id Drop2per Drop3id \
Drop3per Drop4id Drop4per Drop5id Drop5per Drop6id Drop6per Drop7id Drop7per Drop8id Drop8per \
Drop9id Drop9per DropCardid DropCardper MEXP ExpPer MVP1id MVP1per MVP2id MVP2per MVP3id MVP3per"
# shellcheck disable=SC2016 # the backquotes quote SQL's column names, not commands
select='HEX(CAST(`ID` AS CHAR)), HEX(`Name`), HEX(`Name2`)'
for column in $numbers; do
    select="$select, HEX(CAST(\`$column\` AS CHAR))"
done
# shellcheck disable=SC2016 # the same
later_select='HEX(CAST(`ID` AS CHAR)), HEX(`Sprite`), HEX(`kName`), HEX(`iName`)'
for column in LV HP SP EXP JEXP Range1 ATK1 ATK2 DEF MDEF STR AGI VIT INT DEX LUK Range2 Range3 \
    Scale Race Element Mode Speed aDelay aMotion dMotion MEXP ExpPer MVP1id MVP1per MVP2id MVP2per \
    MVP3id MVP3per Drop1id Drop1per Drop2id Drop2per Drop3id Drop3per Drop4id Drop4per Drop5id \
    Drop5per Drop6id Drop6per Drop7id Drop7per Drop8id Drop8per Drop9id Drop9per DropCardid \
    DropCardper; do
    later_select="$later_select, HEX(CAST(\`$column\` AS CHAR))"
done

# Runs statements twice in each SQL mode and compares what the table holds.
# Usage: run_twice NAME DATABASE STATEMENTS EXPECTED SELECT
run_twice() {
    for mode in "" "NO_BACKSLASH_ESCAPES"; do
        sql -e "TRUNCATE $2.mob_db"
        # Twice: the statements update the monster, in a table with a key or
        # without one, and never add a second row.
        for run in 1 2; do
            { echo "SET SESSION sql_mode = '$mode';"; cat "$3"; } | sql "$2" 2>"$dir/errors" ||
                fail "$1 ($2, $mode, run $run): $(head -n 3 "$dir/errors")"
        done
        sql -e "SELECT $5 FROM $2.mob_db ORDER BY ID" >"$dir/stored.tsv"
        cmp -s "$dir/stored.tsv" "$4" ||
            fail "$1 ($2, ${mode:-default mode}): stored values differ: $(diff "$4" "$dir/stored.tsv" | head -n 4)"
    done
}

check() { # name, fixture arguments...
    name=$1
    shift
    loaded=$("$fixture" "$@" "$dir") || fail "$name: the fixture could not be written"
    for server in freya eathena; do
        run_twice "$name" "$server" "$dir/statements.sql" "$dir/expected-$server.tsv" "$select"
    done
    run_twice "$name" later "$dir/later.sql" "$dir/expected-later.tsv" "$later_select"
    echo "$name: $loaded; one row a monster, every column as each server's table stores it, in both SQL modes"
}

check "hostile text" hostile
check "classic file" file "$classic_file"
# The same file through `grimlark --convert classic --sql`, in Freya's table.
"$program" --convert classic --sql "$classic_file" >"$dir/converted.sql" 2>"$dir/lost" ||
    fail "--convert classic --sql lost something: $(head -n 3 "$dir/lost")"
run_twice "--convert classic --sql" freya "$dir/converted.sql" "$dir/expected-freya.tsv" "$select"
echo "--convert classic --sql: every monster of the classic file as Freya's table stores it"

# Into tables that already hold the monster's ID (and its neighbour's, and the
# highest ID the column holds), in strict and lenient mode, with a client that
# stops at the first error and one that goes on (--force, as some graphical
# clients do), run twice: a refused row leaves the table as it was; a stored
# one replaces exactly one row. Never a table without the monster it had.
"$fixture" replace "$dir" >"$dir/replace.list" || fail "the replacements could not be written"
while read -r number name; do
    said=""
    for database in freya eathena later; do
        statements="$dir/replace-$number.sql"
        [ "$database" = later ] && statements="$dir/replace-$number-later.sql"
        highest=16777215
        [ "$database" = freya ] && highest=8388607 # a signed mediumint
        for mode in STRICT_TRANS_TABLES ""; do
            for client in "" --force; do
                sql "$database" -e "SET SESSION sql_mode = ''; TRUNCATE mob_db;
                    INSERT INTO mob_db (ID) VALUES (1002), (1003), ($highest);" 2>/dev/null
                sql "$database" -e "SELECT * FROM mob_db ORDER BY ID" >"$dir/before.tsv"
                refused=""
                : >"$dir/errors"
                for run in 1 2; do
                    { echo "SET SESSION sql_mode = '$mode';"; cat "$statements"; } |
                        sql $client "$database" 2>>"$dir/errors" || refused=yes
                done
                # --force ends with 0 after errors, which it prints all the same.
                if grep -q '^ERROR' "$dir/errors"; then refused=yes; fi
                sql "$database" -e "SELECT * FROM mob_db ORDER BY ID" >"$dir/after.tsv"
                what="$name ($database, ${mode:-lenient}${client:+, $client})"
                if [ -n "$refused" ]; then
                    [ -n "$mode" ] || fail "$what: refused in lenient mode: $(head -n 2 "$dir/errors")"
                    cmp -s "$dir/before.tsv" "$dir/after.tsv" ||
                        fail "$what: refused ($(head -n 1 "$dir/errors")), and the table changed: $(diff "$dir/before.tsv" "$dir/after.tsv" | head -n 4)"
                    case $said in *"$database strict"*) ;; *) said="$said, $database strict: refused, row kept" ;; esac
                else
                    rows=$(sql "$database" -e "SELECT COUNT(*), SUM(HP = 0) FROM mob_db")
                    [ "$rows" = "3	2" ] ||
                        fail "$what: not one row replaced (rows, old rows: $rows): $(diff "$dir/before.tsv" "$dir/after.tsv" | head -n 4)"
                fi
            done
        done
    done
    echo "$name: one row replaced in every table and mode${said}"
done <"$dir/replace.list"

if [ -n "$database_file" ]; then
    check "$(basename "$database_file")" file "$database_file"
fi
