#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package, unpacks it into a scratch root and checks that
# the program, its launcher, metainfo and icons land where a desktop looks.
# usage: check_package.sh build-dir app-id
set -euo pipefail
build=$(realpath "$1") id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/udjat_1.00-*_amd64.deb)
echo "built $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Version)" = "1.00-1" ]
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6svg6 libc6 fonts-liberation2; do
    grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib"; exit 1; }
done

dpkg -x "$deb" "$work/root"
for f in usr/bin/udjat usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/32x32/apps/$id.png; do
    [ -f "$work/root/$f" ] || { echo "missing in package: /$f"; exit 1; }
done
[ -x "$work/root/usr/bin/udjat" ]
echo "package contents in place"
