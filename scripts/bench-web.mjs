// node scripts/bench-web.mjs [SITE]: the web edition's benchmark, medians of
// 20 runs in headless Chromium against the local server (build the site
// first: scripts/serve-web.sh builds it, or cmake --build --preset web):
//   - everything the page loads, gzipped (-9), in bytes;
//   - from navigation to the first click handled (SCORES: Highscores, whose
//     total shows in its box), on a first visit in a fresh profile and on a
//     repeat visit;
//   - a button's work: Preflop answers and Tilt Sensor answers, from the
//     click to the program being idle again (neither pauses);
//   - the browser's own share of the first visit: the same measure on a bare
//     page of one button whose click fills one box at once;
//   - where the site's visits spend their time: when the page asked for the
//     program and when its file was in, and the page's own marks of its
//     start (main.js, storage.js).
import { mkdtempSync, readFileSync, realpathSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launch, startServer } from '../tests/web/browser/harness.mjs';

const runs = Number(process.env.VELMO_BENCH_RUNS ?? 20);
// The site folder as the build names it, as scripts/common.sh finds it.
const site = process.argv[2] ?? readFileSync('build/web/site-folder.txt', 'utf8').trim();
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const server = await startServer(realpathSync(site));

// Sizes, from one visit.
let browser = await launch();
let page = await browser.context.newPage();
const bodies = new Map();
page.on('response', async (response) => {
  if (response.status() === 200) bodies.set(response.url(), await response.body());
});
await page.goto(server.url);
await page.waitForSelector('body[data-ready="true"]');
await page.evaluate(() => navigator.serviceWorker.ready);
let gzipped = 0;
for (const [url, body] of bodies) {
  const size = gzipSync(body, { level: 9 }).length;
  gzipped += size;
  console.log(`  ${String(size).padStart(7)} B gzipped  ${String(body.length).padStart(7)} B  ${new URL(url).pathname}`);
}
console.log(`everything the page loads, gzipped: ${gzipped} B (${(gzipped / 1024).toFixed(1)} KiB)`);

// A button's work.
const timePresses = (ids) => page.evaluate(async (controls) => {
  const press = (id) => new Promise((resolve) => {
    const started = performance.now();
    const watch = new MutationObserver(() => {
      if (document.body.dataset.busy === 'false') {
        watch.disconnect();
        resolve(performance.now() - started);
      }
    });
    watch.observe(document.body, { attributes: true, attributeFilter: ['data-busy'] });
    document.getElementById(`control${id}`).click();
  });
  const times = [];
  for (const [start, answer] of controls) {
    await press(start);
    times.push(await press(answer));
  }
  return times;
}, ids);
const preflop = await timePresses(Array.from({ length: runs }, () => [1042, 1044]));
const tilt = await timePresses(Array.from({ length: runs }, () => [1007, 1009]));
console.log(`a Preflop answer, click to idle: median ${median(preflop).toFixed(2)} ms`);
console.log(`a Tilt Sensor answer, click to idle: median ${median(tilt).toFixed(2)} ms`);
await browser.close();

