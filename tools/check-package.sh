#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that `make package` built: its file list, its
# declared dependencies, the validators on its menu entry and metainfo, then
# installs it with apt-get, starts the installed program from its menu entry's
# command (offscreen), asks it to quit with SIGTERM and removes the package again.
set -eu
. "$(dirname "$0")/ready.sh"

set -- build-package/packages/grimlark_*.deb
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

echo "== $deb"
dpkg-deb -c "$deb" | awk '{print $NF}' > "$work/files"
for file in ./usr/bin/grimlark \
            ./usr/share/applications/org.grimlark.Grimlark.desktop \
            ./usr/share/metainfo/org.grimlark.Grimlark.metainfo.xml \
            ./usr/share/icons/hicolor/16x16/apps/org.grimlark.Grimlark.png \
            ./usr/share/icons/hicolor/32x32/apps/org.grimlark.Grimlark.png \
            ./usr/share/doc/grimlark/copyright \
            ./usr/share/man/man1/grimlark.1.gz \
            ./usr/share/icons/hicolor/64x64/apps/org.grimlark.Grimlark.png \
            ./usr/share/icons/hicolor/128x128/apps/org.grimlark.Grimlark.png; do
    grep -qx "$file" "$work/files" || fail "missing $file"
done
echo "files: ok"

# Every library the program links to must come from a package it declares
# (what those libraries need in turn, their own packages declare).
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depends="$depends,"
case "$depends" in *fonts-liberation*) ;; *) fail "the font is not declared" ;; esac
case "$(dpkg-deb -f "$deb" Recommends)" in *fonts-droid-fallback*) ;; *) fail "no CJK face is recommended" ;; esac
dpkg-deb -x "$deb" "$work/root"
owner() { dpkg -S "$1" 2>/dev/null | head -n 1 | cut -d: -f1; }
binary="$work/root/usr/bin/grimlark"
for needed in $(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    library=$(ldd "$binary" | awk -v name="$needed" '$1 == name {print $3}')
    [ -n "$library" ] || fail "$needed is not found"
    # With merged /usr a library has two names, of which dpkg knows one.
    package=$(owner "$library")
    [ -n "$package" ] || package=$(owner "$(readlink -f "$library")")
    [ -n "$package" ] || package=$(owner "/usr$library")
    [ -n "$package" ] || fail "no package holds $library"
    case ", $depends" in
        *", $package "* | *", $package,"* | *", $package") ;;
        *) fail "$library comes from $package, which is not declared" ;;
    esac
done
echo "dependencies: ok"

# The platform's hardening, as hardening-check would report it.
readelf -hW "$binary" | grep -q 'Type:.*DYN' || fail "not a position-independent executable"
readelf -lW "$binary" | grep -q GNU_RELRO || fail "no read-only relocations"
readelf -dW "$binary" | grep -Eq 'BIND_NOW|FLAGS.*NOW' || fail "no immediate binding"
readelf -sW --dyn-syms "$binary" | grep -q '__stack_chk_fail' || fail "no stack protector"
readelf -sW --dyn-syms "$binary" | grep -Eq '__[a-z0-9_]+_chk@' || fail "no fortified calls"
# (The code is built with -fcf-protection too, but the finished program carries
# no IBT mark while the C library's own start files lack it, as Debian's do.)
echo "hardening: ok"

desktop-file-validate "$work/root/usr/share/applications/org.grimlark.Grimlark.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.grimlark.Grimlark.metainfo.xml"
# Debian's own checks of a package: no errors (warnings are printed).
lintian --fail-on error --allow-root "$deb"
echo "validators: ok"

installed_before=no
dpkg-query -W -f='${Status}' grimlark 2>/dev/null | grep -q "install ok installed" && installed_before=yes
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$(readlink -f "$deb")" >/dev/null
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.grimlark.Grimlark.desktop | sed 's/ %[fFuU]//')
QT_QPA_PLATFORM=offscreen $command &
pid=$!
wait_until_ready "$pid" || fail "the installed program did not stay running"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$installed_before" = yes ] || DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y grimlark >/dev/null
[ "$status" -eq 0 ] || fail "the installed program ended with status $status"
echo "installed program: started from its menu entry and quit cleanly"
