// The practice log and the Progress view on the page: the log the page keeps
// for a Preflop session by clicks is the replay tool's, line for line and
// time for time; the view shows the sessions and the last session's
// mistakes; Export downloads the log as kept; Load log merges without
// duplicates and refuses what is not a log; Stop the log asks first; and
// the view on a phone, from the bar.  Screenshots at 1280x800, light and
// dark, and on a phone at 3x.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { launch, openPage, openRecordedPage, pageAndReplay, replayScript, settle, startServer, ticksOf } from './harness.mjs';

const shots = process.env.VELMO_WEB_SCREENSHOTS;
let server;
before(async () => {
  server = await startServer();
  mkdirSync(shots, { recursive: true });
});
after(() => server.stop());

// The page's wall clock as the log writes it, e.g. 2030-01-01T00:01:00.000+00:00.
const logTimeOf = (page) => page.evaluate(() => {
  const now = new Date();
  const offset = -now.getTimezoneOffset();
  const local = new Date(now.getTime() + offset * 60000).toISOString().slice(0, 23);
  const hours = String(Math.floor(Math.abs(offset) / 60)).padStart(2, '0');
  return `${local}${offset < 0 ? '-' : '+'}${hours}:${String(Math.abs(offset) % 60).padStart(2, '0')}`;
});

// The log the Linux replay keeps for `lines` from `tick` and `time`.
function replayLog(lines, tick, time) {
  const folder = mkdtempSync(join(tmpdir(), 'velmo-replay-'));
  try {
    writeFileSync(join(folder, 'Practice-log.csv'), '');
    execFileSync(process.env.VELMO_LINUX_REPLAY, ['--tick', String(tick), '--log-time', time], { cwd: folder, input: lines.join('\n') + '\n' });
    return readFileSync(join(folder, 'Practice-log.csv'), 'utf8');
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

async function openView(page) {
  await page.click('#progress');
  await page.waitForSelector('dialog.progress[open] .progress-state:not(:empty)');
  await settle(page);
}

async function exported(page) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('dialog.progress button:text-is("Export")')]);
  assert.equal(download.suggestedFilename(), 'Practice-log.csv');
  return readFileSync(await download.path(), 'utf8');
}

const rowsOf = (page, caption) => page.locator(`dialog.progress table:has(caption:text-is("${caption}")) tbody tr`);

test('the page logs a Preflop session as the replay does; the view shows it; Export gives the same lines', async (t) => {
  const browser = await launch();
  t.after(() => browser.close());
  const page = await openRecordedPage(browser.context, server.url);
  await openView(page);
  assert.match(await page.textContent('.progress-state'), /off/);
  await page.click('dialog.progress button:text-is("Keep a practice log")');
  await page.waitForSelector('dialog.progress button:text-is("Stop the practice log")');
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('dialog.progress').isVisible(), false, 'Escape closes the view');

  const lines = replayScript('preflop');
  const [tick, time] = [await ticksOf(page), await logTimeOf(page)];
  const { web, replay } = await pageAndReplay(page, lines);
  assert.deepEqual(web, replay, 'the log changes nothing the player sees');
  await openView(page);
  const log = await exported(page);
  assert.equal(log, replayLog(lines, tick, time));

  // A row per session (the script's answers after the tenth each end one
  // of their own); the last session's mistakes end with the last wrong
  // answer, as shown and as timed.
  const records = log.trim().split('\n').slice(1);
  const ends = records.filter((line) => line.includes(',preflop,session-end,'));
  assert.equal(await rowsOf(page, 'Preflop Situation Trainer sessions').count(), ends.length);
  const wrong = records.filter((line) => line.includes(',preflop,answer,') && line.split(',').at(-7) === 'no');
  const mistakes = rowsOf(page, 'Preflop Situation Trainer: The last session\'s mistakes');
  assert.ok((await mistakes.count()) >= 1, 'the script ends on a wrong answer');
  const [situation, , , taken] = await mistakes.last().locator('td').allTextContents();
  assert.ok(wrong.at(-1).includes(situation), `the situation as shown: ${situation}`);
  const tenths = Math.floor((Number(wrong.at(-1).split(',').at(-6)) + 50) / 100); // halves up, as the program rounds
  assert.equal(taken, `${Math.floor(tenths / 10)}.${tenths % 10} s`);

  await page.screenshot({ path: `${shots}/progress-1280x800.png` });
  await page.emulateMedia({ colorScheme: 'dark' });
  await page.screenshot({ path: `${shots}/progress-1280x800-dark.png` });
});

