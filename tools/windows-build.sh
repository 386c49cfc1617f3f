#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `make windows`: Grimlark and all its test suites for 64-bit Windows, in
# build-windows/, against the Windows Qt that tools/build-windows-qt.sh keeps
# in its cache (building it the first time, about 30-50 minutes), and the
# uchardet that tools/build-windows-uchardet.sh keeps beside it.
set -eu
sh tools/install-deps.sh g++-mingw-w64-x86-64 ninja-build imagemagick
qt=$(sh tools/build-windows-qt.sh)
uchardet=$(sh tools/build-windows-uchardet.sh)
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DGRIMLARK_WINDOWS_QT="$qt" -DGRIMLARK_WINDOWS_UCHARDET="$uchardet" \
    -DGRIMLARK_WINDOWS_CHECK=ON >/dev/null
cmake --build build-windows -j "$(nproc 2>/dev/null || echo 2)"
