// Compiles the calculator's WebAssembly off the page's thread, so that the
// page stays free to take typing while the module is made ready, and hands
// the compiled module back.
'use strict';
WebAssembly.compileStreaming(fetch('krv1.wasm'))
  .then((module) => postMessage(module))
  .catch((error) => postMessage(String(error)));
