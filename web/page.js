// The page's side of the calculator: texts and events to and from the wasm, which holds
// the record and does all the reading, computing and writing of results.
'use strict';
(() => {
  const byId = (id) => document.getElementById(id);
  const control = {};  // the window's control ids (and the page's own) to elements
  for (const element of document.querySelectorAll('[data-id]'))
    control[element.dataset.id] = element;
  const idOf = (element) => Number(element.dataset.id);
  const compute = byId('compute');
  const rejected = byId('rejected');
  const edits = [...byId('calculator').querySelectorAll('input')];
  const lists = [...byId('calculator').querySelectorAll('select')];
  const planning = ['original', 'print', 'fit', 'scanner'].map(byId);
  const [original, print, fit] = planning;

  // Field texts reach the core as the window's ANSI fields hold them: Windows-1252 bytes.
  // A character outside it becomes '?', as in the window, and no number contains that.
  const ansi = new Map();
  const upper = Uint8Array.from({ length: 128 }, (_, i) => 128 + i);
  [...new TextDecoder('windows-1252').decode(upper)].forEach((c, i) => ansi.set(c, 128 + i));
  const decoder = new TextDecoder('windows-1252');
  let wasm;

  function bytes(pointer, size) {
    return new Uint8Array(wasm.memory.buffer, pointer, size);
  }

  // Writes at most size - 1 characters of the control's text and the terminator.
  function text(id, pointer, size) {
    const out = bytes(pointer, size);
    let n = 0;
    for (const c of control[id] ? control[id].value : '') {
      if (n >= size - 1) break;
      const code = c.codePointAt(0);
      out[n++] = code < 128 ? code : ansi.get(c) ?? 63;
    }
    out[n] = 0;
  }

  function setText(id, pointer) {
    const all = bytes(pointer, wasm.memory.buffer.byteLength - pointer);
    const value = decoder.decode(all.subarray(0, all.indexOf(0)));
    const element = control[id];
    if (element.localName === 'input') element.value = value;
    else element.textContent = value;
  }

  function clearMark() {
    for (const element of document.querySelectorAll('[aria-invalid]')) {
      element.removeAttribute('aria-invalid');
      element.removeAttribute('aria-describedby');
    }
    rejected.hidden = true;
    rejected.textContent = '';
  }

  // The window's message, next to the field, which takes the focus; no text changes.
  function reject(id) {
    clearMark();
    const field = control[id];
    field.closest('.row').after(rejected);
    field.setAttribute('aria-invalid', 'true');
    field.setAttribute('aria-describedby', 'rejected');
    rejected.textContent = rejected.dataset.message;
    rejected.hidden = false;
    field.focus();
  }

  function disableCompute() {
    compute.disabled = true;
  }

  function select(id, index) {
    control[id].selectedIndex = index;
  }

  function run(action, ...args) {
    if (wasm[action](...args) === 0) clearMark();
  }

  function choose(list) {
    wasm.PageChoose(idOf(list), list.selectedIndex);
    compute.disabled = false;
  }

  // The named sizes by their place in the core's tables, after each list's own first item.
  function plan() {
    run('PagePlan', original.selectedIndex - 1, print.selectedIndex - 1, fit.selectedIndex);
  }

  for (const input of [...edits, planning[3]]) {
    input.autocomplete = 'off';
    input.spellcheck = false;
    input.setAttribute('autocapitalize', 'off');
  }
  for (const edit of edits) edit.addEventListener('input', () => { compute.disabled = false; });
  for (const list of lists) list.addEventListener('change', () => choose(list));
  compute.addEventListener('click', () => run('PageCompute'));
  // Enter computes wherever the focus is, as the window's keyboard filter makes it; only a
  // button keeps Enter to press it, and the planning section and the guide keep theirs.
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.isComposing ||
        event.target.closest('button, section, dialog')) return;
    event.preventDefault();
    run('PageCompute');
  });
  for (const element of planning) element.addEventListener('change', plan);
  byId('help').addEventListener('click', () => byId('guide').showModal());

  const module = new WebAssembly.Module(Uint8Array.from(atob(byId('wasm').textContent.trim()),
                                                        (c) => c.charCodeAt(0)));
  const imports = {
    page: { text, set_text: setText, reject, disable_compute: disableCompute, select },
    wasi_snapshot_preview1: { proc_exit: () => {} },
  };
  wasm = new WebAssembly.Instance(module, imports).exports;
  wasm._initialize();
  // The window opens with its start-up texts and choices and its first Compute done.
  wasm.PageStart();
  run('PageCompute');
})();
