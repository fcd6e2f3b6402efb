// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The one file, build-web/bexalo.html, opened from the disk as a teacher opens it with a
// double-click: it plays as the site does, chime and "Esci" included, and asks the network for
// nothing (every request for an address that is not file:, data: or blob: is refused and fails
// the test).
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { existsSync } from "node:fs";
import { pathToFileURL } from "node:url";
import { launch, Session, SIZES, oneFile } from "./lib.mjs";
import { START, OP1, shows, face, readPictures } from "./pupil.mjs";

let chromium;

before(async () => {
  assert.ok(existsSync(oneFile), `${oneFile} is built (./package-web)`);
  chromium = await launch();
});

after(async () => {
  await chromium?.close();
});

// The start window in its place with both curtains open.
async function startWindow(s) {
  await s.findStart();
  await s.until("the curtains to open", (shot) =>
    s.pixel(shot, "start", 10, 300) === "#FFC0FF" && s.pixel(shot, "start", SIZES.start.w - 10, 300) === "#FFC0FF");
}

async function nothingStored(s) {
  assert.deepEqual(await s.page.cookies(), [], "no cookies");
  const stored = await s.page.evaluate(async () => ({
    local: localStorage.length,
    session: sessionStorage.length,
    indexedDB: (await indexedDB.databases()).length,
  }));
  assert.deepEqual(stored, { local: 0, session: 0, indexedDB: 0 });
}

test("opened from the disk: an exercise reaches Esatto with the chime, Esci offers Ricomincia, no request leaves", async () => {
  const url = pathToFileURL(oneFile).href;
  const s = await Session.open(chromium.browser, url, { offline: true });
  try {
    const page = await s.page.evaluate(() => ({
      lang: document.documentElement.lang,
      translate: document.documentElement.getAttribute("translate"),
      google: document.querySelector('meta[name="google"]')?.content,
      title: document.title,
    }));
    assert.deepEqual(page, { lang: "it", translate: "no", google: "notranslate", title: "Bexalo" });
    await startWindow(s);

    // From the picture to the abacus, tens and units: the number built with "+", then verified.
    for (const choice of [START.picture, START.level1, START.vai]) await s.click("start", ...choice);
    s.placeOf("op1");
    await s.until("op1 to open", (shot) => s.pixel(shot, "op1", ...face(OP1.plus.u)) === "#FFFF00");
    const target = readPictures(s, await s.shot("file-op1-target"));
    assert.ok(target.da + target.u > 0 && target.h === 0, `a number of tens and units (${JSON.stringify(target)})`);
    for (const place of ["da", "u"])
      for (let i = 0; i < target[place]; i++) await s.click("op1", ...OP1.plus[place]);
    await s.click("op1", ...OP1.verify);
    await s.until('"Esatto" in op1', (shot) => shows(s, shot, "op1", OP1.esatte) && shows(s, shot, "op1", OP1.corretto));
    // The embedded chime passed the check and was started.
    await s.page.waitForFunction(() => window.bexaloSoundsStarted === 1 && window.bexaloSoundState === "ready",
      { timeout: 10000 });

    // Closed with the cross at the right of its title bar.
    const o = s.origin.op1;
    await s.page.mouse.click(o.x + SIZES.op1.w - Math.round(s.titleHeight / 2), o.y - Math.round(s.titleHeight / 2));
    await s.until("op1 to close", (shot) => s.pixel(shot, "op1", ...face(OP1.plus.u)) !== "#FFFF00");
    await s.click("start", ...START.esci);
    await s.page.waitForSelector("#fine:not([hidden])", { timeout: 10000 });
    assert.match(await s.page.$eval("#fine", (e) => e.textContent), /bexalo è terminato/);
    await nothingStored(s);
    await Promise.all([s.page.waitForNavigation(), s.page.click("#ricomincia")]);
    assert.equal(s.page.url(), url, "Ricomincia loads the same file again");
    await startWindow(s);
    await nothingStored(s);
    assert.deepEqual(s.refused, [], "no request but for file:, data: and blob: addresses");
  } finally {
    await s.close();
  }
});
