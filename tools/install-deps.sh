#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that a kind of work needs, only those that are
# missing; quiet when everything is present. The one list of the project's
# packages, each with the kinds of work it is for:
#   run            build the program and run it (make run)
#   test           every Linux test (make test)
#   package        the source package, its clean-chroot builds and autopkgtest
#   windows        cross-build for Windows (make windows)
#   windows-test   run the Windows build and its release under Wine
#   web            build the browser edition (make web)
#   web-test       the browser the page is tested in
# Each kind brings what it builds on: test, windows and web bring run;
# windows-test brings windows; web-test brings web.
# usage: install-deps.sh [KIND...]   (run when none is named)
#        install-deps.sh --list KIND  prints the packages of one kind
set -euo pipefail

list=(
  # package                  kinds
  g++                        run
  cmake                      run
  make                       run
  pkg-config                 run
  libxcb1-dev                run     # the program ends when another client destroys its window
  qt6-base-dev               run
  qt6-base-dev-tools         run
  qt6-svg-dev                run
  qt6-translations-l10n      run     # Qt's own texts in Bulgarian
  fonts-liberation2          run     # "Times New Roman" resolves to its metric twin
  fontconfig                 run
  xvfb                       test,windows-test
  xauth                      test,windows-test
  xdotool                    test,windows-test
  python3                    test,windows-test
  python3-xlib               test,windows-test
  dbus                       test
  dbus-bin                   test
  at-spi2-core               test
  python3-pyatspi            test
  python3-gi                 test
  orca                       test
  speech-dispatcher          test
  locales                    test
  desktop-file-utils         test
  appstream                  test
  man-db                     test
  reuse                      test
  dpkg-dev                   test,package
  debhelper                  test
  lintian                    test
  file                       test
  git                        package
  xz-utils                   package
  mmdebstrap                 package
  autopkgtest                package
  g++-mingw-w64-x86-64-posix windows
  binutils-mingw-w64-x86-64  windows
  ninja-build                windows,web
  nsis                       windows
  msitools                   windows
  wixl                       windows
  libimage-exiftool-perl     windows-test
  wine                       windows-test
  wine64                     windows-test
  fonts-wine                 windows-test
  emscripten                 web
  chromium                   web-test
)

kinds=("${@:-run}")
wanted=" ${kinds[*]} "
case $wanted in *" test "* | *" windows "* | *" web "*) wanted+=" run " ;; esac
case $wanted in *" windows-test "*) wanted+=" windows run " ;; esac
case $wanted in *" web-test "*) wanted+=" web run " ;; esac
[ "${1:-}" = --list ] && wanted=" $2 "

packages=()
for ((i = 0; i < ${#list[@]}; i += 2)); do
  IFS=, read -r -a of <<<"${list[i + 1]}"
  for kind in "${of[@]}"; do
    [[ $wanted == *" $kind "* ]] && { packages+=("${list[i]}"); break; }
  done
done
if [ "${1:-}" = --list ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
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
