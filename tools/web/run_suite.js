#!/usr/bin/node
// SPDX-FileCopyrightText: 2026 The udjat developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs a Qt Test suite built for WebAssembly under node, which has the
// browser's number model; exits with the suite's code.
// usage: run_suite.js SUITE.js [ARGS...]
"use strict";
const fs = require("fs");
const path = require("path");
const [suite, ...args] = process.argv.slice(2);
const create = require(path.resolve(suite));
(create.default || create)({
  arguments: args,
  // The binary handed over: node's fetch takes no file paths.
  wasmBinary: fs.readFileSync(path.resolve(suite).replace(/\.js$/, ".wasm")),
  print: (text) => console.log(text),
  printErr: (text) => console.error(text),
  quit: (code) => process.exit(code),
  onExit: (code) => process.exit(code),
}).catch((error) => {
  console.error(error);
  process.exit(1);
});
