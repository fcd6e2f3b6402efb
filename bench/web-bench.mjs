// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Times navigation to first frame for two sites in turn (see web-bench.sh) and prints medians.
import { serve, launch } from "../tests/web/lib.mjs";

const [bexaloSite, baselineSite, runsText] = process.argv.slice(2);
const runs = Number(runsText || 9);

async function firstFrame(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1280, height: 900 });
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
  await page.waitForFunction(() => window.bexaloFirstDraw > 0, { timeout: 30000, polling: 10 });
  const ms = await page.evaluate(() => window.bexaloFirstDraw);
  await context.close();
  return ms;
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const servers = [await serve(bexaloSite), await serve(baselineSite)];
const chromium = await launch();
const times = [[], []];
try {
  await firstFrame(chromium.browser, servers[0].url); // warm-up of the browser itself
  for (let i = 0; i < runs; i++)
    for (const k of [0, 1]) times[k].push(await firstFrame(chromium.browser, servers[k].url));
} finally {
  await chromium.close();
  servers.forEach((s) => s.close());
}
const [b, e] = times.map(median);
console.log(`first frame: bexalo ${b.toFixed(0)} ms, empty Qt window ${e.toFixed(0)} ms, ` +
  `ratio ${(b / e).toFixed(2)} (goal: 1.15 or less; median of ${runs})`);
console.log(`  all runs: bexalo ${times[0].map((t) => t.toFixed(0)).join(" ")}; ` +
  `baseline ${times[1].map((t) => t.toFixed(0)).join(" ")}`);
