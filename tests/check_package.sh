#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package as Debian does, lints it, and checks its version,
# its dependencies, its hardening and that its files land where a desktop
# looks.
# usage: check_package.sh source-dir version app-id
set -euo pipefail
tree=$(realpath "$1") version=$2 id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

[ "$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Version)" = "$version-1" ] \
    || { echo "debian/changelog is not at $version-1"; exit 1; }

DEB_BUILD_OPTIONS=nocheck "$tree/tools/build-deb.sh" "$work" >/dev/null \
    || { echo "the package did not build (its log above)"; exit 1; }
deb=$work/udjat_${version}-1_amd64.deb
[ -f "$deb" ] && [ -f "$work/udjat-dbgsym_${version}-1_amd64.deb" ]
echo "built $(basename "$deb") ($(stat -c %s "$deb") bytes) and its dbgsym"

report=$(TMPDIR=$work lintian --allow-root --pedantic --suppress-tags initial-upload-closes-no-bugs "$work"/*.deb 2>&1 || true)
[ -z "$report" ] || { echo "lintian:"; echo "$report"; exit 1; }
echo "lintian --pedantic: clean"

depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6svg6 libc6 fonts-liberation2 qt6-translations-l10n; do
    grep -q "$p" <<<"$depends" || { echo "Depends lacks $p: $depends"; exit 1; }
done

dpkg -x "$deb" "$work/root"
for f in usr/bin/udjat usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/32x32/apps/$id.png \
         usr/share/man/man1/udjat.1.gz usr/share/man/bg/man1/udjat.1.gz usr/share/doc/udjat/copyright; do
    [ -f "$work/root/$f" ] || { echo "missing in package: /$f"; exit 1; }
done
dynamic=$(readelf -d "$work/root/usr/bin/udjat")
! grep -q -E 'RPATH|RUNPATH' <<<"$dynamic" || { echo "the program carries a RUNPATH"; exit 1; }
grep -q BIND_NOW <<<"$dynamic" || { echo "the program is not linked with BIND_NOW"; exit 1; }
for flag in -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wl,-z,relro -Wl,-z,now; do
    grep -q -e "$flag" "$work/build.log" || { echo "built without $flag"; exit 1; }
done
echo "package contents in place, hardened, no RUNPATH"
