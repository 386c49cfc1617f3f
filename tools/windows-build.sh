#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `make windows`: Grimlark and all its test suites for 64-bit Windows, in
# build-windows/, against the Windows Qt that tools/build-windows-qt.sh keeps
# in its cache (building it the first time, about 30-50 minutes), and the
# uchardet and libyaml that tools/build-windows-lib.sh keeps beside it.
set -eu
sh tools/install-deps.sh g++-mingw-w64-x86-64 ninja-build imagemagick python3
GRIMLARK_WINDOWS_QT=$(sh tools/build-windows-qt.sh)
GRIMLARK_WINDOWS_UCHARDET=$(sh tools/build-windows-lib.sh uchardet)
GRIMLARK_WINDOWS_LIBYAML=$(sh tools/build-windows-lib.sh libyaml)
export GRIMLARK_WINDOWS_QT GRIMLARK_WINDOWS_UCHARDET GRIMLARK_WINDOWS_LIBYAML # read by the preset
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc 2>/dev/null || echo 2)"
