// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Starts bexalo in the page, for both forms of the web edition: the published site, where the
// program's script and WebAssembly lie beside the page and are fetched, and the one file
// (bexalo.html), where scripts/web-onefile.py has put them into the page itself, the
// WebAssembly gzipped, with the chime. Nothing else is fetched, so the one file opened from a
// disk (file://) makes no request; its Content-Security-Policy would refuse one anyway.
//
// The program is named by this script element's data-program attribute ("bexalo"; the
// benchmark names its empty window there). The page calls loadBexalo() with what to show:
//   canvas      the canvas the program draws into
//   showCanvas  () the program runs: show the canvas
//   showError   (text) it cannot start in this browser
//   ended       () it has crashed, or left with an error. ("Esci", the normal end, does not come
//               here: the program calls the page's bexaloProgramEnded() itself when its last
//               window has gone.)
"use strict";

const bexaloProgram = document.currentScript.dataset.program;

// What the one file carries in the page, as bytes: base64 text in script elements named
// data-embedded=NAME, in pieces that join up in page order (gzipped when they say
// data-encoding="gzip"), or null. atob, not a data: address: the page's policy lets it fetch
// nothing, and a data: fetch of megabytes is slow in some engines.
function bexaloEmbeddedParts(name) {
  return document.querySelectorAll('script[data-embedded="' + name + '"]');
}

// One piece's bytes; the piece is read once (the page need not keep its text besides the bytes).
// Every piece but the last is a whole number of base64 groups, so each decodes on its own.
function bexaloPieceBytes(part) {
  const text = atob(part.textContent);
  part.remove();
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  return bytes;
}

// The bytes of an embedded file that the page reads when asked for (the chime), or null.
function bexaloEmbedded(name) {
  const parts = bexaloEmbeddedParts(name);
  if (parts.length === 0) return null;
  const pieces = Array.from(parts, bexaloPieceBytes);
  const bytes = new Uint8Array(pieces.reduce((n, piece) => n + piece.length, 0));
  pieces.reduce((at, piece) => (bytes.set(piece, at), at + piece.length), 0);
  return bytes;
}

// The one file's program, compiled while the page is still being read: the page calls
// bexaloPieceRead(last) after each gzipped piece of it (scripts/web-onefile.py), and the
// compiler takes each piece as it comes instead of waiting for the whole page. Where the
// browser lacks what this needs, the pieces stay in the page for loadBexalo() to find and report.
let bexaloEarly = null;
function bexaloPieceRead(last) {
  const part = document.currentScript.previousElementSibling;
  if (!bexaloEarly) {
    if (typeof DecompressionStream !== "function" || typeof WebAssembly !== "object" ||
        typeof WebAssembly.compileStreaming !== "function")
      return;
    let controller = null;
    const stream = new ReadableStream({ start: (c) => (controller = c) });
    const unpacked = stream.pipeThrough(new DecompressionStream("gzip"));
    const compiled = WebAssembly.compileStreaming(
      new Response(unpacked, { headers: { "Content-Type": "application/wasm" } }));
    compiled.catch(() => {}); // reported by loadBexalo(), once
    bexaloEarly = { controller, compiled, failed: false };
  }
  if (bexaloEarly.failed) return;
  try {
    bexaloEarly.controller.enqueue(bexaloPieceBytes(part));
    if (last) bexaloEarly.controller.close();
  } catch (error) {
    bexaloEarly.failed = true;
    bexaloEarly.controller.error(error);
  }
}

// The address the program fetches its chime from: the embedded one's when the page holds it,
// else the file's name, beside the page. Asked by the program's sound player.
const bexaloSoundAddresses = {};
function bexaloSoundAddress(name) {
  if (!(name in bexaloSoundAddresses)) {
    const bytes = bexaloEmbedded("bexalo-sound-" + name);
    bexaloSoundAddresses[name] = bytes ? URL.createObjectURL(new Blob([bytes], { type: "audio/wav" })) : name;
  }
  return bexaloSoundAddresses[name];
}

// The program's WebAssembly: in the one file, the compile its pieces started while the page was
// read; from the site, fetched and compiled while the program's script loads.
function bexaloCompile() {
  if (bexaloEarly) return bexaloEarly.compiled;
  return fetch(bexaloProgram + ".wasm").then((response) => {
    if (!response.ok) throw new Error(response.status + " " + response.statusText + " " + response.url);
    // Streaming needs the right type; from a server that sends another, the bytes still compile.
    if ((response.headers.get("Content-Type") || "").startsWith("application/wasm"))
      return WebAssembly.compileStreaming(response);
    return response.arrayBuffer().then((b) => WebAssembly.compile(b));
  });
}

// The program's script (emscripten's, which defines createQtAppInstance): already in the page
// in the one file, else loaded from beside it.
function bexaloScript() {
  if (typeof createQtAppInstance === "function") return Promise.resolve();
  return new Promise((resolve, reject) => {
    const script = document.createElement("script");
    script.src = bexaloProgram + ".js";
    script.onload = resolve;
    script.onerror = () => reject(new Error(script.src));
    document.head.appendChild(script);
  });
}

function bexaloWebGL() {
  try {
    const canvas = document.createElement("canvas");
    return !!(canvas.getContext("webgl") || canvas.getContext("experimental-webgl"));
  } catch (e) {
    return false;
  }
}

function loadBexalo(page) {
  if (typeof WebAssembly !== "object") return page.showError("WebAssembly non disponibile");
  if (!bexaloWebGL()) return page.showError("WebGL non disponibile");
  // The one file unpacks its program with DecompressionStream (Chromium 80, Firefox 113,
  // Safari 16.4 and later); an older browser is told so instead of showing an empty page.
  if (typeof DecompressionStream !== "function" && bexaloEmbeddedParts("bexalo-wasm").length > 0)
    return page.showError("serve una versione più recente: aggiornate il browser e riaprite il file");
  let ended = false;
  const end = () => {
    if (!ended) {
      ended = true;
      page.ended();
    }
  };
  const failed = (error) => {
    console.error(error);
    page.showError(String(error && error.message ? error.message : error));
  };
  const compiled = bexaloCompile();
  compiled.catch(() => {}); // reported below, once
  const config = {
    instantiateWasm(imports, done) {
      compiled
        .then((module) => WebAssembly.instantiate(module, imports).then((instance) => done(instance, module)))
        .catch(failed);
      return {};
    },
    locateFile: (name) => name,
    setStatus(text) {
      if (text.startsWith("Running")) page.showCanvas();
    },
    monitorRunDependencies() {},
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    // A crash ends the program as "Esci" does: the page offers to start again.
    onAbort: (text) => {
      console.error(text);
      end();
    },
    // Qt keeps running after main() has returned 0; any other exit ends the program.
    quit: (code, exception) => {
      if (code !== 0) {
        console.error(exception);
        end();
      }
    },
    preRun: [(module) => {
      module.qtContainerElements = [page.canvas];
      module.qtFontDpi = 96;
    }],
  };
  // Once started, the program's own failures come through onAbort and quit above.
  Promise.all([bexaloScript(), compiled]).then(() => {
    createQtAppInstance(config).catch(() => {});
  }, failed);
}
