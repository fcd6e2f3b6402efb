// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Debian's WebKitGTK, Safari's engine, for the browser tests: WebKitWebDriver drives its
// MiniBrowser over W3C WebDriver (HTTP and JSON), and this file gives the tests the part of
// puppeteer's browser, context and page they use, on top of it. Puppeteer itself drives only
// Chromium and Firefox; the W3C clients on npm that drive all three (selenium-webdriver,
// WebdriverIO) drive Firefox only through geckodriver, which Debian 12 does not package.
//
// Each browser context is one WebDriver session, that is one MiniBrowser of its own with an
// ephemeral profile (its automation mode keeps nothing). What classic WebDriver cannot do is not
// offered, and the tests check it otherwise or only in the other two engines: watching or
// refusing the page's requests, scripts run before the page's own (evaluateOnNewDocument runs
// them once the page has loaded), DevTools sessions, network emulation; and touch events (below).
import { spawn } from "node:child_process";
import { createServer } from "node:net";
import { setTimeout as sleep } from "node:timers/promises";

const MINIBROWSER = process.env.BEXALO_MINIBROWSER || "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";

// WebDriver's code points for the keys the tests press by name.
const KEYS = { Enter: "\uE007", Tab: "\uE004", Shift: "\uE008", Escape: "\uE00C", Backspace: "\uE003" };
const key = (name) => KEYS[name] || name;

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// WebKitWebDriver on a free port of 127.0.0.1, drawing on `display`.
export async function launchWebKit(display) {
  const port = await freePort();
  // One session at a time: a new one replaces one a failed test left open.
  const driver = spawn(process.env.BEXALO_WEBKITDRIVER || "WebKitWebDriver", [`--port=${port}`, "--replace-on-new-session"], {
    stdio: ["ignore", "ignore", "inherit"],
    env: { ...process.env, DISPLAY: display },
  });
  const base = `http://127.0.0.1:${port}`;
  const end = performance.now() + 20000;
  for (;;) {
    try {
      const status = await (await fetch(base + "/status")).json();
      if (status.value?.ready !== undefined) break;
    } catch (e) {
      if (performance.now() > end || driver.exitCode !== null) throw new Error("WebKitWebDriver did not start: " + e);
    }
    await sleep(50);
  }
  return new WebKitBrowser(base, driver);
}

class WebKitBrowser {
  constructor(base, driver) {
    this.base = base;
    this.driver = driver;
    this.contexts = new Set();
  }

  async createBrowserContext() {
    const context = new WebKitContext(this);
    this.contexts.add(context);
    return context;
  }

  async close() {
    for (const c of [...this.contexts]) await c.close();
    this.driver.kill();
  }
}

class WebKitContext {
  constructor(browser) {
    this.browser = browser;
    this.page = null;
  }

  async newPage() {
    const answer = await request(this.browser.base, "POST", "/session", {
      capabilities: { alwaysMatch: { "webkitgtk:browserOptions": { binary: MINIBROWSER, args: ["--automation"] } } },
    });
    this.page = new WebKitPage(`${this.browser.base}/session/${answer.sessionId}`);
    return this.page;
  }

  async close() {
    this.browser.contexts.delete(this);
    if (this.page) await request(this.page.session, "DELETE", "");
    this.page = null;
  }
}

