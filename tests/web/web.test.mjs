// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// bexalo in Debian's Chromium, Firefox ESR or WebKitGTK (BEXALO_BROWSER; scripts/test-web.sh
// runs this file in each): the page served from a plain static server, played as a pupil plays
// it, with the mouse, by touch and with the keyboard, read from screenshots; and the site's
// Content-Security-Policy, which lets the page reach nothing but its own server.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, readdirSync, readFileSync, statSync, symlinkSync, rmSync } from "node:fs";
import { createHash } from "node:crypto";
import http from "node:http";
import { tmpdir } from "node:os";
import path from "node:path";
import { setTimeout as sleep } from "node:timers/promises";
import { execFileSync } from "node:child_process";
import { serve, launch, Session, SIZES, VIEW, bbox, site, root, writeSoundFile, BROWSER } from "./lib.mjs";
import { START, OP1, OP2, WINDOWS, shows, face, unitBeadsOp1 } from "./pupil.mjs";
import {
  startWindow, openExercise, playRight, closeWindow, assertNothingStored, exitAndStartAgain, assertPolicyStops, wasmMemoryLimit,
} from "./play.mjs";

let server, browser;

before(async () => {
  server = await serve();
  browser = await launch(BROWSER);
});

after(async () => {
  await browser?.close();
  server?.close();
});

async function started(options) {
  const s = await Session.open(browser.browser, server.url, options);
  await startWindow(s);
  return s;
}

async function soundsStarted(s) {
  return s.page.evaluate(() => window.bexaloSoundsStarted);
}

test("the page is Italian, titled Bexalo, has the icon, and the start window opens its curtains", async () => {
  const s = await Session.open(browser.browser, server.url);
  assert.equal(await s.page.title(), "Bexalo");
  assert.equal(await s.page.evaluate(() => document.documentElement.lang), "it");
  assert.match(await s.page.evaluate(() => document.getElementById("caricamento").textContent), /Caricamento/);
  const icon = await s.page.evaluate(async () => {
    const href = document.querySelector("link[rel=icon]").href;
    const r = await fetch(href);
    return { status: r.status, size: (await r.arrayBuffer()).byteLength };
  });
  assert.equal(icon.status, 200);
  assert.ok(icon.size > 1000, "favicon has content");
  // The teacher's guide, linked from the page, is in the site (scripts/test-guide.sh opens it).
  const guide = await s.page.evaluate(async () => {
    const r = await fetch(document.querySelector("#caricamento a").href);
    return { status: r.status, type: r.headers.get("content-type"), lang: /<html lang="it">/.test(await r.text()) };
  });
  assert.deepEqual(guide, { status: 200, type: "text/html", lang: true });
  await s.findStart();
  // The curtains cover the window first, then slide open.
  s.firstLook.save("start-first");
  const curtain = s.pixel(s.firstLook, "start", 10, 300);
  assert.equal(curtain, "#FF80FF", "the curtain covers the left edge first");
  await s.until("the curtains to open", (shot) => s.pixel(shot, "start", 10, 300) === "#FFC0FF");
  const shot = await s.shot("start-open");
  assert.equal(s.pixel(shot, "start", SIZES.start.w - 10, 300), "#FFC0FF", "right curtain open");
  await s.close();
});

test("with the mouse, one exercise of each direction at each level reaches Esatto, with the sound; the policy refuses nothing", async () => {
  const s = await started();
  for (const [direction, level] of [["picture", 1], ["picture", 2], ["abacus", 1], ["abacus", 2]]) {
    const kind = await openExercise(s, direction, level);
    // The hundreds "+" shows at level 2 only; FrmOperativo2's hundreds digit is 1 to 9 there,
    // frmOperativo1's 0 to 8.
    const shot = await s.shot();
    assert.equal(s.pixel(shot, kind, ...face(WINDOWS[kind].ui.plus.h)) === "#FFFF00", level === 2,
      `the hundreds "+" at level ${level}`);
    const target = await playRight(s, kind);
    if (level === 1) assert.equal(target.h, 0, "no hundreds at level 1");
    else if (kind === "op2") assert.ok(target.h > 0, "hundreds in the abacus at level 2");
    await closeWindow(s, kind);
  }
  const wavs = (await s.loaded()).filter((name) => name.endsWith("/positivo.wav"));
  assert.deepEqual(wavs, [server.url + "positivo.wav"], "positivo.wav fetched once, from beside the page");
  await s.page.waitForFunction(() => window.bexaloSoundsStarted >= 4, { timeout: 5000 });
  await assertNothingStored(s);
  assert.deepEqual(await s.refusedByPolicy(), [], "nothing refused by the site's policy");
  await s.close();
});

