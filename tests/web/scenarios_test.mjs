// The window's scenarios replayed on the page: after each step the same seven texts, the
// same Compute state, and a rejection marked where the window shows its message box.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { test } from 'node:test';
import { choose, launch, open, retype, state } from './browser.mjs';

const file = process.argv[2] || 'tests/calculator_scenarios.txt';
const scenarios = [];
for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
  if (line.startsWith('== ')) scenarios.push({ name: line.slice(3), steps: [] });
  else if (line && !line.startsWith('#') && !line.startsWith('focus '))
    scenarios.at(-1).steps.push(line.split('|').map((part) => part.trim()));
}

async function step(page, words) {
  const [verb, id, arg] = words.split(' ');
  const target = `[data-id="${id}"]`;
  if (verb === 'set') await retype(page, target, arg);
  else if (verb === 'click') await page.click(target);
  else if (verb === 'key') await page.keyboard.press('Enter');
  else if (['pick', 'drag', 'choose'].includes(verb)) await choose(page, target, Number(arg));
  // start does nothing, and the page has no box to close: its message stays in place.
}

test('the window scenarios on the page', async () => {
  assert.ok(scenarios.length > 10, 'too few scenarios in ' + file);
  const browser = await launch();
  try {
    for (const scenario of scenarios) {
      const problems = [];
      const page = await open(browser, undefined, problems);
      let mark = 0;  // the page keeps a rejection marked until an accepted Compute
      for (const [words, ...expected] of scenario.steps) {
        const computing = words === 'key enter' || (words === 'click 101' &&
                                                    (await state(page)).compute === 'on');
        await step(page, words);
        if (expected.length < 8) continue;
        const rejected = expected[8] ? Number(expected[8].split(' ')[1]) : 0;
        if (rejected || computing) mark = rejected;
        const got = await state(page);
        const where = `${scenario.name}, after "${words}"`;
        assert.equal(got.texts, expected.slice(0, 7).join('|'), where);
        assert.equal(got.compute, expected[7], where + ': Compute');
        assert.equal(got.marked, mark, where + ': the marked field');
        if (rejected) {
          assert.equal(got.focus, rejected, where + ': the focus');
          assert.equal(got.message, 'Physical dimensions must be > 0.0', where);
        }
      }
      await page.close();
      assert.deepEqual(problems, [], scenario.name);
    }
  } finally {
    await browser.close();
  }
});
