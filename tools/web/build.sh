#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make web`: builds udjat for the browser with Qt for WebAssembly (built
# once by build-qt.sh) into build/web-build, then gathers what a web server
# needs into build/web: udjat.html, udjat.js, udjat.wasm and qtloader.js,
# with the licences.
# Other targets to build (the core suites, the floor) may be named; each
# link of static Qt takes minutes, so only what is asked for is linked.
# usage: build.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh web
qt=$(bash tools/web/build-qt.sh | tail -n1)
source tools/web/emsdk-env.sh

"$qt/bin/qt-cmake" -S . -B build/web-build -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/web-build --target udjat "$@"

rm -rf build/web && mkdir -p build/web
cp build/web-build/site/udjat.html build/web-build/bin/udjat.js build/web-build/bin/udjat.wasm \
   build/web-build/bin/qtloader.js build/web/
# The licences of what the folder holds: udjat's, and the serif face's (SIL OFL).
cp LICENSES/GPL-3.0-or-later.txt build/web/LICENSE.txt
cp /usr/share/doc/fonts-liberation2/copyright build/web/LICENSE-fonts.txt
echo "build/web:"
for f in build/web/*.html build/web/*.js build/web/*.wasm; do
  printf '  %-12s %9d bytes, %9d gzipped\n' "$(basename "$f")" "$(stat -c %s "$f")" "$(gzip -9 -c "$f" | wc -c)"
done
