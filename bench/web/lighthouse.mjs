// Lighthouse's four scores for a served page, in Debian's chromium. A measure, not a test.
// Usage: node bench/web/lighthouse.mjs URL
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';

const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velortin-lighthouse-'));
const chrome = await chromeLauncher.launch({
  chromePath: '/usr/bin/chromium', userDataDir: profile,
  chromeFlags: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
try {
  const result = await lighthouse(process.argv[2], { port: chrome.port, logLevel: 'error',
    onlyCategories: ['performance', 'accessibility', 'best-practices', 'seo'] });
  const { categories, audits } = result.lhr;
  console.log('Lighthouse ' + result.lhr.lighthouseVersion + ': ' + Object.values(categories)
    .map((c) => `${c.title} ${Math.round(c.score * 100)}`).join(', '));
  // What kept a score below 100, if anything did.
  for (const category of Object.values(categories)) {
    for (const { id, weight } of category.auditRefs) {
      const audit = audits[id];
      if (weight > 0 && audit.score !== null && audit.score < 1)
        console.log(`  ${category.title}: ${audit.title} (${audit.displayValue ?? audit.score})`);
    }
  }
} finally {
  await chrome.kill();
  fs.rmSync(profile, { recursive: true, force: true });
}
