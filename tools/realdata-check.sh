#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's real-files table is what `make realdata` prints: fails when the
# two differ. Skipped (status 0, said) where the folder of real files is not
# there, as on a machine that has only the clone.
#
# Usage: tools/realdata-check.sh PROGRAM DATA_DIR
set -eu
program=$1
data=$2
if [ ! -d "$data" ]; then
    echo "realdata check skipped: no folder $data"
    exit 0
fi
printed=$("$program" "$data" | grep '^|')
# The README's table: from its header to the first line that is not a row.
readme=$(awk '/^\| file \| encoding \|/ { table = 1 } table && !/^\|/ { exit } table' README.md)
if [ "$printed" != "$readme" ]; then
    echo "The README's real-files table is not what make realdata prints:" >&2
    printf 'printed:\n%s\nREADME:\n%s\n' "$printed" "$readme" >&2
    exit 1
fi
echo "realdata check: the README's table is what make realdata prints"
