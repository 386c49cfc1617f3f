#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt 6 for 64-bit Windows from Debian's own qt6-base source package,
# cross-compiled with Debian's mingw-w64 and Debian's host Qt tools, and keeps
# the installed result in a cache outside the clone. Idempotent: prints the
# prefix of the cached Qt and does nothing else when the cache is present.
#
# The cache is keyed on everything that changes the result: the source
# version, the mingw and host-Qt versions, the configure flags and the patch
# (not on the rest of this script, so that a comment does not cost a rebuild).
# A first build takes about 30-50 minutes.
#
# Usage: tools/build-windows-qt.sh          prints the prefix (builds if needed)
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
cache_root=${GRIMLARK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/grimlark}
jobs=$(nproc 2>/dev/null || echo 2)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# Debian's source lines for the release this machine runs, enabled once.
sources=/etc/apt/sources.list.d/grimlark-deb-src.sources
# shellcheck disable=SC1091 # the system's own file, not ours to check
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
if ! apt-cache showsrc qt6-base >/dev/null 2>&1 || [ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]; then
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$codename" "$codename" | as_root tee "$sources" >/dev/null
    as_root apt-get update >&2
fi
sh "$here/tools/install-deps.sh" dpkg-dev g++-mingw-w64-x86-64 qt6-base-dev-tools ninja-build python3 >&2

flags="-release -shared -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-freetype -no-zstd -no-libjpeg \
    -qt-zlib -qt-libpng -qt-harfbuzz -qt-pcre -qt-doubleconversion \
    -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent \
    -no-feature-printsupport -no-feature-vulkan -no-feature-tabletevent -no-direct2d"
# With Direct2D off, the windows platform plugin still asks for the DirectWrite
# font database that only the Direct2D build compiles; make the two agree.
patch='s/QT_CONFIG(directwrite3)/QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/'

version_of() { dpkg-query -W -f='${Version}' "$1"; }
source_version=$(apt-cache showsrc qt6-base | sed -n 's/^Version: //p' | sort -V | tail -n 1)
key=$(printf '%s\n' "$source_version" "$(version_of g++-mingw-w64-x86-64-posix 2>/dev/null || version_of g++-mingw-w64-x86-64)" \
        "$(version_of qt6-base-dev-tools)" "$flags" "$patch" | sha256sum | cut -c1-16)
prefix="$cache_root/qt6-mingw64-$key"

# One build of a cache at a time: a second one (another clone, CI beside a
# developer) waits here for the first, then finds its result. Every work
# folder of this cache left by a build that was stopped is stale once the
# lock is held; this build's own is new.
mkdir -p "$cache_root"
exec 9>"$prefix.lock"
flock 9

# The source's third-party parts and their licences, kept beside the Qt built
# from it (tools/qt-third-party.py): the notices of what ships are written
# from them. A cache made before they were kept gets them from the source.
if [ -f "$prefix/.complete" ]; then
    if [ ! -f "$prefix/third-party/attributions.json" ]; then
        echo "== Windows Qt: noting the third-party parts of qt6-base $source_version" >&2
        parts=$(mktemp -d)
        (cd "$parts" && apt-get source --download-only qt6-base >&2 &&
            dpkg-source -x qt6-base_*.dsc src >&2)
        python3 "$here/tools/qt-third-party.py" collect "$parts/src" "$prefix"
        rm -rf "$parts"
    fi
    echo "$prefix"
    exit 0
fi

rm -rf "$cache_root/work-$key".*
work=$(mktemp -d "$cache_root/work-$key.XXXXXX")
cd "$work"
echo "== Windows Qt: fetching qt6-base $source_version (first time only)" >&2
apt-get source --download-only qt6-base >&2
dpkg-source -x qt6-base_*.dsc src >&2

sed -i "$patch" src/src/plugins/platforms/windows/qwindowsintegration.cpp


multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
echo "== Windows Qt: configuring" >&2
mkdir build
cd build
# shellcheck disable=SC2086 # the flags are words on purpose
../src/configure -prefix "$prefix" $flags -qt-host-path /usr -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" >&2
echo "== Windows Qt: building with $jobs jobs" >&2
cmake --build . --parallel "$jobs" >&2
cmake --install . >&2
python3 "$here/tools/qt-third-party.py" collect "$work/src" "$prefix"
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "$prefix"
