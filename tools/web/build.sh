#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make web`: builds udjat for the browser with Qt for WebAssembly (built
# once by build-qt.sh) into build/web-build, then gathers what a web server
# needs into build/web: the page udjat.html with its style sheet, script and
# web app manifest, udjat.js, udjat.wasm, the app's icons, the service
# worker that keeps the folder for use offline, and the licences.
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
cp build/web-build/site/udjat.html build/web-build/site/udjat.css build/web-build/site/udjat.webmanifest \
   tools/web/udjat-page.js build/web-build/bin/udjat.js build/web-build/bin/udjat.wasm build/web/
# The module's size, for the progress bar: a compressed download's is not it.
sed -i "s/data-program-bytes=\"0\"/data-program-bytes=\"$(stat -c %s build/web/udjat.wasm)\"/" build/web/udjat.html
# The app's icons, from the window's own icon, by the host build's renderer.
cmake --preset release >/dev/null
cmake --build --preset release --target render_svg >/dev/null
runtime=$(mktemp -d)
for size in 192 512; do
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen build/release/bin/render_svg assets/icon.svg $size build/web/udjat-$size.png
done
rm -rf "$runtime"
# The licences of what the folder holds: udjat's, Qt's, the third-party code's
# that the link took in, and the serif face's (SIL OFL).
cp build/web-build/LICENSE.txt build/web-build/LGPL-3.0.txt build/web-build/THIRD-PARTY-NOTICES.txt build/web/
cp /usr/share/doc/fonts-liberation2/copyright build/web/LICENSE-fonts.txt
# The offline copy, named by a hash of the files.
hash=$(bash tools/web/offline-copy.sh build/web)
echo "build/web (version $hash):"
for f in build/web/*.html build/web/*.js build/web/*.wasm; do
  printf '  %-14s %9d bytes, %9d gzipped\n' "$(basename "$f")" "$(stat -c %s "$f")" "$(gzip -9 -c "$f" | wc -c)"
done
