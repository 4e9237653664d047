#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make test-web`: builds the browser edition, runs the core suites under
# node (the browser's number model), then the page itself in headless
# Chromium (check_page.js), saving docs/browser.png, and the page as a
# classroom app: installable, offline, updated whole (check_app.js).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh web-test
bash tools/web/build.sh tst_eye_parts tst_sum_report
build=build/web-build/bin
for suite in tst_eye_parts tst_sum_report; do
  node tools/web/run_suite.js "$build/$suite.js" >"build/web-build/$suite.log" 2>&1 \
    || { cat "build/web-build/$suite.log"; echo "FAIL: $suite in WebAssembly"; exit 1; }
  grep '^Totals' "build/web-build/$suite.log" | sed "s|^|  $suite (WebAssembly): |"
done
for licence in LICENSE.txt LGPL-3.0.txt THIRD-PARTY-NOTICES.txt LICENSE-fonts.txt; do
  [ -s "build/web/$licence" ] || { echo "FAIL: build/web has no $licence"; exit 1; }
done
# The whole folder, as a first visit downloads it gzipped, within 3 MiB.
gzipped=$(for f in build/web/*; do gzip -9 -c "$f" | wc -c; done | awk '{ s += $1 } END { print s }')
echo "  build/web: $(ls build/web | wc -l) files, $gzipped bytes gzipped"
[ "$gzipped" -le $((3 << 20)) ] || { echo "FAIL: the browser download is over 3 MiB gzipped"; exit 1; }
node tools/web/check_page.js build/web docs/startup.png docs/browser.png
node tools/web/check_app.js build/web
