#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the program, destroys its window from another client, as a session
# manager or `xdotool windowclose` may, and expects the program to end at
# once and cleanly (under the sanitizers: with nothing leaked).
# usage: window_destroyed.sh path/to/udjat   (inside x11_session.sh)
set -euo pipefail
"$1" &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program" | tail -n1)
xdotool windowclose "$window"
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    echo "the program runs on with its window destroyed"
    kill "$program"
    exit 1
fi
wait "$program"
