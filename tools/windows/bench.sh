#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make bench-windows`: start-up to a mapped window under Wine, udjat against
# a bare Qt window built the same way (bench/floor.cpp), both run from one
# copy of the portable folder, 11 alternating runs each.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh windows-test
export WINEPREFIX=$PWD/build/windows/wine
folder=build/windows/udjat-$(cat build/windows/version.txt)-win64
bench=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$bench"' EXIT
cp -r "$folder" "$bench/udjat"
x86_64-w64-mingw32-strip -o "$bench/udjat/udjat-floor.exe" build/windows/bin/udjat-floor.exe
# One Wine server for all runs, so that each run measures the program alone.
tools/windows/wine-run.sh cmd /c exit
wineserver -w
wineserver -p
tests/e2e/x11_session.sh --no-bus env UDJAT_BENCH_RUNNER=tools/windows/wine-run.sh \
    /usr/bin/python3 bench/startup.py "$bench/udjat/udjat-floor.exe" "$bench/udjat/udjat.exe" 11