test("by touch, an exercise reaches Esatto; a bad sound file is silent", async () => {
  // The same site, but its sound file ends in half a sample: the browser would play it, the
  // program's check refuses it. The bytes are the players' table's own (tests/fakes/WavFiles.h).
  const bad = mkdtempSync(path.join(tmpdir(), "bexalo-site-"));
  for (const f of readdirSync(site)) if (f !== "positivo.wav") symlinkSync(path.join(site, f), path.join(bad, f));
  writeSoundFile("ends in half a sample", path.join(bad, "positivo.wav"));
  const badServer = await serve(bad);
  try {
    const s = await Session.open(browser.browser, badServer.url, { touch: true });
    await s.findStart();
    await s.until("the curtains to open", (shot) => s.pixel(shot, "start", 10, 300) === "#FFC0FF");
    const kind = await openExercise(s, "abacus", 2, "tap");
    await playRight(s, kind, "tap");
    await s.page.waitForFunction(() => window.bexaloSoundState === "silent", { timeout: 10000 });
    // The whole bad file arrived (the page's list of what it fetched) and was refused.
    const size = statSync(path.join(bad, "positivo.wav")).size;
    const arrived = await s.page.evaluate(() => performance.getEntriesByType("resource")
      .filter((e) => e.name.endsWith("/positivo.wav")).map((e) => e.decodedBodySize));
    assert.deepEqual(arrived, [size], "the bad file was fetched whole, once");
    assert.equal(await soundsStarted(s), 0, "no sound from a bad file");
    await s.close();
  } finally {
    badServer.close();
    rmSync(bad, { recursive: true, force: true });
  }
});

test("by touch on an iPad's page, 1024x768 and 820x1180, either exercise window reaches Esatto", async () => {
  for (const [view, direction] of [[{ width: 1024, height: 768 }, "picture"], [{ width: 820, height: 1180 }, "abacus"]]) {
    const s = await Session.open(browser.browser, server.url, { touch: true, view });
    await startWindow(s);
    const kind = await openExercise(s, direction, 2, "tap");
    await playRight(s, kind, "tap");
    await s.close();
  }
});

test("with the keyboard alone, an exercise reaches Esatto", async () => {
  const s = await started();
  // "2" then Enter chooses the abacus, "1" then Enter the level and "Vai".
  await s.key("2");
  await s.key("Enter");
  await s.key("1");
  await s.key("Enter");
  s.placeOf("op2");
  await s.until("op2 to open", (shot) => s.pixel(shot, "op2", ...face(OP2.plus.u)) === "#FFFF00");
  const target = WINDOWS.op2.read(s, await s.settled("op2 to settle"));
  // From the window's first focus, Tab reaches the tens "+" and then the units "+".
  await s.key("Tab", KEYS.toTensPlus);
  await s.key(" ", target.da);
  await s.key("Tab", KEYS.tensToUnitsPlus);
  await s.key(" ", target.u);
  await s.key("Tab", KEYS.unitsPlusToVerify);
  await s.key("Enter");
  await s.until('"Esatto" from the keyboard', (shot) => shows(s, shot, "op2", OP2.esatte));
  await s.close();
});

// "2" then Enter chooses the abacus, "1" then Enter the level and "Vai" (each key typed by
// `type`); waits for frmOperativo2.
async function chooseByKeys(s, type = (k) => s.key(k)) {
  for (const k of ["2", "Enter", "1", "Enter"]) await type(k);
  s.placeOf("op2");
  await s.until("op2 to open", (shot) => s.pixel(shot, "op2", ...face(OP2.plus.u)) === "#FFFF00");
}

// A digit typed with Shift held, as a keyboard sends it: the key is the shifted symbol, the code
// still the digit's key. (puppeteer's press("2") with Shift down sends the key "2" to Chromium,
// as no keyboard does.) Chromium takes the event as given: an Italian keyboard's Shift+2, '"'.
// Firefox's WebDriver makes the code from the character on a US layout ('"' would arrive with
// the code "Quote"), so there it is the US keyboard's "@"; Shift+1 is "!" on both layouts.
// WebKit's WebDriver does as Firefox's.
const SHIFTED = { chromium: { 1: "!", 2: '"' }, firefox: { 1: "!", 2: "@" }, webkit: { 1: "!", 2: "@" } }[BROWSER];

