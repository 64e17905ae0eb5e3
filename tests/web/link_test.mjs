// The link in the address, in every engine, on the site's page opened from the disk: a
// link opens what velortin-calc gives, the address carries the calculation whatever the
// last step was, and a broken link opens what it can, quietly.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { test } from 'node:test';
import { choose, open, retype, sharedBrowser, shown, state } from './browser.mjs';

const SITE = process.env.VELORTIN_SITE || 'build/web/site';
const NATIVE = process.env.VELORTIN_NATIVE_CALC || 'build/native/cli/velortin-calc';
const calc = (...args) => spawnSync(NATIVE, args, { encoding: 'latin1' }).stdout;
const base = 'file://' + path.resolve(SITE, 'velortin.html');
const shared = sharedBrowser();

// A fresh load, even where only the fragment differs from the page open before.
async function fresh(url) {
  await (await open(shared.browser, 'about:blank')).close();
  return shared.open(url);
}

test('a link opens the calculation that velortin-calc gives', async () => {
  const links = [
    ['input_width=36&input_height=24&output_width=10&printer_resolution=1440&output_units=cm',
     ['--output-units', 'cm', '--', '36', '24', '10', '10.0', '1440']],
    ['printer_type=press&viewing_distance=2&distance_units=m&printer_resolution=150',
     ['--printer', 'press', '--distance-units', 'm', '--', '24.0', '36.0', '8.0', '2', '150']],
    ['original=6x7&print=a3&fit=fill&scanner=4000',
     ['--original', '6x7', '--print', 'a3', '--fit', 'fill', '--scanner', '4000']],
    ['print=8x10&original=35mm', ['--print', '8x10', '--original', '35mm']],
  ];
  for (const [fragment, args] of links) {
    const page = await fresh(base + '#' + fragment);
    const seven = calc('--format', 'tsv', ...args).trim().split('\t').slice(0, 7).join('|');
    assert.equal((await state(page)).texts, seven, fragment);
    assert.deepEqual(await page.evaluate(() => document.getElementById('plan_report').textContent),
                     calc(...args).split('\n').slice(7, -1).join('\n'), fragment);
    await page.close();
  }
});

test('the address carries the calculation, whatever the last step was', async () => {
  let page = await fresh(base);
  const enter = () => page.keyboard.press('Enter');
  const compute = () => page.click('#compute');
  const steps = [
    async () => { await retype(page, '#input_width', '12.345'); await enter(); },
    async () => { await choose(page, '#printer_type', 2); await compute(); },
    async () => { await choose(page, '#print', 3); },
    async () => { await retype(page, '#scanner', '3,200'); await enter(); },
    async () => { await retype(page, '#viewing_distance', '20.004'); await compute(); },
    async () => { await choose(page, '#original', 2); await choose(page, '#fit', 1); },
    async () => { await choose(page, '#output_units', 4); },
  ];
  for (const [i, step] of steps.entries()) {
    await step();
    // The address follows within a moment; after a new unit Compute waits, and only the
    // texts and the choices must match.
    await page.evaluate(() => new Promise((done) => setTimeout(done, 400)));
    const only = i === steps.length - 1 ? /^(?!output_height|scan_|plan_)/ : /./;
    const before = await shown(page, only);
    const href = await page.evaluate(() => location.href);
    await page.close();
    page = await fresh(href);
    assert.deepEqual(await shown(page, only), before, `after step ${i + 1}: ${href}`);
  }
  await page.close();
});

test('the address keeps up with many quick choices', async () => {
  const page = await fresh(base);
  // Far more than the 200 address changes a browser applies in quick succession.
  const last = await page.evaluate(() => {
    const list = document.getElementById('output_units');
    for (let i = 0; i <= 300; i++) {
      list.selectedIndex = i % 5;
      list.dispatchEvent(new Event('change'));
    }
    return list.value;
  });
  await page.evaluate(() => new Promise((done) => setTimeout(done, 400)));
  assert.match(await page.evaluate(() => location.hash), new RegExp(`&output_units=${last}&`));
  await page.close();
});

test('a broken link opens what it can, quietly', async () => {
  const long = '1' + '9'.repeat(299);
  for (const [fragment, same] of [
    ['input_units=inch&printer_type=Dithered&fit=&print=a9&colour=red', ''],
    ['input_width=%E0%A4%A&output_width=%zz&input_width=30&input_width=31', 'input_width=31'],
    ['output_width=' + long, 'output_width=' + long.slice(0, 254)],
    ['x=' + '%41'.repeat(3400) + '&scanner=' + '%'.repeat(5000), ''],
  ]) {
    const expected = await shown(await fresh(base + '#' + same));
    const page = await fresh(base + '#' + fragment);
    assert.deepEqual(await shown(page), expected, fragment.slice(0, 80));
    await page.close();
  }
  // A text the calculator refuses is marked, and no results stand beside it.
  const page = await fresh(base + '#input_width=abc&output_width=12');
  assert.deepEqual(await state(page), { texts: 'abc|36.0|12||10.0||', compute: 'off',
    marked: 102, message: 'Physical dimensions must be > 0.0', focus: 102 });
  await page.close();
});
