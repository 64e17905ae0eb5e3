// The site as a phone meets it, served from 127.0.0.1 under a path of its own, in Chromium:
// installable, offline once visited, replaced whole by a new version, and Share.
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { launch, open, retype, shown, state } from './browser.mjs';

const SITE = process.env.VELORTIN_SITE || 'build/web/site';
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

before(async () => {
  fs.cpSync(SITE, folder, { recursive: true });
  await serve();
  browser = await launch('chromium');
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
  const files = fs.readdirSync(folder).filter((f) => f !== 'sw.js')
    .map((f) => path.join(folder, f));
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