async function typeShifted(s, key) {
  if (!/^[0-9]$/.test(key)) return s.key(key);
  const symbol = SHIFTED[key];
  if (BROWSER === "chromium") {
    const cdp = await s.page.createCDPSession();
    const event = { modifiers: 8, key: symbol, code: "Digit" + key, windowsVirtualKeyCode: 48 + Number(key) };
    await cdp.send("Input.dispatchKeyEvent", { type: "keyDown", ...event, text: symbol, unmodifiedText: key });
    await sleep(30);
    await cdp.send("Input.dispatchKeyEvent", { type: "keyUp", ...event });
    await cdp.detach();
    await s.drawn();
  } else {
    await s.key(symbol);
  }
}

test("with Shift held, the start window's keyboard choice acts as without it", async () => {
  const s = await started();
  await s.page.evaluate(() => {
    window.bexaloKeysSeen = [];
    addEventListener("keydown", (e) => window.bexaloKeysSeen.push([e.key, e.code.replace("Numpad", ""), e.shiftKey]), true);
  });
  await s.page.keyboard.down("Shift");
  await chooseByKeys(s, (k) => typeShifted(s, k));
  await s.page.keyboard.up("Shift");
  // What the page saw is what the keyboard sends: the symbols, with the digits' codes.
  assert.deepEqual(await s.page.evaluate(() => window.bexaloKeysSeen.filter(([k]) => k !== "Shift")), [
    [SHIFTED[2], "Digit2", true], ["Enter", "Enter", true], [SHIFTED[1], "Digit1", true], ["Enter", "Enter", true],
  ]);
  await s.close();
});

test("an exercise window closed with its cross leaves the start window taking keys at once", async () => {
  const s = await started();
  const kind = await openExercise(s, "picture", 1);
  await closeWindow(s, kind);
  await chooseByKeys(s);
  await s.close();
});

test("help refused three times: the message comes over 'Errato', blocks the program, and Enter closes it", async () => {
  const s = await started();
  const kind = await openExercise(s, "picture", 1);
  const target = WINDOWS.op1.read(s, await s.shot("help-target"));
  for (let attempt = 1; attempt <= 3; attempt++) {
    for (let i = 0; i <= target.u; i++) await s.click(kind, ...OP1.plus.u); // one unit too many
    await s.click(kind, ...OP1.verify);
    await s.until(`the help offer (${attempt})`, (shot) => shows(s, shot, kind, OP1.help));
    await s.click(kind, ...OP1.no);
  }
  // The message box, centred on the page, has its grey face left of its button.
  const centre = { x: Math.floor(VIEW.width / 2), y: Math.floor(VIEW.height / 2) };
  const boxUp = await s.until("the message to come up",
    (shot) => shot.count("#EFEFEF", centre.x - 110, centre.y + 25, 80, 20) === 80 * 20);
  boxUp.save("message-box");
  assert.ok(s.count(boxUp, kind, ...OP1.esito) > 30, "'Errato' still shown while the message is up");
  assert.ok(!shows(s, boxUp, kind, OP1.avanti), "'A V A N T I' not yet shown");
  // The program is blocked meanwhile: "Esci" on the start window does nothing.
  await s.click("start", ...START.esci);
  await s.settled("the click on 'Esci' to be handled");
  assert.equal(await s.page.evaluate(() => document.getElementById("fine").hidden), true, "still running");
  await s.key("Enter");
  const after = await s.until("the message to close", (shot) => shows(s, shot, kind, OP1.avanti));
  // Had the click on "Esci" gone through late, the program would have ended meanwhile.
  assert.equal(await s.page.evaluate(() => document.getElementById("fine").hidden), true, "still running");
  assert.equal(s.count(after, kind, ...OP1.esito), 0, "'Errato' gone");
  assert.ok(!shows(s, after, kind, OP1.help), "help offer gone");
  assert.equal(unitBeadsOp1(s, after), target.u, "the right answer's units on the abacus");
  await s.close();
});

