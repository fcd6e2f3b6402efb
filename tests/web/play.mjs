// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A pupil's steps through bexalo's windows, shared by the tests of the site and of the one file.
import assert from "node:assert/strict";
import http from "node:http";
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

// The page's Content-Security-Policy at work: a live server on 127.0.0.1 that counts what
// reaches it, and the page asked for a fetch and an image from it; the browser refuses both
// (the policy's violation events fire) and the server sees nothing. No request is intercepted
// by the test.
export async function assertPolicyStops(s) {
  let hits = 0;
  const server = http.createServer((request, response) => {
    hits++;
    response.end("bexalo");
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const base = `http://127.0.0.1:${server.address().port}/`;
  try {
    assert.equal(await (await fetch(base + "live")).text(), "bexalo", "the server answers");
    hits = 0;
    const seen = await s.page.evaluate(async (base) => {
      const before = window.bexaloRefusedByPolicy.length;
      const fetched = await fetch(base + "fetch").then(() => "answered", () => "refused");
      const image = await new Promise((resolve) => {
        const img = new Image();
        img.onload = () => resolve("loaded");
        img.onerror = () => resolve("refused");
        img.src = base + "image.png";
      });
      // The violation events come as tasks of their own.
      const end = performance.now() + 5000;
      while (window.bexaloRefusedByPolicy.length < before + 2 && performance.now() < end)
        await new Promise((resolve) => setTimeout(resolve, 50));
      return { fetched, image, refused: window.bexaloRefusedByPolicy.slice(before).sort() };
    }, base);
    assert.equal(seen.fetched, "refused", "the fetch is refused");
    assert.equal(seen.image, "refused", "the image is refused");
    assert.equal(seen.refused.length, 2, `two refusals by the policy: ${seen.refused}`);
    assert.ok(seen.refused[0].startsWith(`connect-src ${base.slice(0, -1)}`), seen.refused[0]);
    assert.ok(seen.refused[1].startsWith(`img-src ${base.slice(0, -1)}`), seen.refused[1]);
    assert.equal(hits, 0, "nothing reached the server");
  } finally {
    server.close();
  }
}

// The most memory a WebAssembly module may grow to (bytes; null when unbounded), from its
// memory section, or from its import of a memory.
export function wasmMemoryLimit(bytes) {
  let at = 8;
  const u32 = () => {
    let value = 0, shift = 0, byte;
    do {
      byte = bytes[at++];
      value += (byte & 0x7f) * 2 ** shift;
      shift += 7;
    } while (byte & 0x80);
    return value;
  };
  const limits = () => {
    const flags = u32();
    const minimum = u32();
    return { minimum: minimum * 65536, maximum: flags & 1 ? u32() * 65536 : null };
  };
  while (at < bytes.length) {
    const id = bytes[at++];
    const size = u32();
    const end = at + size;
    if (id === 5 && u32() > 0) return limits();
    if (id === 2) {
      for (let n = u32(); n > 0; n--) {
        at += u32(); // module name
        at += u32(); // field name
        const kind = bytes[at++];
        if (kind === 2) return limits();
        if (kind === 0) u32(); // a function's type
        else if (kind === 1) { at++; limits(); } // a table
        else if (kind === 3) at += 2; // a global
        else throw new Error("unknown import kind " + kind);
      }
    }
    at = end;
  }
  throw new Error("the module has no memory");
}
