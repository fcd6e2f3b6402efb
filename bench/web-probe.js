// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Put by bench/web-bench.sh into the benchmark's copies of the page, before anything else in
// them (the site's as a file of its own, which its policy allows; the one file's inline before
// its policy, which covers only what follows it), so that it works alike in every engine:
//   bexaloFirstDraw   performance.now() at the first WebGL draw call, the first picture the
//                     program puts on the canvas (0 until then)
//   bexaloHeapBytes() the size of the program's memory now; it only grows, so this is the most
//                     it has taken so far
"use strict";
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
{
  let memory = null;
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = function (...args) {
    return instantiate.apply(this, args).then((result) => {
      const instance = result instanceof WebAssembly.Instance ? result : result.instance;
      const isMemory = (e) => e instanceof WebAssembly.Memory;
      memory = Object.values(instance.exports).find(isMemory) || Object.values(args[1]?.env || {}).find(isMemory) || memory;
      return result;
    });
  };
  window.bexaloHeapBytes = () => (memory ? memory.buffer.byteLength : 0);
}
