#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the includes that the core's files do not use (include-what-you-use,
# from Debian's iwyu) and fails when there is one. The core only: it is
# standard C++, which iwyu maps right; for Qt 6 it has no mapping, and its
# advice there (<qstring.h> for <QString>) would be noise.
#
# Usage: tools/include-check.sh BUILD_DIR
set -eu
build=${1:?the build folder, with compile_commands.json}
stl=/usr/share/include-what-you-use/gcc.stl.headers.imp
# iwyu exits non-zero whenever it has advice; the listing below decides.
# shellcheck disable=SC2046 # one word a file name; the names have no blanks
report=$(iwyu_tool -p "$build" -j "$(nproc 2>/dev/null || echo 2)" \
    $(git ls-files 'core/*.cpp' | grep -v WinRegistry) -- \
    -Xiwyu --mapping_file="$stl" -Xiwyu --no_fwd_decls 2>&1 || true)
unused=$(printf '%s\n' "$report" | awk '
    / should remove these lines:$/ { file = $1; next }
    /^- #include/ { print file ": " substr($0, 3) }
    /^$/ { file = "" }')
if [ -n "$unused" ]; then
    printf 'Includes not used:\n%s\n' "$unused" >&2
    exit 1
fi
echo "include check: clean"
