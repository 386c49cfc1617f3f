#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a C library the core links for 64-bit Windows from Debian's own
# source package, cross-compiled with Debian's mingw-w64, into a cache outside
# the clone, as tools/build-windows-qt.sh does Qt: `uchardet` (which tells a
# file's legacy encoding) or `libyaml` (which reads rAthena's YAML databases).
# Idempotent: prints the prefix of the cached build and does nothing else when
# it is there. The cache is keyed on the package, its source version, the
# compiler's version and the flags. A first build takes about a minute.
set -eu

package=${1:-}
case $package in
uchardet) flags="-DBUILD_SHARED_LIBS=OFF -DBUILD_BINARY=OFF -DCMAKE_BUILD_TYPE=Release" ;;
libyaml) flags="-DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release" ;;
*)
    echo "usage: $0 uchardet|libyaml" >&2
    exit 2
    ;;
esac

here=$(cd "$(dirname "$0")/.." && pwd)
cache_root=${GRIMLARK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/grimlark}
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

sources=/etc/apt/sources.list.d/grimlark-deb-src.sources
# shellcheck disable=SC1091 # the system's own file, not ours to check
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
if [ -z "$(apt-cache showsrc "$package" 2>/dev/null)" ]; then
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$codename" "$codename" | as_root tee "$sources" >/dev/null
    as_root apt-get update >&2
fi
sh "$here/tools/install-deps.sh" dpkg-dev g++-mingw-w64-x86-64 ninja-build >&2

version_of() { dpkg-query -W -f='${Version}' "$1"; }
source_version=$(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -V | tail -n 1)
key=$(printf '%s\n' "$package" "$source_version" "$(version_of g++-mingw-w64-x86-64-posix)" "$flags" |
        sha256sum | cut -c1-16)
prefix="$cache_root/$package-mingw64-$key"

# One build of a cache at a time: a second one (another clone, CI beside a
# developer) waits here for the first, then finds its result. Every work
# folder of this cache left by a build that was stopped is stale once the
# lock is held; this build's own is new.
mkdir -p "$cache_root"
exec 9>"$prefix.lock"
flock 9

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

rm -rf "$cache_root/work-$package-$key".*
work=$(mktemp -d "$cache_root/work-$package-$key.XXXXXX")
cd "$work"
echo "== Windows $package: fetching $package $source_version (first time only)" >&2
apt-get source --download-only "$package" >&2
dpkg-source -x ./*.dsc src >&2
# shellcheck disable=SC2086 # the flags are words on purpose
cmake -S src -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" $flags >&2
cmake --build build >&2
cmake --install build >&2
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "$prefix"
