// node scripts/bench-web-log.mjs [SITE]: the web edition's practice log at
// size, medians in headless Chromium against the local server (build the
// site and the Linux replay tool first: scripts/test-web.sh does both):
//   - a Preflop answer's work, click to idle, with the log off, and on over
//     100,000 lines (three years of a session a minute, made by the replay
//     tool from the Preflop comparison script);
//   - Load log of those lines;
//   - the Progress view opened over them, click to its next frame (7 runs);
//   - IndexedDB's own reading of the lines, for comparison.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { launch, openPage, startServer } from '../tests/web/browser/harness.mjs';

const site = process.argv[2] ?? readFileSync('build/web/site-folder.txt', 'utf8').trim();
const replayTool = resolve(process.env.VELMO_REPLAY ?? 'build/test/tools/replay/velmorandine-replay');
const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const folder = mkdtempSync(join(tmpdir(), 'velmo-log-bench-'));
writeFileSync(join(folder, 'Practice-log.csv'), '');
const script = readFileSync('tests/windows/replay/preflop.txt', 'utf8').split('\n').filter((l) => l && !l.startsWith('#')).join('\n') + '\n';
execFileSync(replayTool, ['--log-time', '2020-01-01T00:00:00.000+00:00'], { cwd: folder, input: script });
const [header, ...records] = readFileSync(join(folder, 'Practice-log.csv'), 'utf8').trim().split('\n');
let lines = [];
const start = Date.now() - 3 * 365 * 864e5;
for (let i = 0; lines.length < 100000; ++i) {
  const record = records[i % records.length];
  const time = new Date(start + i * 60000).toISOString().replace('Z', '+00:00');
  lines.push(record.replace(/^1,[^,]+,/, `1,${time},`));
}
const file = `${header}\n${lines.join('\n')}\n`;
rmSync(folder, { recursive: true, force: true });

const server = await startServer(site);
const browser = await launch();
const page = await openPage(browser.context, server.url);
const timePresses = (ids) => page.evaluate(async (controls) => {
  const press = (id) => new Promise((resolve) => {
    const started = performance.now();
    const watch = new MutationObserver(() => {
      if (document.body.dataset.busy === 'false') { watch.disconnect(); resolve(performance.now() - started); }
    });
    watch.observe(document.body, { attributes: true, attributeFilter: ['data-busy'] });
    document.getElementById(`control${id}`).click();
  });
  const times = [];
  for (const [s, a] of controls) { await press(s); times.push(await press(a)); }
  return times;
}, ids);
const presses = Array.from({ length: 20 }, () => [1042, 1044]);
console.log(`log off: a Preflop answer, click to idle, median ${median(await timePresses(presses)).toFixed(2)} ms`);
await page.click('#progress');
await page.waitForSelector('dialog.progress[open] .progress-state:not(:empty)');
await page.click('dialog.progress button:text-is("Keep a practice log")');
await page.waitForSelector('dialog.progress button:text-is("Stop the practice log")');
let t0 = Date.now();
await page.setInputFiles('dialog.progress input[type=file]', { name: 'big.csv', mimeType: 'text/csv', buffer: Buffer.from(file) });
await page.waitForSelector('#message[open]');
console.log(`Load log of ${lines.length} lines: ${Date.now() - t0} ms: ${await page.textContent('#message-text')}`);
await page.click('#message-ok');
await page.waitForFunction(() => document.body.dataset.busy === 'false');
await page.keyboard.press('Escape');
console.log(`log on, 100k lines: a Preflop answer, click to idle, median ${median(await timePresses(presses)).toFixed(2)} ms`);
const opens = [];
for (let i = 0; i < 7; ++i) {
  opens.push(await page.evaluate(() => new Promise((resolve) => {
    const started = performance.now();
    const view = document.querySelector('dialog.progress');
    const watch = new MutationObserver(() => {
      if (view.open && document.body.dataset.busy === 'false') { watch.disconnect(); requestAnimationFrame(() => resolve(performance.now() - started)); }
    });
    watch.observe(document.body, { attributes: true, subtree: true, attributeFilter: ['data-busy', 'open'] });
    document.getElementById('progress').click();
  })));
  await page.keyboard.press('Escape');
}
console.log(`the view opened over 100k lines (to the next frame): median ${median(opens).toFixed(0)} ms (${opens.map((v) => v.toFixed(0)).join(', ')})`);
const reads = await page.evaluate(async () => {
  const db = await new Promise((resolve) => { const o = indexedDB.open('velmorandine-log'); o.onsuccess = () => resolve(o.result); });
  const settle = (r) => new Promise((resolve) => { r.onsuccess = () => resolve(r.result); });
  const t0 = performance.now();
  let after = 0, n = 0, bytes = 0;
  for (;;) {
    const store = db.transaction('lines').objectStore('lines');
    const range = IDBKeyRange.lowerBound(after, true);
    const [values, keys] = await Promise.all([settle(store.getAll(range, 2000)), settle(store.getAllKeys(range, 2000))]);
    const text = values.join(''); bytes += text.length; n += values.length;
    if (values.length < 2000) break;
    after = keys[keys.length - 1];
  }
  const t1 = performance.now();
  return { ms: t1 - t0, n, bytes };
});
console.log('IndexedDB reads alone', JSON.stringify(reads));
const memory = await page.evaluate(() => performance.memory?.usedJSHeapSize);
console.log(`JS heap after: ${(memory / 1e6).toFixed(1)} MB`);
await browser.close();
server.stop();
