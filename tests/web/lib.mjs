// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What the browser tests share: the site served on 127.0.0.1, Debian's Chromium or Firefox ESR
// driven by puppeteer-core or WebKitGTK driven through its WebDriver (webkit.mjs), screenshots
// read pixel by pixel, and the windows of bexalo found in the page. Window coordinates are the
// client pixels of the desktop end-to-end tests.
import { execFileSync, spawn } from "node:child_process";
import { existsSync, mkdtempSync, rmSync, writeFileSync, mkdirSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { setTimeout as sleep } from "node:timers/promises";
import puppeteer from "puppeteer-core";
import { PNG } from "pngjs";
import { launchWebKit } from "./webkit.mjs";

const here = path.dirname(new URL(import.meta.url).pathname);
export const root = path.resolve(here, "../..");
export const site = process.env.BEXALO_WEB_SITE || path.join(root, "build-web/site");
// The one file, opened from the disk.
export const oneFile = process.env.BEXALO_WEB_ONE_FILE || path.join(root, "build-web/bexalo.html");
export const artifacts = process.env.BEXALO_WEB_ARTIFACTS || path.join(root, "build-web/test-artifacts");

// Writes the file named `row` of the players' table of sound files (tests/fakes/WavFiles.h) to
// `file`, with the Linux build's tool.
export function writeSoundFile(row, file) {
  const tool = path.join(process.env.BEXALO_BUILD || path.join(root, "build"), "write_sound_file");
  if (!existsSync(tool)) throw new Error(`${tool} is missing: build the Linux build first (./test does)`);
  execFileSync(tool, [row, file], { stdio: "inherit" });
}

// Client sizes (pixels) of the three windows, from their design sizes in twips.
export const SIZES = {
  start: { w: 794, h: 554 },
  op1: { w: 792, h: 574 },
  op2: { w: 794, h: 576 },
};
export const VIEW = { width: 1280, height: 900 };

export const px = (twips) => Math.floor((twips + 7) / 15);

// The static server of the site, on a free port; `options` are serve-web.py's (--gzip-only).
export async function serve(folder = site, options = []) {
  const child = spawn("python3", [path.join(root, "scripts/serve-web.py"), folder, "0", ...options], {
    stdio: ["ignore", "pipe", "inherit"],
  });
  const url = await new Promise((resolve, reject) => {
    child.stdout.once("data", (d) => resolve(String(d).trim()));
    child.once("exit", (code) => reject(new Error("server ended: " + code)));
  });
  return { url, close: () => child.kill() };
}

// The browser the tests drive: "chromium" (the default), "firefox" or "webkit", from BEXALO_BROWSER.
export const BROWSER = process.env.BEXALO_BROWSER || "chromium";

// A browser, headless, with a profile of its own that is thrown away afterwards: Debian's
// Chromium through its DevTools protocol, Debian's Firefox ESR through WebDriver BiDi, or
// WebKitGTK's MiniBrowser through WebKitWebDriver. `extraArgs` go to Chromium's command line.
export async function launch(browser = BROWSER, extraArgs = []) {
  if (browser === "firefox") return launchFirefox();
  if (browser === "webkit") return launchWebKitOnX();
  if (browser !== "chromium") throw new Error(`no such browser to test: ${browser}`);
  const profile = mkdtempSync(path.join(tmpdir(), "bexalo-chromium-"));
  const chromium = await puppeteer.launch({
    executablePath: process.env.BEXALO_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: [
      "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      `--user-data-dir=${profile}`, `--window-size=${VIEW.width},${VIEW.height}`,
      "--autoplay-policy=user-gesture-required", ...extraArgs,
    ],
    defaultViewport: null,
  });
  const close = async () => {
    await chromium.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return { browser: chromium, name: browser, close };
}

// Firefox ESR (puppeteer makes and removes its profile). Headless Firefox on Linux makes its
// WebGL contexts through the X server's GL, and without a display it has none; Qt's web platform
// needs WebGL: so where no display is set, an Xvfb of its own for as long as the browser runs.
// On Xvfb the GL is Mesa's software renderer, which Firefox refuses for WebGL unless the profile
// forces it (a school PC has a real GPU).
async function launchFirefox() {
  const xvfb = process.env.DISPLAY ? null : await startXvfb();
  try {
    const firefox = await puppeteer.launch({
      browser: "firefox",
      executablePath: process.env.BEXALO_FIREFOX || "/usr/bin/firefox-esr",
      headless: true,
      args: [`--width=${VIEW.width}`, `--height=${VIEW.height}`],
      env: { ...process.env, ...(xvfb ? { DISPLAY: xvfb.display } : {}) },
      extraPrefsFirefox: { "webgl.force-enabled": true },
      defaultViewport: null,
    });
    const close = async () => {
      await firefox.close();
      xvfb?.stop();
    };
    return { browser: firefox, name: "firefox", close };
  } catch (e) {
    xvfb?.stop();
    throw e;
  }
}

// WebKitGTK's MiniBrowser is a GTK window with its toolbar above the page: it needs an X server
// (one of its own where no display is set), larger than the largest page the tests ask for.
async function launchWebKitOnX() {
  const xvfb = process.env.DISPLAY ? null : await startXvfb("2560x1600x24");
  try {
    const webkit = await launchWebKit(xvfb ? xvfb.display : process.env.DISPLAY);
    const close = async () => {
      await webkit.close();
      xvfb?.stop();
    };
    return { browser: webkit, name: "webkit", close };
  } catch (e) {
    xvfb?.stop();
    throw e;
  }
}

// An X server in memory on a free display, which it names itself (-displayfd).
async function startXvfb(screen = "1920x1080x24") {
  const child = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp"], {
    stdio: ["ignore", "ignore", "ignore", "pipe"],
  });
  const display = await new Promise((resolve, reject) => {
    let text = "";
    child.stdio[3].on("data", (d) => {
      text += d;
      if (text.includes("\n")) resolve(":" + text.trim());
    });
    child.once("error", reject);
    child.once("exit", (code) => reject(new Error("Xvfb ended: " + code)));
  });
  return { display, stop: () => child.kill() };
}

