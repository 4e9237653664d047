#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages udjat needs to build, test, package and run,
# but only those that are missing. Quiet when everything is present.
# usage: install-deps.sh            for Linux
#        install-deps.sh windows    for the Windows build and its tests
#        install-deps.sh web        for the browser edition and its tests
set -euo pipefail

packages=(
  # build
  g++ cmake make pkg-config libxcb1-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  # Qt's own texts in Bulgarian
  qt6-translations-l10n
  # "Times New Roman" resolves to its metric twin, Liberation Serif
  fonts-liberation2 fontconfig
  # headless tests, screenshots, benchmarks
  xvfb xauth xdotool python3 python3-xlib
  # end-to-end tests through the accessibility bus, and the screen reader
  dbus dbus-bin at-spi2-core python3-pyatspi python3-gi orca speech-dispatcher
  # a Bulgarian desktop for the screen reader test, compiled into its own folder
  locales
  # launcher, metainfo, manual page and licence checks; the Debian package
  desktop-file-utils appstream man-db reuse dpkg-dev debhelper lintian file
  # the source package built in a clean chroot, and its autopkgtest
  git xz-utils mmdebstrap autopkgtest
)
if [ "${1:-}" = windows ]; then
  packages+=(
    # the cross compiler and Qt's build
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build
    # the two installers, and reading back the version resource
    nsis msitools wixl libimage-exiftool-perl
    # running the Windows build and its tests
    wine wine64 fonts-wine
  )
fi

if [ "${1:-}" = web ]; then
  packages+=(
    # Qt for WebAssembly and the browser edition: emscripten, Qt's build,
    # the browser the page is tested in (through its DevTools protocol)
    emscripten ninja-build chromium
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
