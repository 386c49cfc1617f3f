#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `make windows-check`, which CI runs: the Windows Qt (from its cache), the
# Windows build and its packages, then under Wine the registry lookup against a
# real advapi32, every test suite, and the installer end to end. Prints each
# stage's time.
set -eu
total=$(date +%s)
stage() { # name, command...
    name=$1
    shift
    started=$(date +%s)
    echo "== $name"
    "$@"
    echo "   $name: $(($(date +%s) - started)) s"
}
stage "Windows Qt" sh tools/build-windows-qt.sh
stage "Windows build" sh tools/windows-build.sh
stage "Windows packages" sh -c 'cd build-windows && cpack >/dev/null && ls packages/*.zip packages/*.exe'
stage "registry lookup under Wine" sh tools/windows-registry-check.sh
stage "test suites under Wine" sh tools/windows-test.sh
stage "installer under Wine" sh tools/windows-install-check.sh
echo "Windows check passed in $(($(date +%s) - total)) s"
