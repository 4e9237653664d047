# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced: points Qt's WebAssembly build at Debian's emscripten. Qt wants an
# emsdk folder ($EMSDK, whose .emscripten names the emscripten root inside
# it); a small one made of links to Debian's files serves.
emsdk=${UDJAT_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/udjat}/emsdk-debian
if [ ! -x "$emsdk/upstream/emscripten/emcc" ]; then
  mkdir -p "$emsdk/upstream/emscripten"
  for f in /usr/share/emscripten/* /usr/share/emscripten/.emscripten; do
    ln -sfn "$f" "$emsdk/upstream/emscripten/$(basename "$f")"
  done
  for tool in emcc em++ emar emranlib; do
    ln -sfn "/usr/bin/$tool" "$emsdk/upstream/emscripten/$tool"
  done
  echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$emsdk/.emscripten"
fi
export EMSDK=$emsdk
# The emcc wrapper runs the python3 first on PATH; Debian's has its modules.
export EMSDK_PYTHON=/usr/bin/python3
# emscripten's JavaScript tools load Debian's node modules (acorn).
export NODE_PATH=/usr/share/nodejs