test('Load log merges without duplicates and refuses another file; Stop the log asks, then deletes it', async (t) => {
  const browser = await launch();
  t.after(() => browser.close());
  const page = await openPage(browser.context, server.url);
  await openView(page);
  await page.click('dialog.progress button:text-is("Keep a practice log")');
  await page.waitForSelector('dialog.progress button:text-is("Stop the practice log")');
  const header = await exported(page);
  const line = (day, score) => `1,2026-12-0${day}T10:00:00.000+01:00,range,done,,,,,,,,${score},no,\n`;
  const load = async (name, text) => {
    await page.setInputFiles('dialog.progress input[type=file]', { name, mimeType: 'text/csv', buffer: Buffer.from(text) });
    await page.waitForSelector('#message[open]');
    const said = await page.textContent('#message-text');
    await page.click('#message-ok');
    return said;
  };
  assert.equal(await load('a.csv', header + line(1, 10) + line(2, 20)), 'Added 2 lines to the practice log; 0 were already in it.');
  assert.equal(await load('b.csv', header + line(2, 20) + line(3, 30)), 'Added 1 line to the practice log; 1 was already in it.');
  assert.equal(await exported(page), header + line(1, 10) + line(2, 20) + line(3, 30));
  assert.match(await load('Highscores.txt', '[Highscores]\n1=20\n'), /not a practice log/);
  assert.equal(await exported(page), header + line(1, 10) + line(2, 20) + line(3, 30));

  // A long log: the view's reading folds full batches of 2,000 lines into
  // one record each, and the log reads and exports as it was.
  const many = Array.from({ length: 4500 }, (_, i) => line(4, i)).join('');
  assert.match(await load('many.csv', header + many), /^Added 4500 lines/);
  await page.selectOption('#progress-span', '2');
  await page.waitForFunction(() => [...document.querySelectorAll('dialog.progress caption')]
    .some((caption) => caption.textContent === 'Manual Range Practice sessions' && caption.parentElement.tBodies[0].rows.length === 4503));
  assert.equal(await page.evaluate(() => new Promise((resolve) => {
    const opening = indexedDB.open('velmorandine-log');
    opening.onsuccess = () => {
      const count = opening.result.transaction('chunks').objectStore('chunks').count();
      count.onsuccess = () => { opening.result.close(); resolve(count.result); };
    };
  })), 2);
  assert.equal(await exported(page), header + line(1, 10) + line(2, 20) + line(3, 30) + many);

  await page.click('dialog.progress button:text-is("Stop the practice log")');
  await page.click('dialog.progress button:text-is("Keep it")');
  assert.equal((await exported(page)).length > header.length, true, 'kept when the player says so');
  await page.click('dialog.progress button:text-is("Stop the practice log")');
  await page.click('dialog.progress button:text-is("Delete the log")');
  await page.waitForSelector('dialog.progress button:text-is("Keep a practice log")');
  assert.equal(await page.evaluate(() => new Promise((resolve) => {
    const opening = indexedDB.open('velmorandine-log');
    opening.onsuccess = () => {
      const count = opening.result.transaction('lines').objectStore('lines').count();
      count.onsuccess = () => { opening.result.close(); resolve(count.result); };
    };
  })), 0);
});

// Preflop's Start/Next and an answer, `rounds` times, each handled (and any
// message box answered) before the next, on the page's own clock.
const playPreflop = (page, rounds) => page.evaluate(async (count) => {
  const message = document.getElementById('message');
  const handled = () => new Promise((resolve) => {
    const look = () => {
      if (message.open) document.getElementById('message-ok').click();
      if (document.body.dataset.busy === 'false' && !message.open) resolve();
      else setTimeout(look, 5);
    };
    setTimeout(look, 0);
  });
  for (let i = 0; i < count; ++i) {
    for (const id of [1042, 1044]) {
      document.getElementById(`control${id}`).click();
      await handled();
    }
  }
}, rounds);

