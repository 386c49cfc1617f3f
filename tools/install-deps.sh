#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian/Ubuntu packages that building, running and testing need,
# and only those that are missing. Uses sudo when not run as root.
set -eu

packages="cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libuchardet-dev libyaml-dev fonts-liberation $*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
else
    sudo="sudo"
fi
echo "Installing:$missing"
$sudo apt-get update
# shellcheck disable=SC2086 # $sudo and $missing are lists of words, split on purpose
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
