// The page in headless Chromium: from navigation to the start-up results, and one Compute.
// Timings, not a test. Usage: node bench/web/page_bench.mjs [velortin.html]
import path from 'node:path';
import { launch } from '../../tests/web/browser.mjs';

const url = 'file://' + path.resolve(process.argv[2] || 'build/web/velortin.html');
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await launch();
const loads = [], paints = [];
for (let run = 0; run < 21; run++) {
  const page = await browser.newPage();
  // When the scan pixels first hold a text, counted from the start of navigation.
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((_, observer) => {
      const pixels = document.getElementById('scan_pixels');
      if (pixels && pixels.textContent) {
        window.resultsAt = performance.now();
        observer.disconnect();
      }
    }).observe(document, { subtree: true, childList: true, characterData: true });
  });
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length);
  loads.push(await page.evaluate(() => window.resultsAt));
  paints.push(await page.evaluate(() => performance.getEntriesByName('first-contentful-paint')[0]
    .startTime));
  await page.close();
}
console.log(`start-up results in the page: ${median(loads).toFixed(1)} ms after navigation ` +
            `(median of 21); first paint, with them: ${median(paints).toFixed(1)} ms`);

const page = await browser.newPage();
await page.goto(url);
// Enter in a field, as a user computes: the core's Compute and the seven texts written.
const each = await page.evaluate(() => {
  const field = document.getElementById('input_width');
  const enter = () => field.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter',
                                                                          bubbles: true }));
  for (let i = 0; i < 1000; i++) enter();
  const start = performance.now();
  for (let i = 0; i < 10000; i++) enter();
  return (performance.now() - start) / 10000;
});
console.log(`one Compute in the page: ${(each * 1000).toFixed(1)} microseconds`);
await browser.close();
