#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make windows`: cross-builds udjat and its tests for 64-bit Windows into
# build/windows, with Qt for Windows from build-qt.sh, then the portable
# folder udjat-<version>-win64, its zip and the installer
# udjat-<version>-win64-setup.exe. The tests run under Wine (wine-run.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh windows
qt=$(bash tools/windows/build-qt.sh | tail -n1)

cmake -S . -B build/windows -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DUDJAT_SESSION_TESTS=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tools/windows/wine-run.sh" \
    >/dev/null
cmake --build build/windows
cmake --build build/windows --target windows-release
