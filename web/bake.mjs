// The page as it opens, worked out at build time by the page's own wasm: the start-up texts,
// choices and first results, which the build writes into the markup, so that they are on
// screen at the first paint. Prints them as JSON, by control id.
// Usage: node bake.mjs velortin_page.wasm
import fs from 'node:fs';

const shown = {};
const decoder = new TextDecoder('windows-1252');
let memory;
const text = (pointer) => {
  const bytes = new Uint8Array(memory.buffer, pointer);
  return decoder.decode(bytes.subarray(0, bytes.indexOf(0)));
};
const imports = {
  page: {
    // The first Compute reads back what start-up wrote.
    text: (id, pointer, size) => {
      const out = new Uint8Array(memory.buffer, pointer, size);
      const value = Buffer.from(shown[id] ?? '', 'latin1').subarray(0, size - 1);
      out.set(value);
      out[value.length] = 0;
    },
    set_text: (id, pointer) => { shown[id] = text(pointer); },
    select: (id, index) => { shown[id] = index; },
    reject: (id) => { throw new Error(`the start-up text of ${id} is rejected`); },
    disable_compute: () => {},
  },
  wasi_snapshot_preview1: { proc_exit: () => {} },
};
const wasm = new WebAssembly.Instance(new WebAssembly.Module(fs.readFileSync(process.argv[2])),
                                      imports).exports;
memory = wasm.memory;
wasm._initialize();
wasm.PageStart();
if (wasm.PageCompute() !== 0) throw new Error('the start-up Compute failed');
console.log(JSON.stringify(shown));