test('two tabs playing at once, one of which turned the log on, lose and repeat no line', async (t) => {
  const browser = await launch();
  t.after(() => browser.close());
  const [first, second] = [await openPage(browser.context, server.url), await openPage(browser.context, server.url)];
  await openView(first);
  await first.click('dialog.progress button:text-is("Keep a practice log")');
  await first.waitForSelector('dialog.progress button:text-is("Stop the practice log")');
  await first.keyboard.press('Escape');
  const records = async () => {
    await openView(first);
    const log = (await exported(first)).trim().split('\n').slice(1);
    await first.keyboard.press('Escape');
    return log;
  };
  await playPreflop(first, 12);
  const alone = (await records()).length;
  assert.ok(alone >= 12, 'every answer logged');
  await first.reload(); // both tabs start their sessions afresh
  await first.waitForSelector('body[data-ready="true"]');
  await Promise.all([playPreflop(first, 12), playPreflop(second, 12)]);
  const both = await records();
  assert.equal(both.length, 3 * alone);
  assert.equal(new Set(both).size, both.length, 'no line twice');
});

test('a storage that refuses the log\'s lines costs no score and shows no message; the view says since when', async (t) => {
  const browser = await launch();
  t.after(() => browser.close());
  const page = await openRecordedPage(browser.context, server.url);
  await openView(page);
  await page.click('dialog.progress button:text-is("Keep a practice log")');
  await page.waitForSelector('dialog.progress button:text-is("Stop the practice log")');
  await page.keyboard.press('Escape');
  await page.evaluate(() => {
    IDBObjectStore.prototype.add = () => { throw new DOMException('the disk is full', 'QuotaExceededError'); };
  });
  const time = await logTimeOf(page);
  const { web, replay } = await pageAndReplay(page, replayScript('preflop').slice(0, 24));
  assert.deepEqual(web, replay, 'every box and message as without a log');
  await openView(page);
  assert.equal(await page.textContent('.progress-state'), `The practice log is on, but could not be written since ${time.slice(0, 10)} ${time.slice(11, 16)}: answers since then are missing from it. Your scores are kept as always.`);
});

test('on a phone the bar opens the view over a loaded log: targets of 44x44, no sideways scroll down to 320 px, no accessibility violation', async (t) => {
  const browser = await launch({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true, bypassCSP: true });
  t.after(() => browser.close());
  const page = await openPage(browser.context, server.url);
  await page.tap('#panel-bar button:text-is("Progress")');
  await page.waitForSelector('dialog.progress[open] .progress-state:not(:empty)');
  await page.tap('dialog.progress button:text-is("Keep a practice log")');
  await page.waitForSelector('dialog.progress button:text-is("Stop the practice log")');
  const yesterday = new Date(Date.now() - 24 * 60 * 60 * 1000).toISOString().replace('Z', '+00:00');
  const log = replayLog(replayScript('preflop'), 100000, yesterday);
  await page.setInputFiles('dialog.progress input[type=file]', { name: 'Practice-log.csv', mimeType: 'text/csv', buffer: Buffer.from(log) });
  await page.waitForSelector('#message[open]');
  await page.tap('#message-ok');
  await page.waitForSelector('dialog.progress .progress-chart');
  for (const width of [390, 320]) {
    await page.setViewportSize({ width, height: 844 });
    const layout = await page.evaluate(() => {
      const view = document.querySelector('dialog.progress');
      return {
        small: [...view.querySelectorAll('button, select')].filter((e) => e.checkVisibility())
          .map((e) => e.getBoundingClientRect()).filter((box) => box.width < 44 || box.height < 44).length,
        sideways: view.scrollWidth - view.clientWidth,
      };
    });
    assert.deepEqual(layout, { small: 0, sideways: 0 }, `at ${width} px`);
  }
  await page.setViewportSize({ width: 390, height: 844 });
  await page.screenshot({ path: `${shots}/progress-phone-390x844@3x.png` });
  await page.locator('dialog.progress table').first().scrollIntoViewIfNeeded();
  await page.screenshot({ path: `${shots}/progress-phone-390x844@3x-tables.png` });
  await page.evaluate(readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8'));
  assert.deepEqual(await page.evaluate(async () => (await globalThis.axe.run(document.querySelector('dialog.progress'))).violations.map((v) => v.id)), []);
});