test("both exercise windows open at once; one closed, the start window is usable", async () => {
  const s = await started();
  await openExercise(s, "picture", 1);
  // Move frmOperativo1 down by its title bar, out of the start window's way.
  const o = s.origin.op1;
  await s.page.mouse.move(o.x + 100, o.y - Math.round(s.titleHeight / 2));
  await s.page.mouse.down();
  await s.page.mouse.move(o.x + 100 + 200, o.y - Math.round(s.titleHeight / 2) + 120, { steps: 8 });
  await s.page.mouse.up();
  const moved = { x: o.x + 200, y: o.y + 120 };
  await s.until("the start window to show again where op1 was", (shot) => s.pixel(shot, "start", 10, 100) === "#FFC0FF");
  await openExercise(s, "abacus", 2);
  await closeWindow(s, "op2");
  const shot = await s.settled("op2 to be gone");
  shot.save("op2-closed");
  s.origin.op1 = moved;
  assert.equal(s.pixel(shot, "op1", ...face(OP1.plus.u)), "#FFFF00", "frmOperativo1 still open");
  // The start window still answers: a second opening of the abacus window.
  await openExercise(s, "abacus", 1);
  await s.close();
});

test("when the browser window changes size every window stays inside the page, in proportion", async () => {
  const s = await started();
  await openExercise(s, "picture", 1);
  for (const view of [{ width: 700, height: 520 }, VIEW]) {
    await s.page.setViewport(view);
    // The page takes the new size; the windows move inside it and stay there (two looks alike).
    await s.page.waitForFunction((w, h) => innerWidth === w && innerHeight === h, {}, view.width, view.height);
    let last = null;
    const shot = await s.until(`every window inside ${view.width}x${view.height}`, (sh) => {
      const b = bbox(sh);
      const inside = b && sh.width === view.width && b.x >= 0 && b.y >= 0 && b.x + b.w <= view.width
        && b.y + b.h <= view.height;
      const same = last !== null && last.equals(sh.raw);
      last = sh.raw;
      return inside && same;
    });
    shot.save(`resized-${view.width}`);
    const box = bbox(shot);
    // The exercise window fills at most the page, and its abacus band scales with it.
    const w = Math.min(SIZES.op1.w, box.w - 2 * s.border);
    const h = Math.min(SIZES.op1.h, box.h - s.border - s.titleHeight);
    const band = shot.pixel(box.x + s.border + Math.round((571 * w) / 792),
      box.y + s.titleHeight + Math.round((374 * h) / 574));
    assert.equal(band, "#FFFF00", `abacus band in proportion at ${view.width}x${view.height}`);
  }
  await s.close();
});

test("on a 1920x1080 board, an exercise window maximised with its title band's button plays to Esatto and is restored", async () => {
  const view = { width: 1920, height: 1080 };
  const s = await Session.open(browser.browser, server.url, { view });
  await s.findStart();
  await s.until("the curtains to open", (shot) => s.pixel(shot, "start", 10, 300) === "#FFC0FF");
  const kind = await openExercise(s, "abacus", 1);
  const o = s.origin[kind];
  const normal = bbox(await s.shot("big-normal")); // frmOperativo2 covers the start window
  // The title band's buttons, from the right: close, then maximise (restore when maximised);
  // squares of the band's height less 2 px a side, 2 px apart.
  const step = s.titleHeight - 2 * s.border - 2;
  const button = (origin, width) => ({
    x: origin.x + width - Math.round(s.titleHeight / 2) - step, y: origin.y - Math.round(s.titleHeight / 2),
  });
  let b = button(o, SIZES[kind].w);
  await s.page.mouse.click(b.x, b.y);
  // Maximised, the window fills the page, and its layout scales with its client area.
  const client = { w: view.width - 2 * s.border, h: view.height - s.titleHeight - s.border };
  s.origin[kind] = { x: s.border, y: s.titleHeight };
  s.scale[kind] = { x: client.w / SIZES[kind].w, y: client.h / SIZES[kind].h };
  await s.until(`${kind} maximised`, (shot) => JSON.stringify(bbox(shot)) === JSON.stringify({ x: 0, y: 0, w: view.width, h: view.height })
    && s.pixel(shot, kind, ...face(OP2.plus.u)) === "#FFFF00");
  await s.settled(`${kind} to settle maximised`);
  await playRight(s, kind);
  b = button(s.origin[kind], client.w);
  await s.page.mouse.click(b.x, b.y);
  s.origin[kind] = o;
  delete s.scale[kind];
  const back = await s.until(`${kind} back at its size and place`, (shot) => JSON.stringify(bbox(shot)) === JSON.stringify(normal));
  back.save("big-restored");
  assert.ok(shows(s, back, kind, OP2.esatte), '"Esatto" still shown in the window at its size');
  await s.close();
});

test("'Esci' ends the program with a message in Italian and an offer to start again; nothing stored", async () => {
  const s = await started();
  await exitAndStartAgain(s);
  await s.close();
});

