// velortin.html in the engine VELORTIN_ENGINE names (Debian's chromium by default,
// firefox-esr, or WebKitGTK): launching, the page's state read back, and every request and
// console message watched.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before } from 'node:test';
import puppeteer from 'puppeteer-core';
import * as webkit from './webkit.mjs';

export const PAGE = process.env.VELORTIN_PAGE || path.resolve('build/web/velortin.html');
export const SEVEN = ['input_width', 'input_height', 'output_width', 'output_height',
                      'viewing_distance', 'scan_resolution', 'scan_pixels'];

export const ENGINE = process.env.VELORTIN_ENGINE || 'chromium';

// Chromium over the DevTools protocol and Firefox over WebDriver BiDi, each headless with a
// fresh profile; WebKit through its WebDriver (see webkit.mjs). Without the network flags
// this machine's closed network refuses Chromium's own calls.
export async function launch(engine = ENGINE) {
  if (engine === 'webkit') return webkit.launch();
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), `velortin-${engine}-`));
  const browser = await puppeteer.launch(engine === 'firefox' ? {
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', userDataDir: profile,
  } : {
    executablePath: '/usr/bin/chromium', userDataDir: profile,
    // As a user's browser does, it throttles a page that changes its address too often.
    ignoreDefaultArgs: ['--disable-ipc-flooding-protection'],
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  // The profile goes once the browser has ended, whatever it still wrote while closing.
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 50 });
  };
  return browser;
}

// A fresh page at url; problems collects every request that leaves the page and every
// console error or uncaught exception.
export async function open(browser, url = 'file://' + PAGE, problems = []) {
  const page = browser.open ? await browser.open(url, problems)
                            : await opened(browser, url, problems);
  // The calculator goes live just after the first paint: wait for it, as a user cannot
  // tell the difference but a test would.
  await page.evaluate(() => new Promise((done) => {
    const live = () => !document.querySelector('script') ||
                       performance.getEntriesByName('ready').length;
    const wait = () => (live() ? done() : setTimeout(wait, 5));
    wait();
  }));
  return page;
}

async function opened(browser, url, problems) {
  const page = await browser.newPage();
  const address = new URL(url);
  address.hash = '';
  page.on('request', (r) => {
    if (r.url().split('#')[0] !== address.href) problems.push('request ' + r.url());
  });
  page.on('console', (m) => { if (m.type() === 'error') problems.push('console ' + m.text()); });
  page.on('pageerror', (e) => problems.push('exception ' + e.message));
  await page.goto(url);
  return page;
}

// One browser for a file of tests, and the problems of all the pages it opens, which must
// be none when the tests are done.
export function sharedBrowser(engine) {
  const shared = {
    problems: [],
    open: (url) => open(shared.browser, url, shared.problems),
  };
  before(async () => { shared.browser = await launch(engine); });
  after(async () => {
    await shared.browser.close();
    assert.deepEqual(shared.problems, [], 'requests that left the page, or console errors');
  });
  return shared;
}

// Everything a page shows of the calculation, and its choices, by id; only picks the ids.
export async function shown(page, only = /./) {
  const all = await page.evaluate(() => [...document.querySelectorAll(
    'input, select, output, #plan_warning')].map((e) => [e.id, e.value ?? e.textContent]));
  return Object.fromEntries(all.filter(([id]) => only.test(id)));
}

// The seven texts, Compute's state, the marked field and the one with the focus.
export function state(page) {
  return page.evaluate((seven) => {
    const byId = (id) => document.getElementById(id);
    const marked = document.querySelector('[aria-invalid="true"]');
    return {
      texts: seven.map((id) => byId(id).value ?? byId(id).textContent).join('|'),
      compute: byId('compute').disabled ? 'off' : 'on',
      marked: marked && !byId('rejected').hidden ? Number(marked.dataset.id) : 0,
      message: byId('rejected').hidden ? '' : byId('rejected').textContent,
      focus: Number(document.activeElement?.dataset.id ?? 0),
    };
  }, SEVEN);
}

// Chooses item index of a list with the keyboard, one arrow press per item on the way.
export async function choose(page, selector, index) {
  await page.focus(selector);
  const now = await page.evaluate((s) => document.querySelector(s).selectedIndex, selector);
  for (let i = now; i !== index; i += index > now ? 1 : -1)
    await page.keyboard.press(index > now ? 'ArrowDown' : 'ArrowUp');
}

// Replaces a field's text as a user does: a click, Ctrl+A to select all of it, then typing.
// Keys, unlike a triple click's selection, mean the same in every engine.
export async function retype(page, selector, text) {
  await page.click(selector);
  await page.keyboard.down('Control');
  await page.keyboard.press('a');
  await page.keyboard.up('Control');
  await page.keyboard.type(text);
}
