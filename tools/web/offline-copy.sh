#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes FOLDER/udjat-sw.js, the service worker that keeps the folder for
# use offline: every other file's SHA-256, and the version named by a hash
# of them all. Prints the version.
# usage: offline-copy.sh FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$1"
rm -f udjat-sw.js
sums=$(sha256sum -- *)
files=$(awk '{ printf "%s\"%s\": \"%s\"", (NR > 1 ? ", " : ""), $2, $1 }' <<<"$sums")
version=$(sha256sum <<<"$sums" | cut -c1-16)
sed -e "s|@UDJAT_WEB_FILES@|{ $files }|" -e "s|@UDJAT_WEB_HASH@|$version|" "$here/udjat-sw.js.in" >udjat-sw.js
echo "$version"
