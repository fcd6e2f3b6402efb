// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Times navigation to first frame for two sites in turn (see web-bench.sh), first as served here,
// then over an emulated school connection, once from a server that sends gzip only and once from
// one that sends brotli. Prints a line per round for web-bench.sh, which works out the figures:
// label, encodings the .wasm came in, bexalo's times and the baseline's (ms), apart by tabs.
import { serve, launch } from "../tests/web/lib.mjs";

const [bexaloSite, baselineSite, runsText] = process.argv.slice(2);
const runs = Number(runsText || 9);

// A school's connection, as DevTools emulates it: 10 Mbit/s down, 40 ms latency, no cache.
const SCHOOL = { download: 10e6 / 8, upload: 10e6 / 8, latency: 40 };

async function firstFrame(browser, url, network) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  if (network) {
    await page.setCacheEnabled(false);
    await page.emulateNetworkConditions(network);
  }
  let encoding;
  page.on("response", (r) => {
    if (r.url().endsWith(".wasm")) encoding = r.headers()["content-encoding"] || "none";
  });
  await page.evaluateOnNewDocument(() => {
    window.bexaloFirstDraw = 0;
    for (const proto of [WebGLRenderingContext.prototype, WebGL2RenderingContext.prototype]) {
      for (const name of ["drawArrays", "drawElements"]) {
        const original = proto[name];
        proto[name] = function (...args) {
          if (!window.bexaloFirstDraw) window.bexaloFirstDraw = performance.now();
          return original.apply(this, args);
        };
      }
    }
  });
  await page.goto(url);
  await page.waitForFunction(() => window.bexaloFirstDraw > 0, { timeout: 60000, polling: 10 });
  const ms = await page.evaluate(() => window.bexaloFirstDraw);
  await context.close();
  return { ms, encoding };
}

// Both sites, loaded in turn from the servers started with `options`.
async function measure(browser, label, options, network) {
  const servers = [await serve(bexaloSite, options), await serve(baselineSite, options)];
  const times = [[], []];
  const encodings = new Set();
  try {
    for (let i = 0; i < runs; i++) {
      for (const k of [0, 1]) {
        const { ms, encoding } = await firstFrame(browser, servers[k].url, network);
        times[k].push(ms);
        encodings.add(encoding);
      }
    }
  } finally {
    servers.forEach((s) => s.close());
  }
  const ms = (ts) => ts.map((t) => t.toFixed(0)).join(" ");
  console.log([label, [...encodings].join(", "), ms(times[0]), ms(times[1])].join("\t"));
}

const chromium = await launch("chromium");
try {
  const warm = await serve(baselineSite);
  await firstFrame(chromium.browser, warm.url); // warm-up of the browser itself
  warm.close();
  await measure(chromium.browser, "local server (goal: ratio 1.15 or less)", [], null);
  await measure(chromium.browser, "10 Mbit/s, 40 ms, gzip", ["--gzip-only"], SCHOOL);
  await measure(chromium.browser, "10 Mbit/s, 40 ms, brotli", [], SCHOOL);
} finally {
  await chromium.close();
}
