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

recipe_hash=$(cat "$0" "$here/../qt-sources.sh" "$here/emsdk-env.sh" | sha256sum | cut -c1-12)
cache=${UDJAT_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/udjat}
prefix=$cache/qt-$qt_version-wasm-$recipe_hash
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$cache/work-wasm-$recipe_hash
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
source "$here/emsdk-env.sh"

fetch_qt_sources

# OpenGL stays: the WebAssembly backing store draws through WebGL. Qt Test
# stays too: the core suites run in the browser's own number model.
log "configuring qtbase"
mkdir -p "$work/qtbase-build"
cd "$work/qtbase-build"
"$work/qtbase/configure" -prefix "$prefix" \
  -xplatform wasm-emscripten -qt-host-path /usr -release -static -optimize-size \
  -nomake examples -nomake tests \
  -no-feature-thread -no-dbus -no-icu \
  -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml \
  -no-feature-printsupport -no-feature-pdf -no-feature-movie \
  -no-gif -no-ico -no-libjpeg \
  -- \
  -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 \
  || { tail -40 configure.log >&2; exit 1; }

log "building qtbase (about 35 minutes on 2 cores)"
build_qt_module qt-web

log "building qtsvg"
mkdir -p "$work/qtsvg-build"
cd "$work/qtsvg-build"
"$prefix/bin/qt-configure-module" "$work/qtsvg" >configure.log 2>&1 \
  || { tail -40 configure.log >&2; exit 1; }
build_qt_module qt-web

touch "$prefix/.complete"
rm -rf "$work"
log "Qt for WebAssembly is in $prefix"
echo "$prefix"
