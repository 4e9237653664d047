#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the real program under Xvfb with a private D-Bus session and its own
# accessibility bus, and drives it from outside as a screen reader would.
# usage: atspi_session.sh path/to/udjat
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
unset QT_QPA_PLATFORM

exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    dbus-run-session -- bash -c '
        set -euo pipefail
        /usr/libexec/at-spi-bus-launcher --launch-immediately &
        launcher=$!
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
        app=$!
        status=0
        /usr/bin/python3 "$2" || status=$?
        kill "$app" "$launcher" 2>/dev/null || true
        wait "$app" 2>/dev/null || true
        exit $status
    ' session "$program" "$here/drive_udjat.py"
