// The page beyond the window's scenarios: planning as velortin-calc plans, texts too long
// or in other scripts, Help, the accessibility audit in light and dark, a phone's width,
// and the page served over HTTP. Nothing may leave the page and the console stays clean.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { test } from 'node:test';
import { choose, PAGE, retype, SEVEN, sharedBrowser, state } from './browser.mjs';

const NATIVE = process.env.VELORTIN_NATIVE_CALC || 'build/native/cli/velortin-calc';
const calc = (...args) => spawnSync(NATIVE, args, { encoding: 'latin1' });
const strings = Object.fromEntries([...fs.readFileSync('resources/strings.h', 'utf8')
  .matchAll(/#define (\w+) "(.*)"/g)].map((m) => [m[1], m[2]]));
const shared = sharedBrowser();

async function pick(page, id, value) {
  await choose(page, '#' + id, await page.$eval(`#${id}`, (e, v) => [...e.options]
    .findIndex((o) => o.value === v), value));
}

test('planning fills the fields as velortin-calc does', async () => {
  const page = await shared.open();
  await pick(page, 'original', '6x7');
  await pick(page, 'print', 'a3');
  await pick(page, 'fit', 'fill');
  const json = JSON.parse(calc('--original', '6x7', '--print', 'a3', '--fit', 'fill',
                               '--format', 'json').stdout);
  assert.deepEqual(await state(page), { texts: SEVEN.map((key) => json[key]).join('|'),
                                         compute: 'off', marked: 0, message: '', focus: 122 });
  for (const [scanner, warns] of [['4000', false], ['1,000', true]]) {
    await retype(page, '#scanner', scanner);
    await page.keyboard.press('Enter');
    const text = calc('--original', '6x7', '--print', 'a3', '--fit', 'fill', '--scanner', scanner);
    assert.deepEqual(await page.$eval('#plan_report', (e) => e.textContent.split('\n')),
                     text.stdout.split('\n').slice(7, -1));
    const warning = await page.$eval('#plan_warning', (e) => e.textContent);
    assert.equal(warning, warns ? text.stderr.replace(/^velortin-calc: warning: (.*?);.*\n$/s,
                                                      'Warning: $1') : '');
  }
  await page.close();
});

test('long texts are read to 254 characters, and other scripts are rejected cleanly', async () => {
  const page = await shared.open();
  const first = '2' + '0'.repeat(253);
  await retype(page, '#input_width', '');
  await page.keyboard.sendCharacter(first + '7'.repeat(745) + 'x');
  await page.keyboard.press('Enter');
  const native = calc('--format', 'tsv', first, '36.0', '8.00', '10.00', '720.0').stdout;
  assert.equal((await state(page)).texts, native.trim().replaceAll('\t', '|'));
  for (const text of ['٣', '三', '📷', '２４', '24€', 'x'.repeat(300)]) {
    await retype(page, '#input_width', '');
    await page.keyboard.sendCharacter(text);
    const before = (await state(page)).texts;
    await page.keyboard.press('Enter');
    const got = await state(page);
    assert.deepEqual([got.texts, got.marked, got.focus, got.message],
                     [before, 102, 102, strings.MESSAGE_REJECTED], text);
  }
  await page.close();
});

test('Help shows the guide and Escape closes it; the printer type changes the label', async () => {
  const page = await shared.open();
  await page.click('#help');
  // The guide's paragraphs for both, and the page's own in place of the window's.
  const guide = fs.readFileSync('resources/guide.txt', 'utf8').trim().split('\n\n')
    .filter((p) => !p.startsWith('[window] ')).map((p) => p.replace(/^\[page\] /, ''));
  assert.deepEqual(await page.$$eval('#guide p', (ps) => ps.map((p) => p.textContent)), guide);
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#guide', (d) => d.open), false);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'help');
  const before = (await state(page)).texts;
  for (const [index, label] of [[2, 'LABEL_LINE_SCREEN'], [0, 'LABEL_PRINTER_RES']]) {
    await choose(page, '#printer_type', index);
    assert.equal(await page.$eval('label[for=printer_resolution]', (e) => e.textContent),
                 strings[label]);
    assert.deepEqual((await state(page)).texts, before);
  }
  await page.close();
});

test('no accessibility violations in light and dark, at a phone\'s width and a desktop\'s',
     async () => {
  const axe = fs.readFileSync('tests/web/node_modules/axe-core/axe.min.js', 'utf8');
  const page = await shared.open();
  // Everything the page can show, the planning's lines and its warning included.
  await pick(page, 'original', '6x7');
  await pick(page, 'print', 'a3');
  await retype(page, '#scanner', '1000');
  await page.keyboard.press('Enter');
  for (const [scheme, width] of [['light', 900], ['dark', 360], ['dark', 900], ['light', 360]]) {
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
    await page.setViewport({ width, height: 900 });
    await page.evaluate(axe);
    const found = await page.evaluate(async () => {
      const result = await axe.run();
      return [result.passes.some((p) => p.id === 'color-contrast'),
              ...result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`)];
    });
    assert.deepEqual(found, [true], `${scheme}, ${width} px`);
    // No sideways scrolling, and every control at least 24 px each way; on a phone, 44 px
    // high for a finger.
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
    const small = await page.$$eval('input, select, button', (all, least) => all
      .filter((e) => e.offsetParent && (e.offsetWidth < 24 || e.offsetHeight < least))
      .map((e) => e.id), width < 500 ? 44 : 24);
    assert.deepEqual(small, [], `${scheme}, ${width} px`);
    const picture = path.join(path.dirname(PAGE), `screenshot-${scheme}-${width}.png`);
    if (scheme === 'light' || width === 360) await page.screenshot({ path: picture, fullPage: true });
  }
  await page.close();
});

test('served over HTTP it works the same, with nothing fetched but the page', async () => {
  const server = http.createServer((request, response) => {
    response.end(request.url === '/velortin.html' ? fs.readFileSync(PAGE) : '');
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  const url = `http://127.0.0.1:${server.address().port}/velortin.html`;
  const page = await shared.open(url);
  assert.equal((await state(page)).texts, '24.0|36.0|8.00|12.00|10.00|1741.7|1646 x 2469');
  await page.close();
  server.close();
});
