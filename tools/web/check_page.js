#!/usr/bin/node
// SPDX-FileCopyrightText: 2026 The udjat developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The browser edition as a pupil uses it: serves the site on the loopback,
// opens udjat.html in headless Chromium and works it with real mouse, touch
// and key events through the DevTools protocol. Checks the window's colours
// against the desktop window's, what the live region says at each step and
// that the accessibility tree carries it; saves a screenshot.
//
// usage: check_page.js SITE DESKTOP_SCREENSHOT.png OUT.png
"use strict";
const fs = require("fs");
const { serve, Browser, evaluate, waitFor, readPng } = require("./cdp.js");

// Points of the window (its own coordinates) that have one colour each.
const SAMPLES = {
  "title": [70, 12], "background": [5, 40], "row of зеница": [205, 84],
  "diagram": [440, 180], "Изчисли": [250, 212], "Изтрий": [450, 212],
};
const ROW = (index) => [120, 52 + 32 * index];  // the middle of a part's row
const REPORT = [200, 300];
const SUM = "Сумата се формира от една втора и една четвърт. Изчислената дроб е "
  + "четиридесет и осем шестдесет и четвърти. Простата дроб е три четвърти.";
const TYPICAL_REPORT = "Сумата се формира от: \n1/2\n1/4\n\nИзчислената дроб е: 48/64\nПроста дроб: 3/4";
const PARTS = [["по-голямата част от окото", "една втора"], ["зеница", "една четвърт"], ["вежда", "една осма"],
               ["по-малката част от окото", "една шестнадесета"], ["капка сълза", "една тридесет и втора"],
               ["знак на сокола", "една шестдесет и четвърта"]];

function fail(message) {
  console.log("FAIL:", message);
  process.exit(1);
}

