// 200 seeded cases typed into the page against the native velortin-calc --batch, byte for
// byte; and velortin-calc for Node against the native one, on the same lines and commands.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { test } from 'node:test';
import { launch, open, SEVEN, state } from './browser.mjs';

const NATIVE = process.env.VELORTIN_NATIVE_CALC || 'build/native/cli/velortin-calc';
const NODE_CALC = process.env.VELORTIN_NODE_CALC || 'build/web/velortin-calc.mjs';

// mulberry32: the same cases on every run.
function generator(seed) {
  return (n) => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return (((t ^ (t >>> 14)) >>> 0) % n);
  };
}

// Mostly numbers in the forms the reader takes, some that it rejects, some stray bytes.
function field(r) {
  const whole = String(1 + r(3000));
  const forms = [
    whole, `${whole}.${r(1000)}`, `${r(9) + 1},${String(r(1000)).padStart(3, '0')}`,
    `${r(400)}%`, `${r(90) + 1}e${r(3)}`, `${r(9) + 1}.${r(9)}E-${r(2)}`, `.${r(99)}`,
    '0', '-5', '', ' 5', '5 ', '1.2.3', '12abc', 'é5', '½', '1e', '50%%',
  ];
  return forms[r(10) < 8 ? r(7) : 7 + r(forms.length - 7)];
}

const r = generator(1405);
const all = Array.from({ length: 200 }, () => ({ lists: [r(3), r(5), r(5), r(5)],
                                                 texts: [1, 2, 3, 4, 5].map(() => field(r)) }));

function run(program, args, input) {
  const node = program.endsWith('.mjs');
  const done = spawnSync(node ? process.execPath : program, node ? [program, ...args] : args,
                         { input });
  const text = (bytes) => bytes.toString('latin1');
  return { status: done.status, out: text(done.stdout), err: text(done.stderr) };
}

const batch = Buffer.from(all.map((c) => [...c.lists, ...c.texts].join('\t') + '\n').join(''),
                          'latin1');

test('the page gives the native batch answers, byte for byte', async () => {
  const native = run(NATIVE, ['--batch'], batch);
  assert.equal(native.status, 0, native.err);
  const browser = await launch();
  const problems = [];
  const page = await open(browser, undefined, problems);
  const lines = [];
  for (const c of all) {
    // The lists first: a new unit rewrites the fields.
    await page.evaluate((c, seven) => {
      ['printer_type', 'input_units', 'output_units', 'distance_units'].forEach((id, i) => {
        const list = document.getElementById(id);
        list.selectedIndex = c.lists[i];
        list.dispatchEvent(new Event('change'));
      });
      seven.filter((id) => document.getElementById(id).localName === 'input')
        .concat('printer_resolution').forEach((id, i) => {
          document.getElementById(id).value = c.texts[i];
          document.getElementById(id).dispatchEvent(new Event('input'));
        });
    }, c, SEVEN);
    await page.focus('#input_width');
    await page.keyboard.press('Enter');
    const got = await state(page);
    lines.push(got.marked ? 'ERROR' : got.texts.replaceAll('|', '\t'));
  }
  await browser.close();
  const expected = native.out.split('\n').slice(0, -1);
  for (let i = 0; i < all.length; i++)
    assert.equal(lines[i], expected[i], `case ${i + 1}: ${JSON.stringify(all[i])}`);
  assert.ok(expected.includes('ERROR') && expected.some((l) => l !== 'ERROR'), 'cases too alike');
  assert.deepEqual(problems, []);
});

test('velortin-calc for Node answers as the native one', () => {
  const commands = [
    ['--batch'], ['--batch', '--format', 'text'], ['--batch', '--format', 'csv'],
    ['--batch', '--format', 'json', '--scanner', '2400'],
    ['--original', '6x7', '--print', 'a3', '--fit', 'fill', '--scanner', '4000'],
    ['--printer', 'press', '--output-units', 'cm', '36', '24', '30', '50', '150'],
    ['24', '36', '8', '0', '720'], ['--format', 'json', '24', '36', '8', 'x', '720'],
    ['--bogus'], ['--fit', 'wide'], ['--help'], ['--version'],
  ];
  for (const args of commands) {
    const input = args[0] === '--batch' ? batch : '';
    assert.deepEqual(run(NODE_CALC, args, input), run(NATIVE, args, input), args.join(' '));
  }
});
