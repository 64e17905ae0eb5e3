// The site as a phone meets it, served from 127.0.0.1 under a path of its own: installable,
// offline once visited, replaced whole by a new version; links that carry the calculation
// both ways, links that are broken, and Share.
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { choose, launch, open, retype, SEVEN, state } from './browser.mjs';

const SITE = process.env.VELORTIN_SITE || 'build/web/site';
const NATIVE = process.env.VELORTIN_NATIVE_CALC || 'build/native/cli/velortin-calc';
const calc = (...args) => spawnSync(NATIVE, args, { encoding: 'latin1' }).stdout;
const root = fs.mkdtempSync(path.join(os.tmpdir(), 'velortin-site-'));
const folder = path.join(root, 'photo tools', 'velortin');
const port = 18000 + (process.pid % 1000);
const base = `http://127.0.0.1:${port}/photo%20tools/velortin/`;
let browser, server;
const problems = [];

async function serve() {
  server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1',
                             '--directory', root], { stdio: 'ignore' });
  for (let i = 0; i < 100; i++) {
    try {
      if ((await fetch(base)).ok) return;
    } catch {
      // not answering yet
    }
    await new Promise((done) => setTimeout(done, 50));
  }
  throw new Error('the server did not answer');
}

function stop() {
  server.kill();
  return new Promise((done) => server.once('exit', done));
}

// Everything a page shows of the calculation, and its choices.
async function shown(page, only = /./) {
  const all = await page.evaluate(() => [...document.querySelectorAll('input, select, output, #plan_warning')]
    .map((e) => [e.id, e.localName === 'select' ? e.value : e.value ?? e.textContent]));
  return Object.fromEntries(all.filter(([id]) => only.test(id)));
}

// A fresh page on the address, once the link has been written.
async function reopen(page) {
  await page.waitForFunction(() => location.hash.length > 1);
  await new Promise((done) => setTimeout(done, 400));
  const again = await open(browser, await page.evaluate(() => location.href), problems);
  return again;
}

before(async () => {
  fs.cpSync(SITE, folder, { recursive: true });
  await serve();
  browser = await launch();
});
after(async () => {
  await browser.close();
  if (server.exitCode === null) await stop();
  fs.rmSync(root, { recursive: true, force: true });
  assert.deepEqual(problems.filter((p) => !p.startsWith('request ')), [], 'console errors');
});

test('served, it installs, works offline and is replaced whole by a new version', async () => {
  const page = await open(browser, base, problems);
  const cdp = await page.createCDPSession();
  await page.waitForFunction(async () => (await navigator.serviceWorker.ready).active);
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  await page.reload();
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
  const online = await shown(page);

  await stop();
  await page.goto(base + 'velortin.html#output_width=10');
  assert.equal((await state(page)).texts.split('|')[2], '10.00', 'offline, on a link');
  await page.goto(base);
  assert.deepEqual(await shown(page), online, 'offline');

  // The next version: another title, so the page shows which one it is.
  for (const name of ['index.html', 'velortin.html'])
    fs.writeFileSync(path.join(folder, name), fs.readFileSync(path.join(folder, name), 'utf8')
      .replace('<title>', '<title>New '));
  const files = fs.readdirSync(folder).filter((f) => f !== 'sw.js').map((f) => path.join(folder, f));
  spawnSync('python3', ['web/make_worker.py', 'web/sw.js', path.join(folder, 'sw.js'), ...files]);
  await serve();
  await page.goto(base);
  let title = '';
  for (let i = 0; i < 100 && !title.startsWith('New '); i++) {
    await new Promise((done) => setTimeout(done, 100));
    title = await page.title().catch(() => '');
  }
  assert.match(title, /^New /, 'the new version on its first visit');
  const caches = await page.evaluate(() => caches.keys());
  assert.equal(caches.length, 1, `one version cached: ${caches}`);
  await page.close();
});

test('from the disk, the site\'s page asks for nothing and keeps its link', async () => {
  const quiet = [];
  const page = await open(browser, 'file://' + path.resolve(folder, 'velortin.html') +
                                   '#print=a4', quiet);
  await retype(page, '#output_width', '9');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => location.hash.includes('output_width=9'));
  assert.equal(await page.$$eval('link', (links) => links.length), 0);
  assert.deepEqual(quiet, []);
  await page.close();
});

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
    const page = await open(browser, base + '#' + fragment, problems);
    const seven = calc('--format', 'tsv', ...args).trim().split('\t').slice(0, 7).join('|');
    assert.equal((await state(page)).texts, seven, fragment);
    assert.deepEqual(await page.$eval('#plan_report', (e) => e.textContent.split('\n')),
                     calc(...args).split('\n').slice(7, -1), fragment);
    await page.close();
  }
});

test('the address carries the calculation, whatever the last step was', async () => {
  const page = await open(browser, base, problems);
  const steps = [
    async () => { await retype(page, '#input_width', '12.345'); await page.keyboard.press('Enter'); },
    async () => { await choose(page, '#printer_type', 2); await page.click('#compute'); },
    async () => { await choose(page, '#print', 3); },
    async () => { await retype(page, '#scanner', '3,200'); await page.keyboard.press('Enter'); },
    async () => { await retype(page, '#viewing_distance', '20.004'); await page.click('#compute'); },
    async () => { await choose(page, '#original', 2); await choose(page, '#fit', 1); },
  ];
  for (const [i, step] of steps.entries()) {
    await step();
    const again = await reopen(page);
    assert.deepEqual(await shown(again), await shown(page), `after step ${i + 1}`);
    await again.close();
  }
  // After a new unit, Compute waits: the texts and the choices are the page's.
  await choose(page, '#output_units', 4);
  const again = await reopen(page);
  const choices = /^(?!output_height|scan_|plan_)/;
  assert.deepEqual(await shown(again, choices), await shown(page, choices));
  await again.close();
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
    const page = await open(browser, base + '#' + fragment, problems);
    const expected = await open(browser, base + '#' + same, problems);
    assert.deepEqual(await shown(page), await shown(expected), fragment.slice(0, 80));
    await page.close();
    await expected.close();
  }
});

test('Share copies the address, or hands it to the phone', async () => {
  const context = browser.defaultBrowserContext();
  await context.overridePermissions(new URL(base).origin, ['clipboard-read', 'clipboard-write']);
  const page = await open(browser, base, problems);
  await retype(page, '#output_width', '11');
  await page.keyboard.press('Enter');
  await page.click('#share');
  await page.waitForFunction(() => document.getElementById('shared').textContent === 'Link copied');
  const href = await page.evaluate(() => location.href);
  assert.match(href, /#input_width=.*output_width=11&/);
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), href);

  const phone = await browser.newPage();
  await phone.evaluateOnNewDocument(() => {
    navigator.share = async (data) => { window.sharedData = data; };
  });
  await phone.goto(base + '#output_width=9');
  await phone.click('#share');
  assert.deepEqual(await phone.evaluate(() => window.sharedData),
                   { url: await phone.evaluate(() => location.href) });
  await page.close();
  await phone.close();
});
