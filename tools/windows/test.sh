#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make test-windows`: builds the Windows release, runs the Qt Test suites
# under Wine, then what a screen reader is handed (check_uia.py) and the
# release itself (check_release.py, check_installers.py). Wine needs a
# display even for Qt's offscreen platform, so all runs on a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh windows-test
bash tools/windows/build.sh
version=$(cat build/windows/version.txt)
session=tests/e2e/x11_session.sh
$session --no-bus ctest --test-dir build/windows --output-on-failure -j 2
# What a screen reader is handed, through the stand-in UIAutomationCore.dll.
$session --no-bus /usr/bin/python3 tools/windows/check_uia.py build/windows "$version"
# The release checks install and uninstall: a fresh Wine prefix, so that no
# earlier run's leftovers hide or fake what an installer does.
export WINEPREFIX=$PWD/build/windows/wine-release
rm -rf "$WINEPREFIX"
$session --no-bus /usr/bin/python3 tools/windows/check_release.py build/windows "$version" docs/windows.png
$session --no-bus /usr/bin/python3 tools/windows/check_installers.py build/windows "$version"
