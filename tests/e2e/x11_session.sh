#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command on a private Xvfb display, in a private D-Bus session with
# its own accessibility bus, as a pupil's desktop would be when a program
# starts. The X server runs with -noreset: without it, it resets whenever its
# last client leaves and cuts off a program that is just connecting.
# --no-bus leaves out the D-Bus session, as on a bare X login.
# usage: x11_session.sh [--no-bus] COMMAND [ARGS...]
set -euo pipefail
bus=yes
[ "${1:-}" = "--no-bus" ] && { bus=; shift; }

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 \
    3>"$XDG_RUNTIME_DIR/display" 2>"$XDG_RUNTIME_DIR/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 200); do
    [ -s "$XDG_RUNTIME_DIR/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$XDG_RUNTIME_DIR/xvfb.log"; exit 1; }
    sleep 0.05
done
export DISPLAY=:$(head -n1 "$XDG_RUNTIME_DIR/display")
[ -n "$bus" ] || { "$@"; exit; }

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.1
    done
    status=0
    "$@" || status=$?
    kill "$launcher" 2>/dev/null
    exit $status
' session "$@"
