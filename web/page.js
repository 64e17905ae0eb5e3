// The page's side of the calculator: texts and events to and from the wasm, which holds
// the record and does all the reading, computing and writing of results; the link in the
// address that carries the calculation; and, served, the installable site.
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
  const [original, print, fit, scanner] = planning;
  const FIELD_MAX = 254;  // characters a field hands over, as the window's do

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

  // The link: what the results shown were made from. The texts are kept as the step that
  // made them read them (Compute rewrites them rounded), the planning as last applied.
  const fieldText = (value) => [...value].slice(0, FIELD_MAX).join('');
  // The five texts as the core reads them now.
  const texts = () => edits.map((e) => fieldText(e.value));
  const link = { texts: texts(), planning: ['', '', 'inside'], planned: false };
  const address = byId('address');
  let pending = 0;

  function fragment() {
    const pairs = edits.map((edit, i) => [edit.id, link.texts[i]]);
    for (const list of lists) pairs.push([list.id, list.value]);
    const chosen = [['original', link.planning[0]], ['print', link.planning[1]],
                    ['fit', link.planning[2] === 'inside' ? '' : link.planning[2]],
                    ['scanner', fieldText(scanner.value)]].filter(([, value]) => value);
    pairs.push(...chosen);
    // A link of our own after a Compute holds the planning shown, not planning to redo.
    if (chosen.length && !link.planned) pairs.push(['step', 'compute']);
    return pairs.map(([key, value]) => key + '=' + encodeURIComponent(value)).join('&');
  }

  // Browsers throttle address changes made in quick succession: one write per moment
  // keeps the address holding the latest calculation.
  function writeLink() {
    clearTimeout(pending);
    pending = 0;
    try {
      history.replaceState(history.state, '', '#' + fragment());
    } catch {
      // An address that cannot change keeps the last one.
    }
    address.textContent = location.href;
    byId('shared').textContent = '';
  }

  function remember(read, planned) {
    link.texts = read;
    link.planned = planned;
    if (planned) link.planning = [original.value, print.value, fit.value];
    if (!pending) pending = setTimeout(writeLink, 250);
  }

  function run(action, ...args) {
    if (wasm[action](...args) !== 0) return 1;
    clearMark();
    return 0;
  }

  function computeNow() {
    const read = texts();
    if (run('PageCompute') === 0) remember(read, false);
  }

  function choose(list) {
    wasm.PageChoose(idOf(list), list.selectedIndex);
    compute.disabled = false;
    remember(texts(), false);
  }

  // The named sizes by their place in the core's tables, after each list's own first item.
  function plan() {
    const read = texts();
    if (run('PagePlan', original.selectedIndex - 1, print.selectedIndex - 1,
            fit.selectedIndex) === 0)
      remember(read, true);
  }

  // A link's keys, each decoded on its own: one that cannot be is left out, and of a key
  // given twice the last counts.
  function readLink() {
    const keys = new Map();
    for (const part of location.hash.slice(1).split('&')) {
      const at = part.indexOf('=');
      try {
        if (at > 0)
          keys.set(decodeURIComponent(part.slice(0, at)), decodeURIComponent(part.slice(at + 1)));
      } catch {
        // Not percent-encoding: ignored, as an unknown key is.
      }
    }
    return keys;
  }

  // A list takes a link's value only when one of its items has it.
  function take(list, value) {
    const index = [...list.options].findIndex((option) => option.value === value);
    if (index >= 0) list.selectedIndex = index;
    return index >= 0;
  }

  // Opens the page on a link: its texts and choices in place of the start-up ones, then its
  // planning as choosing it does, or after a Compute of ours the print it had laid out.
  function openLink(keys) {
    for (const edit of edits)
      if (keys.has(edit.id)) edit.value = fieldText(keys.get(edit.id));
    for (const list of lists)
      if (keys.has(list.id) && take(list, keys.get(list.id)))
        wasm.PageStore(idOf(list), list.selectedIndex);
    let planned = false;
    for (const element of planning) {
      if (!keys.has(element.id)) continue;
      if (element === scanner) scanner.value = fieldText(keys.get('scanner'));
      else if (!take(element, keys.get(element.id))) continue;
      planned = true;
    }
    link.texts = texts();
    link.planning = [original.value, print.value, fit.value];
    link.planned = planned && keys.get('step') !== 'compute';
    // The markup's start-up results are not the link's: a link the calculator refuses
    // shows none.
    for (const shown of document.querySelectorAll('output, #plan_warning')) shown.textContent = '';
    if (link.planned) {
      run('PagePlan', original.selectedIndex - 1, print.selectedIndex - 1, fit.selectedIndex);
    } else {
      wasm.PageLayPrint(print.selectedIndex - 1, fit.selectedIndex);
      run('PageCompute');
    }
  }

  async function share() {
    writeLink();
    const url = location.href;
    if (navigator.share) {
      try {
        await navigator.share({ url });
        return;
      } catch (error) {
        if (error.name === 'AbortError') return;
      }
    }
    try {
      await navigator.clipboard.writeText(url);
    } catch {
      // Without the clipboard's API, or its permission: the old way, through a selection.
      const copy = document.createElement('textarea');
      copy.value = url;
      document.body.append(copy);
      copy.select();
      document.execCommand('copy');
      copy.remove();
    }
    byId('shared').textContent = 'Link copied';
  }

  // Served, the site's copy installs as an app and keeps working offline; from disk, or
  // as the lone page, it asks for nothing. A file: address counts as secure, so the test
  // is the protocol's.
  function joinSite() {
    if (!document.documentElement.hasAttribute('data-site') ||
        !/^https?:$/.test(location.protocol))
      return;
    for (const [rel, href] of [['manifest', 'velortin.webmanifest'], ['icon', 'icon-192.png'],
                               ['apple-touch-icon', 'apple-touch-icon.png']]) {
      const tag = document.createElement('link');
      tag.rel = rel;
      tag.href = href;
      document.head.append(tag);
    }
    const workers = navigator.serviceWorker;
    if (!workers) return;
    // A new version takes over at once: the page it served is reloaded from it.
    if (workers.controller) workers.addEventListener('controllerchange', () => location.reload());
    const register = () => workers.register('sw.js').catch(() => {});
    if (document.readyState === 'complete') register();
    else addEventListener('load', register);
  }

  // The calculator, live: its wasm holding the record, and the controls' events.
  function start() {
    for (const input of [...edits, scanner]) {
      input.autocomplete = 'off';
      input.spellcheck = false;
      input.setAttribute('autocapitalize', 'off');
    }
    for (const edit of edits) edit.addEventListener('input', () => { compute.disabled = false; });
    for (const list of lists) list.addEventListener('change', () => choose(list));
    compute.addEventListener('click', computeNow);
    // Enter computes wherever the focus is, as the window's keyboard filter makes it; only a
    // button keeps Enter to press it, and the planning section and the guide keep theirs.
    document.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing ||
          event.target.closest('button, section, dialog')) return;
      event.preventDefault();
      computeNow();
    });
    for (const element of planning) element.addEventListener('change', plan);
    byId('help').addEventListener('click', () => byId('guide').showModal());
    byId('share').addEventListener('click', share);

    const module = new WebAssembly.Module(Uint8Array.from(atob(byId('wasm').textContent.trim()),
                                                          (c) => c.charCodeAt(0)));
    const imports = {
      page: { text, set_text: setText, reject, disable_compute: disableCompute, select },
      wasi_snapshot_preview1: { proc_exit: () => {} },
    };
    wasm = new WebAssembly.Instance(module, imports).exports;
    wasm._initialize();
    // The window opens with its start-up texts and choices and its first Compute done; a
    // link opens with its own.
    wasm.PageStart();
    const keys = readLink();
    if (keys.size) {
      openLink(keys);
    } else {
      link.texts = texts();
      run('PageCompute');
    }
    address.textContent = location.href;
    performance.mark('ready');
    // A keypad with a decimal point where the locale writes one; where it writes a comma,
    // the full keyboard, since the calculator skips commas as the window does. The locale's
    // data takes a while to load: after the first paint, long before a finger gets there.
    setTimeout(() => {
      const decimal = new Intl.NumberFormat().formatToParts(1.5).find((p) => p.type === 'decimal');
      if (decimal && decimal.value === '.')
        for (const input of [...edits, scanner]) input.inputMode = 'decimal';
    });
  }

  // The markup already shows what start-up shows, worked out by the same wasm as the page
  // was built: the first paint need not wait for it (a second frame's callback comes after
  // the first frame is painted). A link's calculation is worked out before, so that what is
  // painted first is the link's.
  if (location.hash.length > 1) start();
  else requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(start)));
  joinSite();
})();
