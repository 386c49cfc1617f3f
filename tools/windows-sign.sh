#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Signs the Windows installer with osslsigncode, for a release: needs the
# certificate (PKCS#12) in GRIMLARK_SIGN_CERT and its password in
# GRIMLARK_SIGN_PASSWORD. Nothing here runs unless asked; CI does not sign.
set -eu
[ -n "${GRIMLARK_SIGN_CERT:-}" ] || { echo "GRIMLARK_SIGN_CERT names no certificate" >&2; exit 2; }
sh tools/install-deps.sh osslsigncode
for installer in build-windows/packages/Grimlark-*-win64.exe; do
    osslsigncode sign -pkcs12 "$GRIMLARK_SIGN_CERT" -pass "${GRIMLARK_SIGN_PASSWORD:-}" \
        -n Grimlark -h sha256 -in "$installer" -out "$installer.signed"
    mv "$installer.signed" "$installer"
    echo "signed $installer"
done
