// SPDX-FileCopyrightText: 2026 The udjat developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Loads the program into the page: the module downloads with a progress bar
// and compiles as it arrives, then Qt's runtime starts it in the canvas.
// Where the browser has service workers (HTTPS or the loopback) a copy of
// the folder is kept for use offline (udjat-sw.js).
"use strict";
(() => {
  const { program, programBytes } = document.currentScript.dataset;
  const $ = (id) => document.getElementById(id);
  const bar = $("udjat-progress");
  const barText = $("udjat-progress-text");
  const canvas = $("udjat-window");
  const megabytes = (bytes) => (bytes / 1e6).toLocaleString("bg", { maximumFractionDigits: 1 });

  function progress(received, total) {
    if (!total) {
      bar.removeAttribute("value");
      bar.setAttribute("aria-valuetext", `${megabytes(received)} MB`);
      barText.textContent = `${megabytes(received)} MB`;
      return;
    }
    const percent = Math.min(100, Math.floor((100 * received) / total));
    bar.value = percent;
    bar.setAttribute("aria-valuetext", `${percent} %, ${megabytes(received)} от ${megabytes(total)} MB`);
    barText.textContent = `${percent} % (${megabytes(received)} от ${megabytes(total)} MB)`;
  }

  function failed(why) {
    console.error("udjat:", why);
    $("udjat-loading").hidden = true;
    $("udjat-stage").classList.remove("shown");
    $("udjat-failed-text").textContent =
      "Програмата не можа да се зареди. Проверете връзката с интернет и опитайте отново.";
    $("udjat-failed").hidden = false;
  }
  $("udjat-retry").addEventListener("click", () => location.reload());

  // The module, compiled while it downloads; the bar counts its bytes.
  async function compileModule() {
    const response = await fetch(`${program}.wasm`);
    if (!response.ok)
      throw new Error(`${response.status} ${response.statusText}`);
    // The build writes the module's size into the page; a compressed
    // transfer's length is not the length of what is read.
    const total = Number(programBytes) || (response.headers.get("Content-Encoding")
      ? 0 : Number(response.headers.get("Content-Length")) || 0);
    let received = 0;
    progress(0, total);
    const reader = response.body.getReader();
    const counted = new ReadableStream({
      async pull(controller) {
        const { done, value } = await reader.read();
        if (done) {
          progress(total || received, total || received);
          controller.close();
          return;
        }
        received += value.byteLength;
        progress(received, total);
        controller.enqueue(value);
      },
    });
    return WebAssembly.compileStreaming(
      new Response(counted, { headers: { "Content-Type": "application/wasm" } }));
  }

  function loadScript(src) {
    return new Promise((resolve, reject) => {
      const script = document.createElement("script");
      script.src = src;
      script.onload = resolve;
      script.onerror = () => reject(new Error(src));
      document.body.appendChild(script);
    });
  }

  function showWindow() {
    $("udjat-loading").hidden = true;
    $("udjat-stage").classList.add("shown");
    canvas.focus();
    // When the window first showed, for the load-time benchmark.
    requestAnimationFrame(() => requestAnimationFrame(() => {
      window.udjatShownAt = performance.now();
      keepForOffline();
    }));
  }

  async function start() {
    const [module] = await Promise.all([compileModule(), loadScript(`${program}.js`)]);
    // The loaded module, for the tests' check of which version runs.
    window.udjatModule = module;
    await createQtAppInstance({
      qtContainerElements: [canvas],
      qtFontDpi: 96,
      instantiateWasm(imports, done) {
        WebAssembly.instantiate(module, imports).then((instance) => done(instance, module), failed);
        return {};
      },
      locateFile: (file) => file,
      print: () => {},
      printErr: (text) => console.warn(text),
      setStatus: (text) => { if (text.startsWith("Running")) showWindow(); },
      onAbort: (text) => failed(String(text)),
      quit: (code, exception) => {
        if (code !== 0)
          failed(exception ? String(exception) : `exit ${code}`);
      },
    });
  }

  // The copy for offline use is made after the window shows, from what the
  // browser has just downloaded: nothing is fetched twice. Each visit then
  // looks for a new version, which is copied while this one runs.
  function keepForOffline() {
    if ("serviceWorker" in navigator)
      navigator.serviceWorker.register("udjat-sw.js").then((r) => r.update()).catch(() => {});
  }

  start().catch((error) => failed(error.message || String(error)));
})();