// A screenshot as an image whose pixels can be read.
export class Shot {
  constructor(png) {
    this.png = PNG.sync.read(png);
    this.raw = png;
  }
  get width() { return this.png.width; }
  get height() { return this.png.height; }
  pixel(x, y) {
    const i = (this.png.width * Math.round(y) + Math.round(x)) * 4;
    const d = this.png.data;
    return "#" + [d[i], d[i + 1], d[i + 2]].map((v) => v.toString(16).padStart(2, "0")).join("").toUpperCase();
  }
  // How many pixels of the colour lie in the rectangle.
  count(colour, x, y, w, h) {
    let n = 0;
    for (let j = y; j < y + h; j++)
      for (let i = x; i < x + w; i++)
        if (this.pixel(i, j) === colour) n++;
    return n;
  }
  has(colour, x, y, w, h) { return this.count(colour, x, y, w, h) > 0; }
  save(name) {
    mkdirSync(artifacts, { recursive: true });
    writeFileSync(path.join(artifacts, name + ".png"), this.raw);
  }
}

// Addresses a page that is to make no network request may still load.
const OFFLINE = /^(file|data|blob):/;

// One load of the page in a fresh browser context, with a count of the sounds started. With
// `offline`, every request for any other address than file:, data: or blob: is refused and
// kept in `refused`.
export class Session {
  // `before` is run in the page before its own scripts (puppeteer's browsers only).
  static async open(browser, url, { touch = false, offline = false, view = VIEW, before = null } = {}) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const refused = [];
    // WebDriver cannot watch requests: in WebKit the tests look at the page's own resource list.
    if (offline && page.setRequestInterception) {
      await page.setRequestInterception(true);
      page.on("request", (r) => {
        if (OFFLINE.test(r.url())) return r.continue();
        refused.push(r.url());
        return r.abort("blockedbyclient");
      });
    }
    await page.setViewport({ ...view, hasTouch: touch });
    await page.evaluateOnNewDocument(() => {
      // What the page's Content-Security-Policy refused.
      window.bexaloRefusedByPolicy = [];
      addEventListener("securitypolicyviolation",
        (e) => window.bexaloRefusedByPolicy.push(`${e.effectiveDirective} ${e.blockedURI}`));
      window.bexaloSoundsStarted = 0;
      const start = AudioBufferSourceNode.prototype.start;
      AudioBufferSourceNode.prototype.start = function (...args) {
        window.bexaloSoundsStarted++;
        return start.apply(this, args);
      };
    });
    if (before) await page.evaluateOnNewDocument(before);
    const s = new Session(page, context, url, view);
    s.refused = refused;
    await page.goto(url, { waitUntil: "load" });
    return s;
  }

  constructor(page, context, url, view = VIEW) {
    this.page = page;
    this.context = context;
    this.url = url;
    this.view = view;
    this.origin = {};
    // A window whose client area is not its design size, by how much its layout is scaled.
    this.scale = {};
  }

  async shot(name) {
    const shot = new Shot(await this.page.screenshot({ type: "png" }));
    if (name) shot.save(name);
    return shot;
  }

  // Polls screenshots until `test(shot)` holds; fails with the last one saved.
  async until(what, test, timeoutMs = 20000) {
    const end = performance.now() + timeoutMs;
    let shot;
    while (performance.now() < end) {
      shot = await this.shot();
      if (test(shot)) return shot;
      await sleep(100);
    }
    shot?.save("failed-" + what.replace(/\W+/g, "-"));
    throw new Error("timed out waiting for " + what);
  }

  // The start window, alone in the page: its client area is found from the bounding box of
  // everything drawn over the page's background, less the border (the same on every side) and
  // the title bar above. Every window is centred the same way, so the offset from its centred
  // place to its client area, learnt here, holds for the exercise windows too.
  async findStart() {
    // Its place is taken once it has the start window's size and stays put between two looks;
    // the first of the two is kept as the first look at it in its place (`firstLook`).
    let last = "", previous = null;
    const shot = await this.until("the start window in its place", (s) => {
      const b = bbox(s);
      const fits = b && b.w >= SIZES.start.w && b.w <= SIZES.start.w + 20 && b.h >= SIZES.start.h + 10
        && b.h <= SIZES.start.h + 60;
      const key = JSON.stringify(b);
      const stable = fits && key === last;
      if (!stable) previous = s;
      last = key;
      return stable;
    });
    this.firstLook = previous;
    const box = bbox(shot);
    const border = Math.round((box.w - SIZES.start.w) / 2);
    const client = { x: box.x + border, y: box.y + box.h - border - SIZES.start.h };
    const centred = centredAt(SIZES.start, this.view);
    this.offset = { x: client.x - centred.x, y: client.y - centred.y };
    this.border = border;
    this.titleHeight = client.y - box.y;
    this.origin.start = client;
    return client;
  }

  // The client origin of an exercise window just opened (it is centred like the start window).
  placeOf(kind) {
    const c = centredAt(SIZES[kind], this.view);
    this.origin[kind] = { x: c.x + this.offset.x, y: c.y + this.offset.y };
    return this.origin[kind];
  }

  // A point given in the window's design pixels, on the page.
  at(kind, x, y) {
    const o = this.origin[kind];
    const k = this.scale[kind] || { x: 1, y: 1 };
    return { x: o.x + Math.round(x * k.x), y: o.y + Math.round(y * k.y) };
  }

  // The program handles an input event as the browser dispatches it and draws at the next
  // animation frame: two frames after the event, what it did at once is on the page.
  async drawn() {
    await this.page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  }

  // Until two screenshots in a row are the same: whatever the last event set moving has stopped.
  async settled(what = "the page to settle", timeoutMs = 20000) {
    let last = null;
    return this.until(what, (shot) => {
      const same = last !== null && last.equals(shot.raw);
      last = shot.raw;
      return same;
    }, timeoutMs);
  }

  // A press and a release a moment apart, as a hand makes them, then the frame that shows it.
  async click(kind, x, y) {
    const p = this.at(kind, x, y);
    await this.page.mouse.move(p.x, p.y);
    await this.page.mouse.down();
    await sleep(100);
    await this.page.mouse.up();
    await this.drawn();
  }

  async tap(kind, x, y) {
    const p = this.at(kind, x, y);
    await this.page.touchscreen.touchStart(p.x, p.y);
    await sleep(40);
    await this.page.touchscreen.touchEnd();
    await this.drawn();
  }

  async key(name, times = 1) {
    for (let i = 0; i < times; i++) {
      await this.page.keyboard.press(name, { delay: 30 });
      await this.drawn();
    }
  }

  // A pixel of a window's client area; a rectangle of it.
  pixel(shot, kind, x, y) {
    const p = this.at(kind, x, y);
    return shot.pixel(p.x, p.y);
  }
  has(shot, kind, colour, x, y, w, h) {
    return this.count(shot, kind, colour, x, y, w, h) > 0;
  }
  count(shot, kind, colour, x, y, w, h) {
    const p = this.at(kind, x, y);
    const k = this.scale[kind] || { x: 1, y: 1 };
    return shot.count(colour, p.x, p.y, Math.round(w * k.x), Math.round(h * k.y));
  }

  // What the page's policy refused so far (in WebKit, since the page had loaded: webkit.mjs).
  async refusedByPolicy() {
    return this.page.evaluate(() => window.bexaloRefusedByPolicy);
  }

  // The addresses the page has loaded or fetched, from its own list of resources.
  async loaded() {
    return this.page.evaluate(() => performance.getEntriesByType("resource").map((e) => e.name));
  }

  async close() {
    await this.context.close();
  }
}

// What Qt paints where no window is.
export const PAGE_BACKGROUND = "#333333";

// The bounding box of everything that is not the page's own background.
export function bbox(shot) {
  let x0 = Infinity, y0 = Infinity, x1 = -1, y1 = -1;
  for (let y = 0; y < shot.height; y += 1) {
    for (let x = 0; x < shot.width; x += 1) {
      if (shot.pixel(x, y) !== PAGE_BACKGROUND) {
        if (x < x0) x0 = x;
        if (x > x1) x1 = x;
        if (y < y0) y0 = y;
        if (y > y1) y1 = y;
      }
    }
  }
  return x1 < 0 ? null : { x: x0, y: y0, w: x1 - x0 + 1, h: y1 - y0 + 1 };
}

function centredAt(size, view) {
  return { x: Math.floor(view.width / 2) - Math.floor(size.w / 2), y: Math.floor(view.height / 2) - Math.floor(size.h / 2) };
}
