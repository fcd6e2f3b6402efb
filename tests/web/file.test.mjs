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
import { launch, Session, oneFile } from "./lib.mjs";
import { startWindow, openExercise, playRight, closeWindow, exitAndStartAgain } from "./play.mjs";

let browser;

before(async () => {
  assert.ok(existsSync(oneFile), `${oneFile} is built (./package-web)`);
  browser = await launch();
});

after(async () => {
  await browser?.close();
});

test("opened from the disk: an exercise reaches Esatto with the chime, Esci offers Ricomincia, no request leaves", async () => {
  const url = pathToFileURL(oneFile).href;
  const s = await Session.open(browser.browser, url, { offline: true });
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
    const kind = await openExercise(s, "picture", 1);
    const target = await playRight(s, kind);
    assert.equal(target.h, 0, "no hundreds at level 1");
    // The embedded chime passed the check and was started.
    await s.page.waitForFunction(() => window.bexaloSoundsStarted === 1 && window.bexaloSoundState === "ready",
      { timeout: 10000 });
    await closeWindow(s, kind);
    await exitAndStartAgain(s);
    assert.deepEqual(s.refused, [], "no request but for file:, data: and blob: addresses");
  } finally {
    await s.close();
  }
});
