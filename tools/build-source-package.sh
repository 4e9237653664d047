#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian source package, unsigned, from the committed tree (HEAD): the
# upstream tarball udjat_<version>.orig.tar.xz, made reproducibly (names in
# order, the release's time from debian/changelog, no owners), without
# debian/ and without what debian/copyright excludes; then the .dsc and the
# .debian.tar.xz beside it, in OUTDIR.
# usage: build-source-package.sh OUTDIR
set -euo pipefail
tree=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
changelog=$tree/debian/changelog
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
upstream=${version%-*}
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$changelog" -S Timestamp)
excluded=$(sed -n 's/^Files-Excluded: *//p' "$tree/debian/copyright")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src=$work/udjat-$upstream
mkdir "$src"
git -C "$tree" archive --format=tar HEAD | tar -C "$src" -xf -
(cd "$src" && rm -rf debian $excluded)
tar -C "$work" --sort=name --format=gnu --mtime="@$SOURCE_DATE_EPOCH" --clamp-mtime \
    --owner=0 --group=0 --numeric-owner --mode=go-w -cf - "udjat-$upstream" \
    | xz -9 -T1 >"$work/udjat_$upstream.orig.tar.xz"

git -C "$tree" archive --format=tar HEAD debian | tar -C "$src" -xf -
(cd "$work" && dpkg-source --build "udjat-$upstream" >/dev/null)
rm -f "$out"/udjat_"$upstream"*
cp "$work"/udjat_"$upstream".orig.tar.xz "$work"/udjat_"$version".dsc \
   "$work"/udjat_"$version".debian.tar.xz "$out"/
ls "$out"/udjat_"$version".dsc
