#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds udjat's Debian packages as Debian does, with dpkg-buildpackage (its
# build and hardening flags, its stripping, a dbgsym package), from a copy of
# the tree, so that the .deb files land in OUTDIR and not beside the tree.
# DEB_BUILD_OPTIONS=nocheck skips the tests.
# usage: build-deb.sh OUTDIR
set -euo pipefail
tree=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
rm -rf "$out/src" "$out"/*.deb "$out"/*.buildinfo "$out"/*.changes
mkdir "$out/src"
tar -C "$tree" --exclude=./build --exclude=./.git -cf - . | tar -C "$out/src" -xf -
(cd "$out/src" && dpkg-buildpackage -us -uc -b) >"$out/build.log" 2>&1 \
    || { echo "dpkg-buildpackage failed; the end of its log:" >&2; tail -40 "$out/build.log" >&2; exit 1; }
rm -rf "$out/src"
ls "$out"/*.deb
