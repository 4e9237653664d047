// SPDX-FileCopyrightText: 2026 The udjat developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Headless Chromium driven through its DevTools protocol over a pipe (no
// WebSocket library needed), a static server for a folder on the loopback,
// and a small PNG reader for sampling screenshots.
"use strict";
const { spawn } = require("child_process");
const fs = require("fs");
const http = require("http");
const os = require("os");
const path = require("path");
const zlib = require("zlib");

const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript",
                ".wasm": "application/wasm", ".svg": "image/svg+xml", ".css": "text/css",
                ".webmanifest": "application/manifest+json", ".png": "image/png",
                ".txt": "text/plain; charset=utf-8" };

// Serves dir on 127.0.0.1 (on port, when given; under prefix, when given,
// and an empty page elsewhere), with the validators a web
// server sends (ETag, Last-Modified), so that the browser revalidates as it
// would in a school. Resolves to the server once it listens; the server
// counts the bytes it sent (sent()), records each path asked for
// (requests), can serve another folder (dir) and stops with its
// connections (stop()). With cut = { after, hold }, it stops once the file
// after is sent, and holds the requests for the file hold until then.
function serve(dir, port = 0, cut = undefined, prefix = "/") {
  const sockets = new Set();
  let closedBytes = 0;
  const held = [];
  const server = http.createServer((req, res) => {
    const url = decodeURIComponent(req.url.split("?")[0]);
    server.requests.push(url);
    if (!url.startsWith(prefix)) {
      res.writeHead(200, { "Content-Type": "text/html" }).end("<!doctype html><title></title>");
      return;
    }
    const name = "/" + url.slice(prefix.length);
    if (cut && name === "/" + cut.hold) {
      held.push(res);
      return;
    }
    const file = path.join(server.dir, path.normalize(name));
    if (!file.startsWith(server.dir) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404).end();
      return;
    }
    const stat = fs.statSync(file);
    const etag = `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"`;
    const headers = { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream",
                      "ETag": etag, "Last-Modified": stat.mtime.toUTCString() };
    if (req.headers["if-none-match"] === etag) {
      res.writeHead(304, headers).end();
      return;
    }
    res.writeHead(200, { ...headers, "Content-Length": stat.size });
    const stream = fs.createReadStream(file);
    stream.pipe(res);
    if (cut && name === "/" + cut.after)
      res.on("finish", () => server.stop());
  });
  server.dir = dir;
  server.requests = [];
  server.on("connection", (socket) => {
    sockets.add(socket);
    socket.on("close", () => { closedBytes += socket.bytesWritten; sockets.delete(socket); });
  });
  server.sent = () => closedBytes + [...sockets].reduce((sum, socket) => sum + socket.bytesWritten, 0);
  server.stop = () => new Promise((resolve) => {
    held.forEach((res) => res.destroy());
    server.close(resolve);
    sockets.forEach((socket) => socket.destroy());
  });
  return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

