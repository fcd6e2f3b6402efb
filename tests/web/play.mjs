// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A pupil's steps through bexalo's windows, shared by the tests of the site and of the one file.
import assert from "node:assert/strict";
import { SIZES } from "./lib.mjs";
import { START, OP1, WINDOWS, shows, face } from "./pupil.mjs";

// The start window in its place, its curtains open and still.
export async function startWindow(s) {
  await s.findStart();
  await s.until("the curtains to open", (shot) => s.pixel(shot, "start", 10, 300) === "#FFC0FF");
  await s.settled("the curtains to stop");
}

const kindOf = (direction) => (direction === "picture" ? "op1" : "op2");

// Chooses direction and level on the start window and "Vai", by mouse or by touch; waits for
// the exercise window's yellow counter buttons.
export async function openExercise(s, direction, level, how = "click") {
  await s[how]("start", ...START[direction]);
  await s[how]("start", ...START["level" + level]);
  await s[how]("start", ...START.vai);
  const kind = kindOf(direction);
  s.placeOf(kind);
  const ui = WINDOWS[kind].ui;
  await s.until(`${kind} to open`, (shot) => s.pixel(shot, kind, ...face(ui.plus.u)) === "#FFFF00");
  await s.settled(`${kind} to settle`);
  return kind;
}

// Reads the target, builds it with the "+" buttons and verifies; returns the target.
export async function playRight(s, kind, how = "click") {
  const { ui, read } = WINDOWS[kind];
  const target = read(s, await s.shot(`${kind}-target`));
  assert.ok(target.h + target.da + target.u > 0, `${kind} shows a number (${JSON.stringify(target)})`);
  for (const place of ["h", "da", "u"])
    for (let i = 0; i < target[place]; i++) await s[how](kind, ...ui.plus[place]);
  await s[how](kind, ...ui.verify);
  const shot = await s.until(`"Esatto" in ${kind}`, (sh) => shows(s, sh, kind, ui.esatte));
  if (kind === "op1") assert.ok(shows(s, shot, kind, OP1.corretto), "CORRETTO shown");
  assert.ok(!shows(s, shot, kind, ui.help), "no help offered after a right answer");
  return target;
}

// The close button at the right of a window's title bar; waits for the window to go.
export async function closeWindow(s, kind) {
  const o = s.origin[kind];
  await s.page.mouse.click(o.x + SIZES[kind].w - Math.round(s.titleHeight / 2), o.y - Math.round(s.titleHeight / 2));
  await s.until(`${kind} to close`, (shot) => s.pixel(shot, kind, ...face(WINDOWS[kind].ui.plus.u)) !== "#FFFF00");
}

// Nothing kept by the page: no cookie, nothing in local or session storage, IndexedDB or the
// cache storage (which a page from the disk does not have).
export async function assertNothingStored(s) {
  const cookies = await s.page.cookies();
  assert.deepEqual(cookies, [], "no cookies");
  const stored = await s.page.evaluate(async () => ({
    local: localStorage.length,
    session: sessionStorage.length,
    indexedDB: (await indexedDB.databases()).length,
    caches: typeof caches === "undefined" ? 0 : (await caches.keys()).length,
  }));
  assert.deepEqual(stored, { local: 0, session: 0, indexedDB: 0, caches: 0 });
}

// "Esci" on the start window: the page's end message in Italian, nothing stored, and
// "Ricomincia" loading the same page again up to its start window.
export async function exitAndStartAgain(s) {
  const url = s.page.url();
  await s.click("start", ...START.esci);
  await s.page.waitForSelector("#fine:not([hidden])", { timeout: 10000 });
  assert.match(await s.page.$eval("#fine", (e) => e.textContent), /bexalo è terminato/);
  assert.equal(await s.page.$eval("#schermo", (e) => e.hidden), true, "the frozen picture is gone");
  await assertNothingStored(s);
  await Promise.all([s.page.waitForNavigation(), s.page.click("#ricomincia")]);
  assert.equal(s.page.url(), url, "Ricomincia loads the same page again");
  await startWindow(s);
  await assertNothingStored(s);
}
