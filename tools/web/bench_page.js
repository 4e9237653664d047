#!/usr/bin/node
// SPDX-FileCopyrightText: 2026 The udjat developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Time from navigation to the window drawn, in headless Chromium with a
// fresh profile each run: udjat against the floor program (a bare Qt window
// built the same way, on the same page), alternating; prints the medians.
// usage: bench_page.js SITE RUNS
"use strict";
const fs = require("fs");
const { serve, Browser, evaluate, waitFor } = require("./cdp.js");

async function shownAfter(port, page) {
  const browser = new Browser();
  try {
    const send = await browser.page();
    await send("Page.navigate", { url: `http://127.0.0.1:${port}/${page}` });
    return await waitFor(page, () => evaluate(send, "window.udjatShownAt"), 120);
  } finally {
    await browser.close();
  }
}

async function main() {
  const [site, runs] = [process.argv[2], Number(process.argv[3] || 5)];
  const server = await serve(fs.realpathSync(site));
  const times = { "udjat-floor.html": [], "udjat.html": [] };
  for (let i = 0; i < runs; i++) {
    for (const page of Object.keys(times))
      times[page].push(await shownAfter(server.address().port, page));
  }
  server.close();
  const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
  const [floor, udjat] = Object.values(times).map(median);
  for (const [page, list] of Object.entries(times))
    console.log(`${page}: ${list.map((t) => t.toFixed(0)).join(" ")} ms, median ${median(list).toFixed(0)} ms`);
  console.log(`udjat / floor: ${(udjat / floor).toFixed(2)}`);
}

main().catch((error) => { console.error(error); process.exit(1); });
