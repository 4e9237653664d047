#!/usr/bin/node
// SPDX-FileCopyrightText: 2026 The udjat developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The browser edition as a classroom app, in headless Chromium served from
// the loopback: the progress bar while the program downloads; the manifest
// and installability; after a first visit, a reload with the server stopped;
// an update to a second version, and an update cut off halfway, neither of
// which may ever pair udjat.js and udjat.wasm of two versions; no
// Content-Security-Policy violation and no request outside the origin.
// Prints the bytes the server sent for each visit.
//
// usage: check_app.js SITE [FIRST_VISITS]
//   FIRST_VISITS: also count the bytes of that many first visits, each with
//   a fresh profile, as a class would make them.
"use strict";
const fs = require("fs");
const os = require("os");
const path = require("path");
const { execFileSync } = require("child_process");
const { serve, Browser, evaluate, waitFor } = require("./cdp.js");

function fail(message) {
  console.log("FAIL:", message);
  process.exit(1);
}

// A copy of the site that is another version: udjat.js and udjat.wasm carry
// its mark (a statement, a custom section), and its offline copy is named anew.
function version(site, mark, dir) {
  fs.cpSync(site, dir, { recursive: true });
  fs.appendFileSync(path.join(dir, "udjat.js"), `\nself.udjatBuild = ${JSON.stringify(mark)};\n`);
  const name = Buffer.from("udjat-build"), body = Buffer.concat([Buffer.from([name.length]), name, Buffer.from(mark)]);
  fs.appendFileSync(path.join(dir, "udjat.wasm"), Buffer.concat([Buffer.from([0, body.length]), body]));
  execFileSync("bash", [path.join(__dirname, "offline-copy.sh"), dir]);
  return dir;
}

// What the page records from its first script on: the progress bar's
// values and any policy violation.
const WATCH = `
  window.udjatProgress = []; window.udjatViolations = [];
  document.addEventListener("securitypolicyviolation",
    (e) => udjatViolations.push(e.violatedDirective + " " + e.blockedURI));
  new MutationObserver((changes) => changes.forEach((c) => {
    if (c.target.id === "udjat-progress") udjatProgress.push(c.target.value);
  })).observe(document, { subtree: true, attributes: true, attributeFilter: ["value"] });`;

// Which version the loaded program is: udjat.js's mark and udjat.wasm's.
const PAIR = `[self.udjatBuild || "A", (() => {
  const s = WebAssembly.Module.customSections(udjatModule, "udjat-build");
  return s.length ? new TextDecoder().decode(s[0]) : "A"; })()]`;

