#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the build into a scratch prefix and validates what a desktop reads.
# usage: check_install.sh build-dir app-id
set -euo pipefail
build=$1 id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
for f in "$root/usr/bin/udjat" "$share/applications/$id.desktop" "$share/metainfo/$id.metainfo.xml" \
         "$share/icons/hicolor/scalable/apps/$id.svg" "$share/icons/hicolor/32x32/apps/$id.png" \
         "$share/man/man1/udjat.1" "$share/man/bg/man1/udjat.1"; do
    [ -f "$f" ] || { echo "missing: ${f#$root}"; exit 1; }
done
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml"
file "$share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32'
for page in "$share/man/man1/udjat.1" "$share/man/bg/man1/udjat.1"; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
done
echo "installed files validate"
