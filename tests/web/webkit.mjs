// WebKitGTK's MiniBrowser through WebKitWebDriver, spoken to in W3C WebDriver's HTTP
// protocol, offering the few puppeteer calls the tests make on a page.
import { spawn } from 'node:child_process';
import net from 'node:net';

const DRIVER = '/usr/bin/WebKitWebDriver';
const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';
// WebDriver's codes for the named keys the tests press; any other key is its character.
const KEYS = { Enter: '\uE007', Tab: '\uE004', Escape: '\uE00C', Control: '\uE009',
               ArrowUp: '\uE013', ArrowDown: '\uE015' };

// The driver reports no console messages, so the page keeps its own list from the moment it
// has loaded: console errors, uncaught exceptions, requests its security policy blocked, and
// every resource it fetched since the start (resource timing keeps those from before the
// load too). Console errors and blocked requests from before the load go unseen.
const WATCH = () => {
  const seen = (window.__velortinProblems = []);
  const error = console.error;
  console.error = (...args) => { seen.push('console ' + args.join(' ')); error(...args); };
  addEventListener('error', (e) => seen.push('exception ' + e.message));
  addEventListener('unhandledrejection', (e) => seen.push('exception ' + e.reason));
  addEventListener('securitypolicyviolation', (e) => seen.push('request ' + e.blockedURI));
};
const SEEN = () => window.__velortinProblems.concat(
  performance.getEntriesByType('resource').map((r) => 'request ' + r.name));

function freePort() {
  return new Promise((done, fail) => {
    const server = net.createServer().once('error', fail);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => done(port));
    });
  });
}

// The driver on a free port with one MiniBrowser session; DISPLAY names the X server.
export async function launch() {
  const port = await freePort();
  // Its own process group, so that MiniBrowser goes with it even when a test dies early.
  const driver = spawn(DRIVER, [`--port=${port}`], { stdio: 'ignore', detached: true });
  const end = () => { try { process.kill(-driver.pid); } catch { /* already gone */ } };
  process.once('exit', end);
  driver.unref();
  const base = `http://127.0.0.1:${port}`;
  async function call(method, path, body) {
    const response = await fetch(base + path, {
      method, body: JSON.stringify(body), headers: { 'content-type': 'application/json' } });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`${method} ${path}: ${value.error}: ${value.message}`);
    return value;
  }
  for (let tries = 0; ; tries++) {
    try { if ((await call('GET', '/status')).ready) break; } catch (e) { if (tries > 99) throw e; }
    await new Promise((done) => setTimeout(done, 50));
  }
  const { sessionId } = await call('POST', '/session', { capabilities: { alwaysMatch: {
    'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] } } } });
  const session = (method, path, body) => call(method, `/session/${sessionId}${path}`, body);
  let current;
  return {
    // One window, so a fresh page is a fresh load in it.
    async open(url, problems) {
      await current?.close();
      await session('POST', '/url', { url });
      current = page(session, problems);
      await current.evaluate(WATCH);
      return current;
    },
    async close() {
      await current?.close();
      await session('DELETE', '');
      end();
    },
  };
}

function page(session, problems) {
  const evaluate = (fn, ...args) =>
    session('POST', '/execute/sync', { script: `return (${fn}).apply(null, arguments)`, args });
  const keys = (actions) => session('POST', '/actions', {
    actions: [{ type: 'key', id: 'keyboard', actions }] });
  const code = (key) => KEYS[key] ?? key;
  let open = true;
  return {
    evaluate,
    focus: (selector) => evaluate((s) => document.querySelector(s).focus(), selector),
    async click(selector) {
      const found = await session('POST', '/element', { using: 'css selector', value: selector });
      await session('POST', `/element/${found[ELEMENT]}/click`, {});
    },
    keyboard: {
      down: (key) => keys([{ type: 'keyDown', value: code(key) }]),
      up: (key) => keys([{ type: 'keyUp', value: code(key) }]),
      press: (key) => keys([{ type: 'keyDown', value: code(key) },
                            { type: 'keyUp', value: code(key) }]),
      type: (text) => keys([...text].flatMap((c) => [{ type: 'keyDown', value: c },
                                                     { type: 'keyUp', value: c }])),
    },
    // Hands the page's own list of problems over before the page goes.
    async close() {
      if (open) problems.push(...await evaluate(SEEN));
      open = false;
    },
  };
}
