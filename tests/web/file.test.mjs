// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The one file, build-web/bexalo.html, opened from the disk as a teacher opens it with a
// double-click: it plays as the site does, chime and "Esci" included, and asks the network for
// nothing. Its own Content-Security-Policy forbids it any address: a whole play raises no
// refusal, and a request it is made to send is refused by the browser. Besides, in Chromium and
// Firefox every request for an address that is not file:, data: or blob: is refused by the test
// and fails it; WebKit's WebDriver cannot watch requests, so there the page's own list of what it
// loaded is read instead.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { existsSync, readFileSync, statSync } from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { launch, Session, oneFile, site, BROWSER } from "./lib.mjs";
import { startWindow, openExercise, playRight, closeWindow, exitAndStartAgain, assertPolicyStops } from "./play.mjs";

let browser;

before(async () => {
  assert.ok(existsSync(oneFile), `${oneFile} is built (./package-web)`);
  browser = await launch(BROWSER);
});

after(async () => {
  await browser?.close();
});

// What a teacher copies or mails: the one file stays within 5.0 MB, the program inside it gzipped.
test("the one file is at most 5.0 MB", () => {
  const size = statSync(oneFile).size;
  assert.ok(size <= 5_000_000, `${oneFile} is ${(size / 1e6).toFixed(2)} MB`);
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
    // The page links the teacher's guide, which lies beside the one file.
    const guide = fileURLToPath(await s.page.evaluate(() => document.querySelector("#caricamento a").href));
    assert.equal(guide, path.join(path.dirname(oneFile), "guida.html"));
    assert.ok(existsSync(guide), `${guide} lies beside the one file`);
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
    assert.deepEqual((await s.loaded()).filter((name) => !/^(file|data|blob):/.test(name)), [],
      "nothing loaded but from file:, data: and blob: addresses");
    assert.deepEqual(await s.refusedByPolicy(), [], "nothing refused by the page's policy");
  } finally {
    await s.close();
  }
});

test("its policy comes first in its head, allows no address, and refuses a fetch and an image to a live server", async () => {
  const page = readFileSync(oneFile, "utf8");
  const head = /<head>\n<meta http-equiv="Content-Security-Policy" content="([^"]+)">\n/.exec(page);
  assert.ok(head, "the policy is the head's first element");
  const policy = head[1];
  assert.match(policy, /^default-src 'none'; script-src ('sha256-[A-Za-z0-9+/=]+' )+'wasm-unsafe-eval'; /);
  assert.doesNotMatch(policy, /'unsafe-eval'|'unsafe-inline'|'self'|https?:|\*/);
  const s = await Session.open(browser.browser, pathToFileURL(oneFile).href);
  try {
    await startWindow(s);
    await assertPolicyStops(s);
  } finally {
    await s.close();
  }
});

test("it carries the program compressed, and a browser without DecompressionStream says so in Italian", async () => {
  assert.ok(statSync(oneFile).size < statSync(`${site}/bexalo.wasm`).size, "smaller than the program it carries");
  // Scripts run before the page's own only where puppeteer drives the browser (webkit.mjs).
  if (BROWSER === "webkit") return;
  const s = await Session.open(browser.browser, pathToFileURL(oneFile).href, {
    before: () => { delete window.DecompressionStream; },
  });
  try {
    await s.page.waitForSelector("#errore:not([hidden])", { timeout: 10000 });
    assert.match(await s.page.$eval("#errore", (e) => e.textContent),
      /bexalo non si può avviare in questo browser \(serve una versione più recente: aggiornate il browser/);
  } finally {
    await s.close();
  }
});