// Navigation to the first click handled: a first visit in a fresh profile,
// and a repeat visit (the service worker and the compiled program kept).
// The click is made as soon as the page says it is ready; it is handled
// when the page writes the total into its box, which the box itself
// reports (polling it with timers would add up to their 4 ms clamp), on
// the console.  Nothing is asked of the page before that: Playwright's
// page.evaluate() runs its own script on the page's main thread, which a
// visit still starting would pay for (some 14 ms, traced) and the bare
// page, done by then, would not.
const firstClickScript = () => {
  new MutationObserver((changes, watch) => {
    if (document.body?.dataset.ready !== 'true') return;
    watch.disconnect();
    const box = document.getElementById('control1029');
    const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
    Object.defineProperty(box, 'value', {
      get() { return value.get.call(this); },
      set(text) {
        value.set.call(this, text);
        if (text) console.debug(`velmo-first-click ${performance.now()}`);
      },
    });
    document.getElementById('control1028').click();
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
};
// One visit in a fresh profile; with `repeat`, the same page visited again
// once its service worker is ready.
const steps = () => {
  const program = performance.getEntriesByType('resource').find((entry) => entry.name.endsWith('.wasm'));
  return {
    'program asked for': program?.startTime,
    'program file in': program?.responseEnd,
    ...Object.fromEntries(performance.getEntriesByType('mark')
      .filter((mark) => mark.name.startsWith('velmo:')).map((mark) => [mark.name.slice(6), mark.startTime])),
  };
};
const firstClickOf = async (url) => {
  const said = new Promise((resolve) => {
    const listen = (message) => {
      if (!message.text().startsWith('velmo-first-click ')) return;
      page.off('console', listen);
      resolve(Number(message.text().split(' ')[1]));
    };
    page.on('console', listen);
  });
  await page.goto(url, { waitUntil: 'commit' });
  return said;
};
const visit = async (url, { repeat }) => {
  browser = await launch();
  await browser.context.addInitScript(firstClickScript);
  page = await browser.context.newPage();
  const first = await firstClickOf(url);
  const firstSteps = await page.evaluate(steps);
  let again;
  let againSteps;
  if (repeat) {
    await page.evaluate(() => navigator.serviceWorker.ready);
    again = await firstClickOf(url);
    againSteps = await page.evaluate(steps);
  }
  await browser.close();
  return { first, repeat: again, steps: { first: firstSteps, repeat: againSteps } };
};

// The bare page, with a policy of its own, as the local server takes the
// page's policy from its index.html.
const bare = mkdtempSync(join(tmpdir(), 'velmo-bare-page-'));
writeFileSync(join(bare, 'index.html'), '<!doctype html><html lang="en"><head><meta charset="utf-8">' +
  '<meta http-equiv="Content-Security-Policy" content="default-src \'self\'"><title>Bare</title>' +
  '<script type="module" src="bare.js"></script></head><body><button id="control1028">Highscores</button>' +
  '<input id="control1029" aria-label="Total"></body></html>\n');
writeFileSync(join(bare, 'bare.js'), "document.getElementById('control1028').addEventListener('click', () => {\n" +
  "  document.getElementById('control1029').value = '0';\n});\ndocument.body.dataset.ready = 'true';\n");
const bareServer = await startServer(bare);

// The site's visits and the bare page's taken in turn, so that whatever
// else the machine does meanwhile weighs on both alike.
const times = { first: [], repeat: [], bare: [] };
const siteSteps = { first: [], repeat: [] };
for (let run = 0; run < runs; ++run) {
  const site = await visit(server.url, { repeat: true });
  times.first.push(site.first);
  times.repeat.push(site.repeat);
  siteSteps.first.push({ ...site.steps.first, 'first click handled': site.first });
  siteSteps.repeat.push({ ...site.steps.repeat, 'first click handled': site.repeat });
  times.bare.push((await visit(bareServer.url, { repeat: false })).first);
}
server.stop();
bareServer.stop();
rmSync(bare, { recursive: true, force: true });

const report = (name, values) => console.log(`navigation to the first click handled, ${name}: median ` +
  `${median(values).toFixed(0)} ms (range ${Math.min(...values).toFixed(0)}-${Math.max(...values).toFixed(0)})`);
report('first visit (fresh profile)', times.first);
report('repeat visit', times.repeat);
report('a bare page, first visit (the browser\'s own share)', times.bare);
console.log(`first visit ${(median(times.first) / median(times.bare)).toFixed(2)}x the bare page's, ` +
  `repeat visit ${(median(times.repeat) / median(times.bare)).toFixed(2)}x`);
for (const visitKind of ['first', 'repeat']) {
  console.log(`where a ${visitKind} visit spends its time, medians from navigation:`);
  const names = Object.keys(siteSteps[visitKind][0]);
  const at = names.map((name) => [name, median(siteSteps[visitKind].map((step) => step[name] ?? Infinity))]);
  for (const [name, time] of at.sort((a, b) => a[1] - b[1])) console.log(`  ${time.toFixed(0).padStart(5)} ms  ${name}`);
}
