#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a Windows program under Debian's Wine, in the project's own quiet
# 64-bit Wine prefix (build/windows/wine unless WINEPREFIX says otherwise),
# made on first use. Wine's own fonts and Liberation's are copied in, since
# Debian's Wine does not find them, and Liberation Serif stands in for Times
# New Roman as on Linux.
# usage: wine-run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../../build/windows/wine}
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: a test must never wait on their install dialogs. No menu
# builder: an installed shortcut must not reach the host desktop's menus.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
wine=/usr/lib/wine/wine64

mkdir -p "$WINEPREFIX"
(
    flock 9
    [ -f "$WINEPREFIX/.udjat-ready" ] && exit 0
    "$wine" wineboot --init >/dev/null 2>&1
    fonts=$WINEPREFIX/drive_c/windows/Fonts
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/* /usr/share/fonts/truetype/liberation2/*.ttf "$fonts"/
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /d 'Liberation Serif' /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.udjat-ready"
) 9>"$WINEPREFIX.lock"
# Wine keeps the host's QT_* variables from Windows programs, unless they
# come prefixed with WINE: hand ours over that way.
while IFS='=' read -r name value; do
    export "WINE$name=$value"
done < <(env | grep '^QT_' || true)
exec "$wine" "$@"
