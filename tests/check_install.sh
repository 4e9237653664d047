#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and validates what a desktop reads.
# usage: check_install.sh build-dir app-id
set -euo pipefail
build=$1 id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
for f in "$root/usr/bin/udjat" "$share/applications/$id.desktop" "$share/metainfo/$id.metainfo.xml" \
         "$share/icons/hicolor/scalable/apps/$id.svg" "$share/icons/hicolor/32x32/apps/$id.png"; do
    [ -f "$f" ] || { echo "missing: ${f#$root}"; exit 1; }
done
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
file "$share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32'
echo "installed files validate"