async function main() {
  const [site, desktopPng, out] = process.argv.slice(2);
  const server = await serve(fs.realpathSync(site));
  const browser = new Browser();
  try {
    const send = await browser.page();
    const started = Date.now();
    await send("Page.navigate", { url: `http://127.0.0.1:${server.address().port}/udjat.html` });
    await waitFor("the window", () => evaluate(send, "window.udjatShownAt"), 120);
    console.log(`  window shown ${((Date.now() - started) / 1000).toFixed(1)} s after navigation`);
    const page = await evaluate(send, `({lang: document.documentElement.lang, title: document.title,
        box: (() => { const r = document.getElementById("udjat-window").getBoundingClientRect();
                      return [r.left, r.top, r.width, r.height]; })()})`);
    if (page.lang !== "bg" || page.title !== "Уаджет")
      fail(`page ${JSON.stringify(page)}`);
    const [left, top] = page.box;
    const at = ([x, y]) => ({ x: left + 1 + x, y: top + 1 + y });  // inside the canvas border
    const shot = async () => readPng(Buffer.from(
      (await send("Page.captureScreenshot", { format: "png" })).data, "base64"));
    const live = () => evaluate(send, `document.getElementById("udjat-live").textContent`);
    const said = async (what, text) => {
      await waitFor(`the live region to say ${JSON.stringify(text)} (${what})`,
                    async () => (await live()) === text, 10);
      console.log(`  ${what}: ${JSON.stringify(text)}`);
    };
    const click = async (point, type = "mouse") => {
      const { x, y } = at(point);
      if (type === "touch") {
        await send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [{ x, y }] });
        await send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
        return;
      }
      for (const kind of ["mousePressed", "mouseReleased"])
        await send("Input.dispatchMouseEvent", { type: kind, x, y, button: "left", clickCount: 1 });
    };
    const key = async (name, shift = false) => {
      const codes = { Tab: 9, " ": 32, Enter: 13 };
      const base = { key: name, code: name === " " ? "Space" : name, windowsVirtualKeyCode: codes[name],
                     modifiers: shift ? 8 : 0 };
      await send("Input.dispatchKeyEvent", { type: "rawKeyDown", ...base });
      if (name === " " || name === "Enter")
        await send("Input.dispatchKeyEvent", { type: "char", text: name === " " ? " " : "\r", ...base });
      await send("Input.dispatchKeyEvent", { type: "keyUp", ...base });
    };

    // The same colours as the desktop window.
    const desktop = readPng(fs.readFileSync(desktopPng));
    let image = await shot();
    for (const [name, [x, y]] of Object.entries(SAMPLES)) {
      const want = desktop.pixel(x, y);
      const { x: px, y: py } = at([x, y]);
      const got = image.pixel(Math.round(px), Math.round(py));
      console.log(`  colour of ${name}: ${got} (desktop ${want})`);
      if (got.some((v, i) => Math.abs(v - want[i]) > 12))
        fail(`the ${name} is ${got}, the desktop's ${want}`);
    }

    // The assignment scrolls under the mouse wheel.
    const reportPixels = (img) => Array.from({ length: 60 }, (_, k) => img.pixel(
      Math.round(at(REPORT).x) - 150 + 5 * k, Math.round(at(REPORT).y)).join()).join();
    const before = reportPixels(image);
    await send("Input.dispatchMouseEvent", { type: "mouseWheel", ...at(REPORT), deltaX: 0, deltaY: 120 });
    await waitFor("the report box to scroll", async () => reportPixels(await shot()) !== before, 10);
    console.log("  the report box scrolls under the wheel");

    // The typical use: a click mid-row, the keyboard, a tap, then the sum.
    await click(ROW(1));
    await said("click mid-row on зеница", "една четвърт, отметната");
    await key("Tab", true);
    await said("Shift+Tab", "по-голямата част от окото, една втора, поле за отметка, без отметка");
    await key(" ");
    await said("Space", "една втора, отметната");
    for (let i = 0; i < 6; i++)
      await key("Tab");
    await said("Tab to Изчисли", "Изчисли, бутон");
    await key(" ");
    await said("Изчисли", SUM);
    await new Promise((resolve) => setTimeout(resolve, 500));
    fs.writeFileSync(out, Buffer.from((await send("Page.captureScreenshot",
      { format: "png", clip: { x: left, y: top, width: page.box[2], height: page.box[3], scale: 1 } })).data, "base64"));
    await key("Tab");
    await key("Enter");
    await said("Enter on Изтрий", "Направете нов избор!");
    await click(ROW(2), "touch");
    await said("a tap on вежда", "една осма, отметната");

    // What a screen reader reads from the page.
    const { nodes } = await send("Accessibility.getFullAXTree");
    const byId = new Map(nodes.map((n) => [n.nodeId, n]));
    const status = nodes.find((n) => n.role && n.role.value === "status"
      && (n.properties || []).some((p) => p.name === "live" && p.value.value === "polite")
      && (n.childIds || []).some((id) => byId.get(id) && byId.get(id).name
                                 && byId.get(id).name.value === "една осма, отметната"));
    if (!status)
      fail("no status node with the last announcement in the accessibility tree");
    console.log("  accessibility tree: a polite live status node holds \"една осма, отметната\"");

    // The window's controls mirrored into the page, worked as a screen
    // reader works them: DOM clicks and a Space on the page's own elements.
    const mirrored = () => evaluate(send, `[...document.querySelectorAll("#udjat-controls input")].map((b) => b.checked)`);
    if (!(await mirrored())[2])
      fail("the tap on вежда in the canvas left its mirrored box unticked");
    await evaluate(send, `window.udjatLive = [];
      new MutationObserver((changes) => changes.forEach((c) => c.addedNodes.length
        && udjatLive.push(document.getElementById("udjat-live").textContent)))
        .observe(document.getElementById("udjat-live"), { childList: true })`);
    const element = (name) => `document.getElementById("udjat-${name}")`;
    await evaluate(send, `${element("Command1_1")}.click()`);
    await said("the page's Изтрий", "Направете нов избор!");
    if ((await mirrored()).some(Boolean))
      fail(`Изтрий left mirrored boxes ticked: ${await mirrored()}`);
    await evaluate(send, `${element("Check1_1")}.click()`);
    await said("a DOM click on the page's зеница", "една четвърт, отметната");
    await evaluate(send, `${element("Check1_0")}.focus()`);
    await key(" ");
    await said("Space on the page's larger part", "една втора, отметната");
    await evaluate(send, `${element("Command1_0")}.click()`);
    await said("the page's Изчисли", SUM);
    const report = await evaluate(send, `${element("Text1_0")}.value`);
    if (report !== TYPICAL_REPORT)
      fail(`the page's report holds ${JSON.stringify(report)}`);
    console.log("  the page's report holds the report");
    const heard = await evaluate(send, "udjatLive");
    const once = ["Направете нов избор!", "една четвърт, отметната", "една втора, отметната", SUM];
    if (JSON.stringify(heard) !== JSON.stringify(once))
      fail(`the live region said ${JSON.stringify(heard)}, not each announcement once`);
    console.log(`  the live region said each once: ${JSON.stringify(heard)}`);

    // What a screen reader reads of them.
    const tree = (await send("Accessibility.getFullAXTree")).nodes.filter((n) => !n.ignored);
    const value = (n, key) => (n[key] && n[key].value) || "";
    const checked = (n) => ((n.properties || []).find((p) => p.name === "checked") || { value: {} }).value.value;
    const boxes = tree.filter((n) => value(n, "role") === "checkbox").map((n) => `${value(n, "name")}: ${checked(n)}`);
    const buttons = tree.filter((n) => value(n, "role") === "button").map((n) => value(n, "name"));
    const texts = tree.filter((n) => value(n, "role") === "textbox").map((n) => `${value(n, "name")}: ${JSON.stringify(value(n, "value"))}`);
    const images = tree.filter((n) => value(n, "role") === "image").map((n) => `${value(n, "name")}: ${value(n, "description")}`);
    console.log("  accessibility tree after two ticks and Изчисли:\n    "
                + [...boxes, ...buttons.map((b) => `button ${b}`), ...texts, ...images].join("\n    "));
    const wantBoxes = PARTS.map(([name, words], i) => `${name}, ${words}: ${i < 2}`);
    if (JSON.stringify(boxes) !== JSON.stringify(wantBoxes))
      fail(`the check boxes are ${JSON.stringify(boxes)}`);
    if (JSON.stringify(buttons) !== JSON.stringify(["Изчисли", "Изтрий"]))
      fail(`the buttons are ${JSON.stringify(buttons)}`);
    if (!texts.includes(`Отчет: ${JSON.stringify(TYPICAL_REPORT)}`))
      fail(`no report text box holds the report: ${JSON.stringify(texts)}`);
    if (!images.some((i) => i.startsWith("Рисунка на окото Уаджет: ") && i.includes("зеница, една четвърт")))
      fail(`no image of the diagram with its description: ${JSON.stringify(images)}`);
    console.log("PASS: colours, wheel, mouse, keyboard, touch, live region, the page's own controls");
  } finally {
    await browser.close();
    await server.stop();
  }
}

main().catch((error) => fail(error.message));