// WebKitGTK asks a server on plain http for "gzip, deflate" only, so there the site travels gzipped.
const BEST = BROWSER === "webkit" ? "gzip" : "br";

test("the program travels brotli-compressed to the browser (gzipped to WebKit), gzipped from a gzip-only host, plain otherwise", async () => {
  const expected = createHash("sha256").update(readFileSync(path.join(site, "bexalo.wasm"))).digest("hex");
  const gzipServer = await serve(site, ["--gzip-only"]);
  try {
    for (const [url, coding] of [[server.url, BEST], [gzipServer.url, "gzip"]]) {
      const context = await browser.browser.createBrowserContext();
      const page = await context.newPage();
      await page.goto(url);
      // What the browser asks for and unpacks, byte for byte, as the page's own fetch sees it.
      const got = await page.evaluate(async () => {
        const response = await fetch("bexalo.wasm", { cache: "no-store" });
        const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", await response.arrayBuffer()));
        const header = (name) => response.headers.get(name);
        return {
          coding: header("Content-Encoding"), type: header("Content-Type"), vary: header("Vary"),
          digest: [...digest].map((b) => b.toString(16).padStart(2, "0")).join(""),
        };
      });
      assert.equal(got.coding, coding, `bexalo.wasm from ${url}`);
      assert.equal(got.type, "application/wasm");
      assert.match(got.vary, /Accept-Encoding/i);
      assert.equal(got.digest, expected, `bexalo.wasm unpacked from ${coding}`);
      await context.close();
    }
    // A client that accepts no encoding gets the file itself.
    const plain = await get(server.url + "bexalo.wasm");
    assert.equal(plain.headers["content-encoding"], undefined);
    assert.equal(createHash("sha256").update(plain.body).digest("hex"), expected);
  } finally {
    gzipServer.close();
  }
});

function get(url) {
  return new Promise((resolve, reject) => {
    http.get(url, (res) => {
      const chunks = [];
      res.on("data", (c) => chunks.push(c));
      res.on("end", () => resolve({ headers: res.headers, body: Buffer.concat(chunks) }));
    }).on("error", reject);
  });
}

test("every answer of the server carries the site's policy, which the README gives; the policy, not the test, refuses another server", async () => {
  const policy = execFileSync("python3", [path.join(root, "scripts/webpolicy.py")], { encoding: "utf8" }).trim();
  assert.match(policy, /^default-src 'none'; /);
  assert.doesNotMatch(policy, /'unsafe-eval'|'unsafe-inline'/);
  for (const name of ["", "bexalo.wasm", "no-such-file"])
    assert.equal((await get(server.url + name)).headers["content-security-policy"], policy, `the policy on /${name}`);
  const readme = readFileSync(path.join(root, "README.md"), "utf8");
  assert.ok(readme.includes(`Header always set Content-Security-Policy "${policy}"`), "the README's Apache line");
  assert.ok(readme.includes(`add_header Content-Security-Policy "${policy}" always;`), "the README's nginx line");
  const s = await started();
  await assertPolicyStops(s);
  await s.close();
});

test("the program's heap may grow to the limit the build sets, far below what an iPad refuses", () => {
  const cmake = readFileSync(path.join(root, "CMakeLists.txt"), "utf8");
  const limit = Number(/set\(BEXALO_WEB_MAX_HEAP (\d+)MB\)/.exec(cmake)?.[1]) * 1024 * 1024;
  assert.ok(limit > 0 && limit <= 512 * 1024 * 1024, `the limit (${limit} bytes) is set, and at most half of 1 GB`);
  // The program's script grows the heap up to _emscripten_get_heap_max() and no further; the
  // WebAssembly's own memory may declare no maximum, or none above it.
  const script = readFileSync(path.join(site, "bexalo.js"), "utf8");
  const max = Number(/function _emscripten_get_heap_max\(\)\s*\{\s*return (\d+)\s*;?\s*\}/.exec(script)?.[1]);
  assert.ok(max > 0 && max <= limit, `the heap's maximum, ${max} bytes, is within the limit, ${limit}`);
  const declared = wasmMemoryLimit(readFileSync(path.join(site, "bexalo.wasm"))).maximum;
  assert.ok(declared === null || declared <= limit, `the memory's declared maximum, ${declared}`);
});

// Tab stops from the first focus of FrmOperativo2 (level 1).
const KEYS = { toTensPlus: 2, tensToUnitsPlus: 1, unitsPlusToVerify: 1 };
