#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make bench-web`: load time of the browser edition against the floor.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh web-test
bash tools/web/build.sh udjat-floor
cp build/web-build/site/udjat-floor.html build/web-build/bin/udjat-floor.js \
   build/web-build/bin/udjat-floor.wasm build/web/
node tools/web/bench_page.js build/web "${RUNS:-5}"
rm build/web/udjat-floor.*