class Browser {
  // A fresh profile each time, removed on close.
  constructor() {
    this.profile = fs.mkdtempSync(path.join(os.tmpdir(), "udjat-chromium-"));
    this.process = spawn("/usr/bin/chromium", [
      "--headless=new", "--no-sandbox", "--remote-debugging-pipe", "--enable-unsafe-swiftshader",
      "--no-first-run", "--disable-background-networking", "--disable-component-update",
      "--disable-sync", "--disable-quic", "--hide-scrollbars", "--force-device-scale-factor=1",
      "--window-size=800,600", `--user-data-dir=${this.profile}`, "about:blank",
    ], { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"],
         env: { ...process.env, TMPDIR: this.profile } });  // its scratch goes with the profile
    this.next = 1;
    this.pending = new Map();
    this.listeners = [];
    let buffer = Buffer.alloc(0);
    this.process.stdio[4].on("data", (chunk) => {
      buffer = Buffer.concat([buffer, chunk]);
      let end;
      while ((end = buffer.indexOf(0)) >= 0) {
        const message = JSON.parse(buffer.subarray(0, end).toString("utf8"));
        buffer = buffer.subarray(end + 1);
        if (message.id && this.pending.has(message.id)) {
          const { resolve, reject } = this.pending.get(message.id);
          this.pending.delete(message.id);
          message.error ? reject(new Error(JSON.stringify(message.error))) : resolve(message.result);
        } else {
          this.listeners.forEach((listener) => listener(message));
        }
      }
    });
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.next++;
    this.process.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + "\0");
    return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject }));
  }

  // The first page, with a function to send to it; with fresh, a new page
  // in place of it, as when a pupil closes the app and opens it again.
  async page(fresh = false) {
    const { targetInfos } = await this.send("Target.getTargets");
    let target = targetInfos.find((t) => t.type === "page");
    if (fresh) {
      const { targetId } = await this.send("Target.createTarget", { url: "about:blank" });
      await this.send("Target.closeTarget", { targetId: target.targetId });
      target = { targetId };
    }
    const { sessionId } = await this.send("Target.attachToTarget", { targetId: target.targetId, flatten: true });
    const send = (method, params) => this.send(method, params, sessionId);
    await send("Page.enable");
    await send("Runtime.enable");
    return send;
  }

  // Asks Chromium to quit, so that its helpers are gone before the profile is.
  async close() {
    const exited = new Promise((resolve) => this.process.on("exit", resolve));
    await Promise.race([this.send("Browser.close").catch(() => {}),
                        new Promise((resolve) => setTimeout(resolve, 5000))]);
    const timer = setTimeout(() => this.process.kill("SIGKILL"), 10000);
    await exited;
    clearTimeout(timer);
    fs.rmSync(this.profile, { recursive: true, force: true, maxRetries: 20, retryDelay: 100 });
  }
}

async function evaluate(send, expression) {
  const { result, exceptionDetails } = await send("Runtime.evaluate",
                                                  { expression, returnByValue: true, awaitPromise: true });
  if (exceptionDetails)
    throw new Error(`${expression}: ${exceptionDetails.text}`);
  return result.value;
}

async function waitFor(what, condition, seconds = 60) {
  const deadline = Date.now() + seconds * 1000;
  while (Date.now() < deadline) {
    const value = await condition();
    if (value)
      return value;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  throw new Error(`timed out waiting for ${what}`);
}

// {width, height, pixel(x, y) -> [r, g, b]} of an 8-bit RGB or RGBA PNG.
function readPng(data) {
  let offset = 8, width, height, channels;
  const idat = [];
  while (offset < data.length) {
    const length = data.readUInt32BE(offset);
    const kind = data.toString("ascii", offset + 4, offset + 8);
    const body = data.subarray(offset + 8, offset + 8 + length);
    if (kind === "IHDR") {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      channels = { 2: 3, 6: 4 }[body[9]];
    } else if (kind === "IDAT") {
      idat.push(body);
    }
    offset += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(idat));
  const stride = width * channels;
  const pixels = Buffer.alloc(height * stride);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    for (let i = 0; i < stride; i++) {
      const x = raw[y * (stride + 1) + 1 + i];
      const a = i >= channels ? pixels[y * stride + i - channels] : 0;
      const b = y > 0 ? pixels[(y - 1) * stride + i] : 0;
      const c = i >= channels && y > 0 ? pixels[(y - 1) * stride + i - channels] : 0;
      const p = a + b - c;
      const paeth = Math.abs(p - a) <= Math.abs(p - b) && Math.abs(p - a) <= Math.abs(p - c)
        ? a : Math.abs(p - b) <= Math.abs(p - c) ? b : c;
      pixels[y * stride + i] = (x + [0, a, b, (a + b) >> 1, paeth][filter]) & 255;
    }
  }
  return { width, height, pixel: (x, y) => [...pixels.subarray(y * stride + x * channels, y * stride + x * channels + 3)] };
}

module.exports = { serve, Browser, evaluate, waitFor, readPng };