async function request(base, method, path, body) {
  const response = await fetch(base + path, {
    method,
    headers: { "Content-Type": "application/json; charset=utf-8" },
    body: body === undefined ? undefined : JSON.stringify(body),
  });
  const answer = await response.json();
  if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${answer.value?.error}: ${answer.value?.message}`);
  return answer.value;
}

// The text of a function to call in the page with the arguments that follow it.
const source = (fn) => (typeof fn === "function" ? fn.toString() : `() => (${fn})`);

class WebKitPage {
  constructor(session) {
    this.session = session;
    this.queue = Promise.resolve();
    this.address = "about:blank";
    this.initScripts = [];
    this.view = null;
    this.hasTouch = false;
    const perform = (actions) => this.command("POST", "/actions", { actions });
    const mouse = (...steps) => perform([{ type: "pointer", id: "mouse", parameters: { pointerType: "mouse" }, actions: steps }]);
    const at = (x, y) => ({ type: "pointerMove", origin: "viewport", x: Math.round(x), y: Math.round(y), duration: 0 });
    this.mousePlace = { x: 0, y: 0 };
    this.mouse = {
      move: async (x, y, { steps = 1 } = {}) => {
        const from = this.mousePlace;
        const moves = [];
        for (let i = 1; i <= steps; i++) moves.push(at(from.x + ((x - from.x) * i) / steps, from.y + ((y - from.y) * i) / steps));
        this.mousePlace = { x, y };
        await mouse(...moves);
      },
      down: () => mouse({ type: "pointerDown", button: 0 }),
      up: () => mouse({ type: "pointerUp", button: 0 }),
      click: async (x, y) => {
        this.mousePlace = { x, y };
        await mouse(at(x, y), { type: "pointerDown", button: 0 }, { type: "pause", duration: 50 }, { type: "pointerUp", button: 0 });
      },
    };
    // WebKitGTK's WebDriver turns a touch action into mouse events where the X server has no
    // touch screen (Xvfb has none), and its page has no Touch constructor to make touch events
    // with: so in WebKit a tap reaches the program as the mouse events a tap ends in.
    const finger = (...steps) => perform([{ type: "pointer", id: "finger", parameters: { pointerType: "touch" }, actions: steps }]);
    this.touchscreen = {
      touchStart: (x, y) => finger(at(x, y), { type: "pointerDown", button: 0 }),
      touchEnd: () => finger({ type: "pointerUp", button: 0 }),
    };
    const keys = (...steps) => perform([{ type: "key", id: "keyboard", actions: steps }]);
    this.keyboard = {
      down: (name) => keys({ type: "keyDown", value: key(name) }),
      up: (name) => keys({ type: "keyUp", value: key(name) }),
      press: (name, { delay = 0 } = {}) =>
        keys({ type: "keyDown", value: key(name) }, { type: "pause", duration: delay }, { type: "keyUp", value: key(name) }),
    };
  }

  // The driver's commands, sent one after another in the order they were called (a click that
  // leaves the page waits behind the mark that waitForNavigation sets first).
  command(method, path, body) {
    const answer = this.queue.then(() => request(this.session, method, path, body));
    this.queue = answer.catch(() => {});
    return answer;
  }

  async goto(url) {
    await this.command("POST", "/url", { url });
    await this.afterLoad();
  }

  async afterLoad() {
    this.address = await this.command("GET", "/url");
    for (const [fn, args] of this.initScripts) await this.evaluate(fn, ...args);
  }

  async evaluateOnNewDocument(fn, ...args) {
    this.initScripts.push([fn, args]);
  }

  // Calls fn in the page (awaiting what it returns), through WebDriver's asynchronous script.
  async evaluate(fn, ...args) {
    return this.call(source(fn), args);
  }

  // Calls the function whose text is `fn` in the page with `args`.
  async call(fn, args) {
    const script = `const done = arguments[arguments.length - 1];
      Promise.resolve().then(() => (${fn})(...Array.prototype.slice.call(arguments, 0, -1)))
        .then((v) => done({ value: v === undefined ? null : v }), (e) => done({ error: String(e && e.stack || e) }));`;
    const answer = await this.command("POST", "/execute/async", { script, args });
    if (answer && answer.error !== undefined) throw new Error("in the page: " + answer.error);
    return answer?.value;
  }

  async $eval(selector, fn) {
    return this.call(`(selector) => (${source(fn)})(document.querySelector(selector))`, [selector]);
  }

  // Polls fn until it returns something true; while a page is being left for another, a call may
  // fail, and is made again.
  async waitForFunction(fn, { timeout = 30000, polling = 100 } = {}, ...args) {
    const end = performance.now() + timeout;
    for (;;) {
      let value, error;
      try {
        value = await this.evaluate(fn, ...args);
      } catch (e) {
        error = e;
      }
      if (value) return value;
      if (performance.now() > end) throw new Error("timed out waiting for " + source(fn) + (error ? ": " + error : ""));
      await sleep(typeof polling === "number" ? polling : 100);
    }
  }

  async waitForSelector(selector, options) {
    return this.waitForFunction((s) => !!document.querySelector(s), options, selector);
  }

  // Until the page has been left for another that has loaded (a mark set in the page now is gone).
  async waitForNavigation({ timeout = 30000 } = {}) {
    await this.evaluate(() => { window.bexaloLeaving = true; });
    await this.waitForFunction(() => !window.bexaloLeaving && document.readyState === "complete", { timeout });
    await this.afterLoad();
  }

  async click(selector) {
    const element = await this.command("POST", "/element", { using: "css selector", value: selector });
    await this.command("POST", `/element/${Object.values(element)[0]}/click`, {});
  }

  async title() { return this.command("GET", "/title"); }
  url() { return this.address; }
  async cookies() { return this.command("GET", "/cookie"); }

  async screenshot() {
    return Buffer.from(await this.command("GET", "/screenshot"), "base64");
  }

  // The window made so large that the page inside it has the size asked for.
  async setViewport({ width, height, hasTouch = false }) {
    this.hasTouch = hasTouch;
    let rect = { width, height };
    for (let i = 0; i < 3; i++) {
      await this.command("POST", "/window/rect", rect);
      // The page takes its new size a little after the window does: read it until it is the
      // size asked for, or has held still for a few reads (two seconds at most).
      let size = null;
      let still = 0;
      for (let read = 0; read < 40 && still < 5; read++) {
        const now = await this.evaluate(() => [innerWidth, innerHeight]);
        if (now[0] === width && now[1] === height) return;
        still = size && now[0] === size[0] && now[1] === size[1] ? still + 1 : 0;
        size = now;
        await new Promise((resolve) => setTimeout(resolve, 50));
      }
      rect = { width: rect.width + width - size[0], height: rect.height + height - size[1] };
    }
    throw new Error(`the page of MiniBrowser does not take ${width}x${height}`);
  }
}
