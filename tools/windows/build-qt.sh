#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for 64-bit Windows from Debian's own Qt sources, once per machine:
# only the modules and plugins udjat loads, cross-compiled with mingw-w64 and
# Debian's host Qt for moc, rcc and uic. Prints the install prefix on its last
# line. The prefix is keyed by a hash of this recipe, so a changed recipe
# builds anew and an unchanged one costs nothing.
#
#   UDJAT_QT_CACHE       where built Qts live (default ~/.cache/udjat)
#   UDJAT_QTSVG_TARBALL  Qt's own qtsvg-everywhere-src-<version>.tar.xz, used
#                        when Debian's qt6-svg source cannot be downloaded
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
qtsvg_sha256=b7f5c33044bc14926e9d7f3de46591e84ea943bb937592a5258fdfbd7f392cc6
jobs=${JOBS:-$(nproc)}

recipe_hash=$(cat "$0" "$here/mingw64.cmake" | sha256sum | cut -c1-12)
cache=${UDJAT_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/udjat}
prefix=$cache/qt-$qt_version-mingw64-$recipe_hash
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$cache/work-$recipe_hash
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
log() { echo "[qt-windows $(date +%H:%M:%S)] $*" >&2; }

# A private apt configuration with deb-src for the suites the system uses, so
# the machine's own sources stay as they are.
apt_dir=$work/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] || continue
  case "$f" in
    *.sources) sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/$(basename "$f")" ;;
    *) sed -n 's/^deb /deb-src /p' "$f" >"$apt_dir/$(basename "$f")" ;;
  esac
done
apt_private=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
             -o APT::Sandbox::User=root -qq)
log "fetching the source index"
apt-get "${apt_private[@]}" update

fetch_source() {  # source-package folder-name binary-package-of-the-host-Qt
  ( cd "$work" && apt-get "${apt_private[@]}" source "$1=$(dpkg-query -W -f='${source:Version}' "$3")" ) >&2 \
    && mv "$work/$1-"*/ "$work/$2"
}

log "fetching Debian's qt6-base source"
fetch_source qt6-base qtbase qt6-base-dev

log "fetching Debian's qt6-svg source"
if ! fetch_source qt6-svg qtsvg qt6-svg-dev 2>/dev/null; then
  tarball=${UDJAT_QTSVG_TARBALL:-$here/sources/qtsvg-everywhere-src-$qt_version.tar.xz}
  if [ ! -f "$tarball" ]; then
    echo "Debian's qt6-svg source could not be downloaded. Provide Qt's own" >&2
    echo "qtsvg-everywhere-src-$qt_version.tar.xz and name it in UDJAT_QTSVG_TARBALL." >&2
    exit 1
  fi
  log "using $tarball instead"
  echo "$qtsvg_sha256  $tarball" | sha256sum -c --quiet
  rm -rf "$work/qtsvg" && mkdir "$work/qtsvg"
  tar -xJf "$tarball" -C "$work/qtsvg" --strip-components=1
fi

# Builds in the current folder, showing one of ninja's [n/total] lines in
# fifty; the compiler's chatter goes to build.log, shown when a step fails.
build() {
  cmake --build . --parallel "$jobs" 2>&1 | tee build.log \
    | awk '/^\[[0-9]+\/[0-9]+\]/ { if (++n % 50 == 0) { print "[qt-windows] " $1; fflush() } }' >&2 \
    || { tail -40 build.log >&2; exit 1; }
  cmake --install . >/dev/null
}

# FreeType (Qt's bundled copy) only because the offscreen platform, which the
# tests run on, needs it; the program itself draws text with DirectWrite.
log "configuring qtbase"
mkdir -p "$work/qtbase-build"
cd "$work/qtbase-build"
"$work/qtbase/configure" -prefix "$prefix" \
  -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- \
  -qt-host-path /usr -release -shared -strip -nomake examples -nomake tests \
  -no-opengl -no-feature-vulkan -no-dbus -no-icu -no-pkg-config \
  -no-feature-tabletevent -no-feature-direct2d1_1 \
  -no-feature-network -no-feature-sql -no-feature-printsupport \
  -no-feature-concurrent -no-feature-xml \
  -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-doubleconversion -qt-freetype \
  -- \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 \
  || { tail -40 configure.log >&2; exit 1; }

log "building qtbase (about 20 minutes on 2 cores)"
build

log "building qtsvg"
mkdir -p "$work/qtsvg-build"
cd "$work/qtsvg-build"
"$prefix/bin/qt-configure-module" "$work/qtsvg" >configure.log 2>&1 \
  || { tail -40 configure.log >&2; exit 1; }
build

touch "$prefix/.complete"
rm -rf "$work"
log "Qt for Windows is in $prefix"
echo "$prefix"
