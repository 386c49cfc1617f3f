#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `make clazy`: Qt-specific static analysis (clazy, levels 0 to 2) over every
# source that uses Qt, from the compile commands of the default build. Any
# warning fails. Left out, with the reason:
# - for the tests only:
#   qstring-allocations: tests spell their expected texts as plain literals
#     (the product is built with QT_NO_CAST_FROM_ASCII, which forbids them);
#   non-pod-global-static: GoogleTest's INSTANTIATE_TEST_SUITE_P defines such
#     statics in every data-driven suite, and fixtures keep texts there;
#   ctor-missing-parent-argument: QtTest's test objects live on main's stack;
#   returning-void-expression: GoogleTest's ASSERT_* return from void functions.
# A single product exception is marked where it stands (clazy:exclude=...).
set -eu
build=${1:-build}
jobs=$(nproc 2>/dev/null || echo 2)
levels=level0,level1,level2
test_checks=$levels,no-qstring-allocations,no-non-pod-global-static,no-ctor-missing-parent-argument,no-returning-void-expression
log="$build/clazy.log"

analyse() { # checks, then files
    checks=$1
    shift
    printf '%s\n' "$@" | xargs -P "$jobs" -n 4 clazy-standalone -p "$build" \
        --checks="$checks" --ignore-dirs='^/usr/' \
        --extra-arg=-Wno-gnu-zero-variadic-macro-arguments >>"$log" 2>&1
}

: >"$log"
# shellcheck disable=SC2046 # one word a file name (none has a blank)
analyse "$levels" $(git ls-files 'ui/*.cpp' 'app/*.cpp' 'tools/realdata/*.cpp')
# shellcheck disable=SC2046
analyse "$test_checks" $(git ls-files 'tests/*.cpp' | grep -v '^tests/windows/')
if grep -E 'warning:|error:' "$log" | sort -u | grep . >&2; then
    echo "clazy: the warnings above" >&2
    exit 1
fi
echo "clazy: clean"
