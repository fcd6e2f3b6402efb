// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The teacher's guide as each release carries it, opened in Chromium: an Italian page whose
// style and every picture load from the page itself, that asks nothing of any other address,
// raises no refusal of its security policy, and whose every link leads somewhere: a section
// link to an id of the page, any other only to an address listed below as one the guide means
// to name. BEXALO_GUIDES lists the guides, one a line: a guida.html, opened from the disk as a
// double-click opens it, or a site's folder, served as a school's server serves it (with the
// site's policy) and its guida.html opened there. scripts/test-guide.sh feeds it from each
// package.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { existsSync, readFileSync, statSync } from "node:fs";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launch, serve, root } from "./lib.mjs";

// Addresses outside the page that the guide names on purpose (none yet).
const OUTSIDE = [];

const guides = (process.env.BEXALO_GUIDES || "").split("\n").filter(Boolean);
// The pictures the guide's source shows, each of which the page must show.
const pictures = (readFileSync(path.join(root, "docs/GUIDA.md"), "utf8").match(/!\[[^\]]*\]\([^)]+\)/g) || []).length;

let browser;
before(async () => {
  assert.ok(guides.length > 0, "BEXALO_GUIDES names the guides to open");
  browser = await launch("chromium");
});
after(async () => {
  await browser?.close();
});

async function open(guide) {
  if (!statSync(guide).isDirectory()) return { url: pathToFileURL(guide).href, close: () => {} };
  const server = await serve(guide);
  return { url: new URL("guida.html", server.url).href, close: server.close };
}

for (const guide of guides) {
  test(`the guide ${guide}: Italian, its style and pictures inside it, no request out, every link resolves`, async () => {
    assert.ok(existsSync(guide), `${guide} is there`);
    const { url, close } = await open(guide);
    const page = await browser.browser.newPage();
    const outside = [];
    try {
      await page.setRequestInterception(true);
      page.on("request", (request) => {
        const address = request.url();
        if (address === url || address.startsWith("data:")) return request.continue();
        outside.push(address);
        return request.abort();
      });
      await page.evaluateOnNewDocument(() => {
        window.refused = [];
        document.addEventListener("securitypolicyviolation", (e) => window.refused.push(`${e.violatedDirective} ${e.blockedURI}`));
      });
      const response = await page.goto(url, { waitUntil: "load" });
      if (!url.startsWith("file:")) assert.equal(response.status(), 200, `${url} is served`);
      const seen = await page.evaluate(() => ({
        lang: document.documentElement.lang,
        charset: document.characterSet,
        title: document.title,
        // The inline style took effect: the text column is narrowed.
        styled: getComputedStyle(document.body).maxWidth !== "none",
        pictures: [...document.images].map((i) => ({ src: i.src.slice(0, 30), complete: i.complete, width: i.naturalWidth })),
        links: [...document.querySelectorAll("a[href]")].map((a) => a.getAttribute("href")),
        ids: [...document.querySelectorAll("[id]")].map((e) => e.id),
        refused: window.refused,
      }));
      assert.deepEqual({ lang: seen.lang, charset: seen.charset }, { lang: "it", charset: "UTF-8" });
      assert.match(seen.title, /guida per l'insegnante/);
      assert.ok(seen.styled, "the page's own style is applied");
      assert.equal(seen.pictures.length, pictures, "every picture of docs/GUIDA.md is in the page");
      for (const p of seen.pictures) {
        assert.ok(p.src.startsWith("data:image/"), `a picture inside the page: ${p.src}`);
        assert.ok(p.complete && p.width > 0, `the picture ${p.src}... loads`);
      }
      assert.ok(seen.links.length > 0, "the page links its sections");
      for (const link of seen.links) {
        if (link.startsWith("#")) assert.ok(seen.ids.includes(decodeURIComponent(link.slice(1))), `the link ${link} leads to an id of the page`);
        else assert.ok(OUTSIDE.includes(link), `the link ${link} leaves the page and is not one the guide means to name`);
      }
      assert.deepEqual(seen.refused, [], "the security policy refuses nothing");
      assert.deepEqual(outside, [], "no request leaves the page");
    } finally {
      await page.close();
      close();
    }
  });
}
