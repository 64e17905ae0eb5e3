// The page in each browser engine: from navigation to the first paint, which shows the
// results, and to the moment the calculator is live, against a static copy of the page with
// the same results written in and no script; and the same for a link, whose results are
// worked out before the first paint. Timings, not a test.
// Usage: node bench/web/page_bench.mjs [velortin.html]
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launch, open } from '../../tests/web/browser.mjs';

const file = path.resolve(process.argv[2] || 'build/web/velortin.html');
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const RUNS = 21;
const ENGINES = ['chromium', 'firefox', 'webkit'];
const LINK = '#input_width=36&input_height=24&output_width=10&printer_resolution=1440';

// The page as it stands once live, without its scripts: what a first paint could show at
// best.
async function staticCopy(browser) {
  const page = await open(browser, 'file://' + file);
  await page.evaluate(() => new Promise((done) => {
    const wait = () => (performance.getEntriesByName('ready').length ? done() : setTimeout(wait, 10));
    wait();
  }));
  const html = await page.evaluate(() => {
    for (const script of document.querySelectorAll('script')) script.remove();
    for (const input of document.querySelectorAll('input')) input.setAttribute('value', input.value);
    return '<!doctype html>\n' + document.documentElement.outerHTML;
  });
  await page.close();
  const copy = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'velortin-static-')), 'static.html');
  fs.writeFileSync(copy, html);
  return copy;
}

// Medians of the first paint and of the moment the page is live, with the scan's pixels as
// they stood at the first paint's moment.
async function times(browser, url) {
  const paints = [], readies = [];
  let pixels;
  for (let run = 0; run < RUNS; run++) {
    // A blank page between runs, so that each is a whole load.
    await (await open(browser, 'about:blank')).close();
    const page = await open(browser, url);
    const [paint, ready, shown] = await page.evaluate(() => new Promise((done) => {
      const check = () => {
        const paint = performance.getEntriesByName('first-contentful-paint')[0];
        const ready = performance.getEntriesByName('ready')[0];
        if (!paint || (!ready && document.querySelector('script'))) return setTimeout(check, 10);
        done([paint.startTime, ready ? ready.startTime : null,
              document.getElementById('scan_pixels').textContent]);
      };
      check();
    }));
    paints.push(paint);
    if (ready !== null) readies.push(ready);
    pixels = shown;
    await page.close();
  }
  return { paint: median(paints), ready: readies.length ? median(readies) : null, pixels };
}

for (const engine of ENGINES) {
  const browser = await launch(engine);
  try {
    const copy = await staticCopy(browser);
    const still = await times(browser, 'file://' + copy);
    const page = await times(browser, 'file://' + file);
    const link = await times(browser, 'file://' + file + LINK);
    const late = (t) => `${(100 * (t / still.paint - 1)).toFixed(0)}%`;
    console.log(`${engine}: the static copy paints at ${still.paint.toFixed(1)} ms; the page at ` +
                `${page.paint.toFixed(1)} ms (${late(page.paint)}), live at ${page.ready.toFixed(1)} ms; ` +
                `on a link it paints at ${link.paint.toFixed(1)} ms (${late(link.paint)}), live at ` +
                `${link.ready.toFixed(1)} ms (${link.pixels}); medians of ${RUNS} after navigation`);
    fs.rmSync(path.dirname(copy), { recursive: true, force: true });
  } finally {
    await browser.close();
  }
}
