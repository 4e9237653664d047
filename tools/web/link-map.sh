#!/bin/sh
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a link with its standard output into MAP: emcc passes no -Map on to
# wasm-ld, but --print-map writes the map there.
# usage: link-map.sh MAP COMMAND...
map=$1
shift
exec "$@" >"$map"
