#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages udjat needs to build, test, package and run,
# but only those that are missing. Quiet when everything is present.
set -euo pipefail

packages=(
  # build
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  # "Times New Roman" resolves to its metric twin, Liberation Serif
  fonts-liberation2 fontconfig
  # headless tests, screenshots, benchmarks
  xvfb xauth python3 python3-xlib
  # end-to-end test through the accessibility bus
  dbus dbus-bin at-spi2-core python3-pyatspi python3-gi
  # desktop-file and metainfo validators, Debian package
  desktop-file-utils appstream dpkg-dev file
)

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
