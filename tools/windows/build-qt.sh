#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for 64-bit Windows from Debian's own Qt sources, once per machine:
# static, so that udjat.exe carries Qt and its plugins inside it, with only
# the modules and features udjat uses, cross-compiled with mingw-w64 and
# Debian's host Qt for moc, rcc and uic. Prints the install prefix on its last
# line. The prefix is keyed by a hash of this recipe, so a changed recipe
# builds anew and an unchanged one costs nothing.
#
#   UDJAT_QT_CACHE       where built Qts live (default ~/.cache/udjat)
#   UDJAT_QTSVG_TARBALL  Qt's own qtsvg source tarball (see qt-sources.sh)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
jobs=${JOBS:-$(nproc)}
log() { echo "[qt-windows $(date +%H:%M:%S)] $*" >&2; }
source "$here/../qt-sources.sh"

use_cached_qt_or_start mingw64 "$0" "$here/mingw64.cmake" "$here/../qt-sources.sh" "$here/../third_party.py"
fetch_qt_sources

# The Windows style uses the input dialog, radio button, table and tree views
# and tab bar and widget unguarded: they stay, with what the input dialog is
# built of.
windows_style_needs=(inputdialog combobox lineedit listview standarditemmodel spinbox
                     stackedwidget radiobutton tableview treeview tabbar tabwidget)
qt_needed_features+=("${windows_style_needs[@]}" style_windowsvista)
# FreeType (Qt's bundled copy) only because the offscreen platform, which the
# tests run on, needs it; the program itself draws text with DirectWrite.
build_qtbase qt-windows \
  -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- \
  -qt-host-path /usr -release -static -static-runtime -optimize-size -nomake examples -nomake tests \
  -no-opengl -no-feature-vulkan -no-dbus -no-icu -no-pkg-config \
  -no-feature-tabletevent -no-feature-direct2d1_1 \
  -no-feature-network -no-feature-sql -no-feature-printsupport \
  -no-feature-concurrent -no-feature-xml \
  -no-gif -no-ico -no-libjpeg $(qt_feature_options "${windows_style_needs[@]}") \
  -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -qt-doubleconversion -qt-freetype \
  -- \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
build_qtsvg_and_finish qt-windows
log "Qt for Windows is in $prefix"
echo "$prefix"
