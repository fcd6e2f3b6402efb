// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The timed part of web-bench.sh, on the copies of the pages it makes with bench/web-probe.js in
// them. Prints one line per figure for web-bench.sh, which works out the medians: a label, then
// fields apart by tabs.
//   start  ENGINE  the one file's and the site's times from navigation to first frame (ms):
//                  the file from the disk, the site from scripts/serve-web.py, in turn
//   round  LABEL ENCODINGS  bexalo's site and the empty window's (Chromium, three rounds: as
//                  served here, and over an emulated school connection with gzip and brotli;
//                  none when the empty window's site is given as "")
//   heap   START PEAK EXERCISES  the program's memory (bytes) at the start window and after a
//                  long play in Chromium
import { pathToFileURL } from "node:url";
import { serve, launch, Session } from "../tests/web/lib.mjs";
import { startWindow, openExercise, playRight, closeWindow } from "../tests/web/play.mjs";

const [bexaloSite, baselineSite, oneFile, runsText, roundsText] = process.argv.slice(2);
const runs = Number(runsText || 9);
const rounds = Number(roundsText || 5);

// A school's connection, as DevTools emulates it: 10 Mbit/s down, 40 ms latency, no cache.
const SCHOOL = { download: 10e6 / 8, upload: 10e6 / 8, latency: 40 };

async function firstFrame(browser, url, network) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  let encoding = "none";
  if (network) {
    await page.setCacheEnabled(false);
    await page.emulateNetworkConditions(network);
    page.on("response", (r) => {
      if (r.url().endsWith(".wasm")) encoding = r.headers()["content-encoding"] || "none";
    });
  }
  await page.goto(url);
  await page.waitForFunction(() => window.bexaloFirstDraw > 0, { timeout: 60000, polling: 10 });
  const ms = await page.evaluate(() => window.bexaloFirstDraw);
  await context.close();
  return { ms, encoding };
}

const ms = (ts) => ts.map((t) => t.toFixed(0)).join(" ");

// Two addresses loaded in turn, `runs` times each, after one load of the first to warm the
// browser itself up.
async function alternate(browser, urls, network) {
  const times = urls.map(() => []);
  const encodings = new Set();
  await firstFrame(browser, urls[0], network);
  for (let i = 0; i < runs; i++) {
    for (const [k, url] of urls.entries()) {
      const { ms: t, encoding } = await firstFrame(browser, url, network);
      times[k].push(t);
      encodings.add(encoding);
    }
  }
  return { times, encodings: [...encodings].join(", ") };
}

// A long play: every direction at every level, `rounds` times over, each exercise window
// opened, played to "Esatto" and closed.
async function heap(browser, url) {
  const s = await Session.open(browser, url);
  await startWindow(s);
  const start = await s.page.evaluate(() => window.bexaloHeapBytes());
  let exercises = 0;
  for (let r = 0; r < rounds; r++) {
    for (const [direction, level] of [["picture", 1], ["picture", 2], ["abacus", 1], ["abacus", 2]]) {
      const kind = await openExercise(s, direction, level);
      await playRight(s, kind);
      await closeWindow(s, kind);
      exercises++;
    }
  }
  const peak = await s.page.evaluate(() => window.bexaloHeapBytes());
  await s.close();
  return [start, peak, exercises];
}

const site = await serve(bexaloSite);
const file = pathToFileURL(oneFile).href;
try {
  for (const engine of (process.env.BEXALO_BROWSERS || "chromium firefox webkit").split(/\s+/)) {
    const browser = await launch(engine);
    try {
      const { times } = await alternate(browser.browser, [file, site.url]);
      console.log(["start", engine, ms(times[0]), ms(times[1])].join("\t"));
      if (engine !== "chromium") continue;
      for (const [label, options, network] of !baselineSite ? [] : [
        ["local server (goal: ratio 1.15 or less)", [], null],
        ["10 Mbit/s, 40 ms, gzip", ["--gzip-only"], SCHOOL],
        ["10 Mbit/s, 40 ms, brotli", [], SCHOOL],
      ]) {
        const servers = [await serve(bexaloSite, options), await serve(baselineSite, options)];
        try {
          const { times: t, encodings } = await alternate(browser.browser, servers.map((s) => s.url), network);
          console.log(["round", label, encodings, ms(t[0]), ms(t[1])].join("\t"));
        } finally {
          servers.forEach((s) => s.close());
        }
      }
      if (rounds > 0) console.log(["heap", ...(await heap(browser.browser, site.url))].join("\t"));
    } finally {
      await browser.close();
    }
  }
} finally {
  site.close();
}
