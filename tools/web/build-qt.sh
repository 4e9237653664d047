#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for WebAssembly from Debian's own Qt sources with Debian's
# emscripten, once per machine: static, size-optimised, no threads, only what
# udjat and its core tests use. Prints the install prefix on its last line;
# the prefix is keyed by a hash of this recipe, like Qt for Windows.
#
#   UDJAT_QT_CACHE       where built Qts live (default ~/.cache/udjat)
#   UDJAT_QTSVG_TARBALL  Qt's own qtsvg source tarball (see qt-sources.sh)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
jobs=${JOBS:-$(nproc)}
log() { echo "[qt-web $(date +%H:%M:%S)] $*" >&2; }
source "$here/../qt-sources.sh"

use_cached_qt_or_start wasm "$0" "$here/../qt-sources.sh" "$here/../third_party.py" "$here/emsdk-env.sh"
source "$here/emsdk-env.sh"

fetch_qt_sources
qt_needed_features+=(mimetype)

# OpenGL stays: the WebAssembly backing store draws through WebGL; the
# file system model stays with it, as the OpenGL widgets' header includes its
# header unguarded; MIME types stay for the browser's drag and drop, which
# uses them unguarded. Qt Test stays too: the core suites run in the browser's
# own number model.
build_qtbase qt-web \
  -xplatform wasm-emscripten -qt-host-path /usr -release -static -optimize-size \
  -nomake examples -nomake tests \
  -no-feature-thread -no-dbus -no-icu \
  -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml \
  -no-feature-printsupport \
  -no-gif -no-ico -no-libjpeg $(qt_feature_options filesystemmodel mimetype) \
  -- \
  -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
build_qtsvg_and_finish qt-web
log "Qt for WebAssembly is in $prefix"
echo "$prefix"
