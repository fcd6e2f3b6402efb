// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What the browser tests share: the site served on 127.0.0.1, Debian's Chromium driven through
// its DevTools protocol, screenshots read pixel by pixel, and the windows of bexalo found in the
// page. Window coordinates are the client pixels of the desktop end-to-end tests.
import { execFileSync, spawn } from "node:child_process";
import { existsSync, mkdtempSync, rmSync, writeFileSync, mkdirSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { setTimeout as sleep } from "node:timers/promises";
import puppeteer from "puppeteer-core";
import { PNG } from "pngjs";

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

// Debian's Chromium, headless, with a profile of its own that is thrown away afterwards.
export async function launch(extraArgs = []) {
  const profile = mkdtempSync(path.join(tmpdir(), "bexalo-chromium-"));
  const browser = await puppeteer.launch({
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
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return { browser, close };
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
  static async open(browser, url, { touch = false, offline = false } = {}) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const refused = [];
    if (offline) {
      await page.setRequestInterception(true);
      page.on("request", (r) => {
        if (OFFLINE.test(r.url())) return r.continue();
        refused.push(r.url());
        return r.abort("blockedbyclient");
      });
    }
    await page.setViewport({ ...VIEW, hasTouch: touch });
    await page.evaluateOnNewDocument(() => {
      window.bexaloSoundsStarted = 0;
      const start = AudioBufferSourceNode.prototype.start;
      AudioBufferSourceNode.prototype.start = function (...args) {
        window.bexaloSoundsStarted++;
        return start.apply(this, args);
      };
    });
    const s = new Session(page, context, url);
    s.refused = refused;
    await page.goto(url, { waitUntil: "load" });
    return s;
  }

  constructor(page, context, url) {
    this.page = page;
    this.context = context;
    this.url = url;
    this.origin = {};
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
    // Its place is taken once it has the start window's size and stays put between two looks.
    let last = "";
    const shot = await this.until("the start window in its place", (s) => {
      const b = bbox(s);
      const fits = b && b.w >= SIZES.start.w && b.w <= SIZES.start.w + 20 && b.h >= SIZES.start.h + 10
        && b.h <= SIZES.start.h + 60;
      const key = JSON.stringify(b);
      const stable = fits && key === last;
      last = key;
      return stable;
    });
    const box = bbox(shot);
    const border = Math.round((box.w - SIZES.start.w) / 2);
    const client = { x: box.x + border, y: box.y + box.h - border - SIZES.start.h };
    const centred = centredAt(SIZES.start);
    this.offset = { x: client.x - centred.x, y: client.y - centred.y };
    this.border = border;
    this.titleHeight = client.y - box.y;
    this.origin.start = client;
    return client;
  }

  // The client origin of an exercise window just opened (it is centred like the start window).
  placeOf(kind) {
    const c = centredAt(SIZES[kind]);
    this.origin[kind] = { x: c.x + this.offset.x, y: c.y + this.offset.y };
    return this.origin[kind];
  }

  at(kind, x, y) {
    const o = this.origin[kind];
    return { x: o.x + x, y: o.y + y };
  }

  // A press and a release a moment apart, as a hand makes them, then time for the program.
  async click(kind, x, y) {
    const p = this.at(kind, x, y);
    await this.page.mouse.move(p.x, p.y);
    await sleep(100);
    await this.page.mouse.down();
    await sleep(100);
    await this.page.mouse.up();
    await sleep(150);
  }

  async tap(kind, x, y) {
    const p = this.at(kind, x, y);
    await this.page.touchscreen.touchStart(p.x, p.y);
    await sleep(40);
    await this.page.touchscreen.touchEnd();
    await sleep(150);
  }

  async key(name, times = 1) {
    for (let i = 0; i < times; i++) {
      await this.page.keyboard.press(name, { delay: 30 });
      await sleep(100);
    }
  }

  // A pixel of a window's client area; a rectangle of it.
  pixel(shot, kind, x, y) {
    const p = this.at(kind, x, y);
    return shot.pixel(p.x, p.y);
  }
  has(shot, kind, colour, x, y, w, h) {
    const p = this.at(kind, x, y);
    return shot.has(colour, p.x, p.y, w, h);
  }
  count(shot, kind, colour, x, y, w, h) {
    const p = this.at(kind, x, y);
    return shot.count(colour, p.x, p.y, w, h);
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

function centredAt(size) {
  return { x: Math.floor(VIEW.width / 2) - Math.floor(size.w / 2), y: Math.floor(VIEW.height / 2) - Math.floor(size.h / 2) };
}
