#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package that `make package` built into a fresh minimal system of
# this machine's own release (debootstrap, from the archive this machine's apt
# uses), then starts the installed program there and asks it to quit. This
# proves that the declared dependencies bring everything. Needs root.
set -eu

set -- build-package/packages/grimlark_*.deb
deb=$(readlink -f "$1")
root="$PWD/build-package/fresh"
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap and chroot need it"; exit 1; }

# shellcheck disable=SC1091 # the system's own file, not ours to check
. /etc/os-release
suite=$VERSION_CODENAME
mirror=$( (grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}';
           grep -hs '^deb ' /etc/apt/sources.list | awk '{print $2}') | grep -v security | head -n 1)
[ -n "$mirror" ] || { echo "no archive found in this machine's apt sources"; exit 1; }

cleanup() { umount "$root/proc" 2>/dev/null || true; rm -rf "$root"; }
trap cleanup EXIT
cleanup
echo "== a fresh $suite"
debootstrap --variant=minbase "$suite" "$root" "$mirror" >/dev/null
mount -t proc proc "$root/proc"
cp "$deb" "$(dirname "$0")/ready.sh" "$root/tmp/"
# shellcheck disable=SC2016 # the script runs in the chroot's shell, which expands it
chroot "$root" sh -eu -c '
    apt-get update >/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get install -y /tmp/'"$(basename "$deb")"' >/tmp/install.log 2>&1 ||
        { tail -n 30 /tmp/install.log; exit 1; }
    grimlark --version
    fc-match "Liberation Sans" | grep -q Liberation || { echo "the font is missing"; exit 1; }
    . /tmp/ready.sh
    QT_QPA_PLATFORM=offscreen grimlark 2>/dev/null &
    pid=$!
    wait_until_ready $pid || { echo "the program did not stay running"; exit 1; }
    kill -TERM $pid
    wait $pid
'
echo "installed on a fresh system with apt-get: started and quit cleanly"