async function main() {
  const [site, firstVisits] = [fs.realpathSync(process.argv[2]), Number(process.argv[3] || 0)];
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "udjat-app-"));
  const versionB = version(site, "B", path.join(scratch, "B"));
  const versionC = version(site, "C", path.join(scratch, "C"));
  // The folder under a path of its own, as on a school's server.
  const folder = "/udjat/";
  let server = await serve(site, 0, undefined, folder);
  const port = server.address().port;
  const origin = `http://127.0.0.1:${port}/`;
  const app = `${origin}udjat/udjat.html`;
  const browser = new Browser();
  const outside = [], logged = [], loads = [];
  try {
    // Every request of the page and of its service worker, and every log entry.
    browser.listeners.push(async (message) => {
      if (message.method === "Network.requestWillBeSent" && !message.params.request.url.startsWith(origin))
        outside.push(message.params.request.url);
      if (message.method === "Log.entryAdded" && /Content.Security.Policy/i.test(message.params.entry.text))
        logged.push(message.params.entry.text);
      if (message.method === "Target.targetCreated" && message.params.targetInfo.type === "service_worker") {
        const { sessionId } = await browser.send("Target.attachToTarget",
          { targetId: message.params.targetInfo.targetId, flatten: true });
        await browser.send("Network.enable", {}, sessionId).catch(() => {});
        await browser.send("Runtime.runIfWaitingForDebugger", {}, sessionId).catch(() => {});
      }
    });
    await browser.send("Target.setDiscoverTargets", { discover: true });
    let send;
    const openPage = async (fresh) => {
      send = await browser.page(fresh);
      await send("Network.enable");
      await send("Log.enable");
      await send("Page.addScriptToEvaluateOnNewDocument", { source: WATCH });
    };
    await openPage(false);
    // Polled across reloads, when a page may be between two documents.
    const poll = (expression) => evaluate(send, expression).catch(() => undefined);
    const shown = async (what) => {
      await waitFor(`the window (${what})`, () => poll("window.udjatShownAt"), 120);
      const violations = await evaluate(send, "udjatViolations");
      if (violations.length)
        fail(`${what}: Content-Security-Policy violations ${JSON.stringify(violations)}`);
      const pair = await evaluate(send, PAIR);
      loads.push(`${what}: udjat.js ${pair[0]}, udjat.wasm ${pair[1]}`);
      if (pair[0] !== pair[1])
        fail(`${what}: udjat.js of version ${pair[0]} ran with udjat.wasm of version ${pair[1]}`);
      return pair[0];
    };
    const works = async (what) => {
      await evaluate(send, `document.getElementById("udjat-Check1_1").click(),
                            document.getElementById("udjat-Command1_0").click()`);
      await waitFor(`the report (${what})`, () => poll(
        `document.getElementById("udjat-Text1_0").value.startsWith("Сумата се формира от: ")`), 10);
    };
    const reload = async () => {
      await evaluate(send, "window.udjatShownAt = undefined");
      await send("Page.reload", { ignoreCache: false });
    };

    // First visit, on a line of 40 Mbit/s so that the bar has time to move.
    await send("Network.emulateNetworkConditions",
               { offline: false, latency: 20, downloadThroughput: 5e6, uploadThroughput: 5e6 });
    await send("Page.navigate", { url: app });
    await shown("first visit");
    const bar = await evaluate(send, "udjatProgress");
    const hidden = await evaluate(send, `document.getElementById("udjat-loading").hidden`);
    console.log(`  progress bar: ${bar.length} steps, ${bar.slice(0, 3).join(", ")} … ${bar.slice(-2).join(", ")}; `
                + `hidden when the window shows: ${hidden}`);
    if (bar[0] > 10 || bar[bar.length - 1] !== 100 || new Set(bar).size < 5 || !hidden)
      fail(`the progress bar went ${JSON.stringify(bar)}, hidden ${hidden}`);
    await send("Network.emulateNetworkConditions",
               { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    await waitFor("the offline copy", () => poll(
      "navigator.serviceWorker.ready.then((r) => !!r.active && !!navigator.serviceWorker.controller)"), 60);
    const firstBytes = server.sent();

    const manifest = await send("Page.getAppManifest");
    const { installabilityErrors } = await send("Page.getInstallabilityErrors");
    console.log(`  manifest: ${manifest.errors.length} errors; installability: `
                + `${installabilityErrors.length ? JSON.stringify(installabilityErrors) : "no errors"}`);
    if (manifest.errors.length || installabilityErrors.length)
      fail(`manifest ${JSON.stringify(manifest.errors)}, installability ${JSON.stringify(installabilityErrors)}`);

    // Second visit, same profile; the browser's look for a new version
    // comes a moment after.
    await reload();
    await shown("second visit");
    await new Promise((resolve) => setTimeout(resolve, 3000));
    console.log(`  bytes sent: first visit ${firstBytes}, second visit ${server.sent() - firstBytes}`);

    // Offline.
    await server.stop();
    await reload();
    await shown("offline");
    await works("offline");
    console.log("  offline: the window loads from the copy, a tick and Изчисли give the report");

    // An update: version B is served; it is copied in the background while
    // A runs, and takes over when the app is next opened.
    server = await serve(versionB, port, undefined, folder);
    await reload();
    if (await shown("B served, first reload") !== "A")
      fail("version B ran before it was wholly copied");
    await waitFor("version B to be copied", () => poll(
      "navigator.serviceWorker.getRegistration().then((r) => !!(r && r.waiting))"), 60);
    await reload();
    if (await shown("B copied, a reload of the open page") !== "A")
      fail("version B took over a page of version A");
    // The pupil closes the app; a page outside it sees B take over.
    await openPage(true);
    await send("Page.navigate", { url: origin });
    await waitFor("version B to take over", () => poll(`navigator.serviceWorker.getRegistration("${folder}")
      .then((r) => !!r && !r.waiting && !!r.active && r.active.state === "activated")`), 60);
    await send("Page.navigate", { url: app });
    if (await shown("B copied, the app opened again") !== "B")
      fail("version B did not take over when the app was opened again");
    const caches = await evaluate(send, "caches.keys()");
    console.log(`  update: version B runs with its own udjat.js and udjat.wasm; caches ${JSON.stringify(caches)}`);
    if (caches.length !== 1)
      fail(`the old copy was kept: ${JSON.stringify(caches)}`);

    // An update cut off halfway: C's udjat.js arrives, then the server stops.
    await server.stop();
    server = await serve(versionC, port, { after: "udjat.js", hold: "udjat.wasm" }, folder);
    await reload();
    await shown("C served, cut off");
    await waitFor("the cut-off", () => server.requests.some((r) => r.endsWith("/udjat.js"))
      && !server.listening, 60);
    await new Promise((resolve) => setTimeout(resolve, 1000));
    await reload();
    if (await shown("after the cut-off, offline") !== "B")
      fail("the cut-off update did not leave version B");
    await works("after the cut-off, offline");
    const waiting = await evaluate(send, "navigator.serviceWorker.getRegistration().then((r) => !!(r.waiting || r.installing))");
    console.log(`  cut-off update: version B still runs offline; a version waiting: ${waiting}`);
    if (waiting)
      fail("a half-copied version waits to take over");

    console.log("  loads: " + loads.join("; "));
    if (outside.length)
      fail(`requests outside ${origin}: ${outside.join(", ")}`);
    if (logged.length)
      fail(`Content-Security-Policy messages: ${logged.join(" | ")}`);
  } finally {
    await browser.close();
    await server.stop().catch(() => {});
  }

  // A download cut off: the page says so and tries again when asked.
  server = await serve(site, 0, { after: "udjat.js", hold: "udjat.wasm" }, folder);
  const pupil = new Browser();
  try {
    const send = await pupil.page();
    const port = server.address().port;
    const url = `http://127.0.0.1:${port}${folder}udjat.html`;
    await send("Page.navigate", { url });
    const said = await waitFor("the failure", () => evaluate(send,
      `!document.getElementById("udjat-failed").hidden && document.getElementById("udjat-failed").textContent`)
      .catch(() => false), 60);
    server = await serve(site, port, undefined, folder);
    await evaluate(send, `document.getElementById("udjat-retry").click()`);
    await waitFor("the window after Опитай отново", () => evaluate(send, "window.udjatShownAt").catch(() => 0), 60);
    console.log(`  a cut-off download: ${JSON.stringify(said.replace(/\s+/g, " ").trim())}; "Опитай отново" loads the window`);
  } finally {
    await pupil.close();
    await server.stop();
  }

  if (firstVisits) {
    server = await serve(site, 0, undefined, folder);
    const start = server.sent();
    for (let i = 0; i < firstVisits; i++) {
      const pupil = new Browser();
      try {
        const send = await pupil.page();
        await send("Page.navigate", { url: `http://127.0.0.1:${server.address().port}${folder}udjat.html` });
        await waitFor("the window", () => evaluate(send, "window.udjatShownAt"), 120);
        await waitFor("the offline copy", () => evaluate(send,
          "navigator.serviceWorker.ready.then((r) => !!r.active)"), 60);
      } finally {
        await pupil.close();
      }
    }
    const total = server.sent() - start;
    console.log(`  ${firstVisits} first visits, a fresh profile each: ${total} bytes, ${Math.round(total / firstVisits)} each`);
    await server.stop();
  }
  fs.rmSync(scratch, { recursive: true, force: true });
  console.log("PASS: progress, installable, offline, update, cut-off update, nothing from elsewhere, try again");
}

main().catch((error) => fail(error.message));
