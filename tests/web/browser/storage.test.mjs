// The scores in the site's storage: kept across a reload and a browser
// restart, never lost between two tabs, loaded from a file only when it is
// a highscore list, and the page working offline after the first visit and
// installable; and each way the browser's storage has failed it: no Web
// Locks, a database that never opens, one at a higher version.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { click, launch, openPage, openRecordedPage, settle, startServer, storedScores } from './harness.mjs';

let server;
before(async () => { server = await startServer(); });
after(() => server.stop());

// Chooses `content` in "Load scores" and gives back the message shown.
async function loadScores(page, content) {
  await page.setInputFiles('#score-file', { name: 'Highscores.txt', mimeType: 'text/plain', buffer: Buffer.from(content) });
  await page.waitForSelector('#message[open]');
  const message = await page.locator('#message-text').textContent();
  await page.click('#message-ok');
  return message;
}

// Loads `content` as a score file in the page at the moment `at` (by the
// wall clock both pages share) and gives back the message shown.
const loadAt = (page, content, at) => page.evaluate(async ([text, when]) => {
  await new Promise((resolve) => setTimeout(resolve, when - Date.now()));
  const box = document.getElementById('message');
  const shown = new Promise((resolve) => {
    new MutationObserver((changes, watch) => {
      if (!box.open) return;
      watch.disconnect();
      resolve(document.getElementById('message-text').textContent);
    }).observe(box, { attributes: true, attributeFilter: ['open'] });
  });
  const files = new DataTransfer();
  files.items.add(new File([text], 'Highscores.txt', { type: 'text/plain' }));
  const input = document.getElementById('score-file');
  input.files = files.files;
  input.dispatchEvent(new Event('change'));
  const message = await shown;
  document.getElementById('message-ok').click();
  return message;
}, [content, at]);

// Round after round both tabs raise a slot of their own (0 and 1) at the
// same moment, each reading, changing and rewriting the whole list; both
// raises announced must stand.
async function race(first, second, rounds) {
  for (let round = 1; round <= rounds; ++round) {
    const at = Date.now() + 200;
    const messages = await Promise.all([loadAt(first, `${round} `, at), loadAt(second, `0 ${round} `, at)]);
    for (const message of messages) assert.match(message, /^Scores raised:/, `round ${round}`);
    assert.deepEqual((await storedScores(first)).split(' ').slice(0, 2), [String(round), String(round)], `round ${round}`);
  }
}

test('an announced highscore survives a reload and a browser restart', async (t) => {
  const first = await launch();
  t.after(() => first.close());
  let page = await openRecordedPage(first.context, server.url);
  // Forty-one Correct/Next (the first judges no hand), then Done: 100 % of 40.
  for (let i = 0; i < 41; ++i) {
    await click(page, 1003);
    await settle(page);
  }
  await click(page, 1002);
  await settle(page);
  assert.equal(await page.inputValue('#control1005'), 'Highscore! 20');
  assert.equal(await storedScores(page), '20 0 0 0 0 0 0 0 0 0 ');
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal(await storedScores(page), '20 0 0 0 0 0 0 0 0 0 ');
  await first.close({ keepProfile: true });

  const second = await launch({ profile: first.profile });
  t.after(() => second.close());
  page = await openPage(second.context, server.url);
  await click(page, 1028); // SCORES: Highscores sums the kept list
  await page.waitForFunction(() => document.getElementById('control1029').value !== '');
  assert.equal(await page.inputValue('#control1029'), '20');
  assert.equal(await storedScores(page), '20 0 0 0 0 0 0 0 20 0 ');
  assert.deepEqual(second.foreign, []);
  await second.close();
});

test('two tabs rewriting the list at once lose no raised score', async (t) => {
  const browser = await launch();
  t.after(() => browser.close());
  const [one, other] = [await openPage(browser.context, server.url), await openPage(browser.context, server.url)];
  // While one tab holds the highscore file's lock, the other's rewrite waits
  // for it instead of going ahead.
  await other.evaluate(() => new Promise((held) => {
    globalThis.released = navigator.locks.request('velmorandine:Highscores.txt', () => {
      held();
      return new Promise((resolve) => setTimeout(resolve, 800));
    });
  }));
  const started = Date.now();
  assert.match(await loadScores(one, '0 0 1 '), /^Scores raised:/);
  assert.ok(Date.now() - started >= 700, 'the rewrite waited for the other tab');
  await other.evaluate(() => globalThis.released);
  await race(one, other, 10);
  await browser.close();
});

test('a damaged, oversized or binary score file is refused and changes nothing', async (t) => {
  const browser = await launch();
  t.after(() => browser.close());
  const page = await openPage(browser.context, server.url);
  assert.match(await loadScores(page, '3 4 5 '), /^Scores raised:\nManual Range Practice: 0 to 3\nRE\/Odds: 0 to 4\n/);
  const kept = await storedScores(page);
  for (const content of ['7 8 nine ', '1 2 3 4 5 6 7 8 9 10 11 ', '9'.repeat(20), `9 ${' '.repeat(70 * 1024)}`,
    Buffer.from([0x39, 0x00, 0x20]), '']) {
    assert.match(await loadScores(page, content), /Nothing was changed\.$/);
    assert.equal(await storedScores(page), kept);
  }
  assert.match(await loadScores(page, '\ufeff1 2 '), /^No score in this file beats the one kept here/);
  await browser.close();
});

test('right after the first visit the page works offline, and it can be installed', async (t) => {
  const browser = await launch();
  t.after(() => browser.close());
  const page = await openPage(browser.context, server.url);
  // Kept as soon as the page has started, well within a second of the
  // navigation, not a second or more after the start.
  const kept = await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    return performance.now();
  });
  assert.ok(kept < 1000, `the site was kept ${kept} ms after the navigation`);
  const devtools = await browser.context.newCDPSession(page);
  const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);
  await browser.context.setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  await click(page, 1042);
  await page.waitForFunction(() => document.getElementById('control1052').value !== '');
  await browser.close();
});

test('on an insecure address without Web Locks two tabs racing lose no raised score; the player is told once',
  async (t) => {
    const host = 'velmorandine.test';
    const browser = await launch({ host });
    t.after(() => browser.close());
    const url = server.url.replace('127.0.0.1', host);
    const one = await openPage(browser.context, url);
    assert.deepEqual(await one.evaluate(() => [isSecureContext, 'locks' in navigator]), [false, false]);
    const other = await openPage(browser.context, url);
    await race(one, other, 10);
    assert.equal(await one.isVisible('#insecure-note'), true);
    assert.equal(await other.isVisible('#insecure-note'), false, 'told once');
    await browser.close();
  });

test('a database that never opens leaves Help working and ends in "Highscore list gone?" within about 2 s',
  async (t) => {
    const browser = await launch();
    t.after(() => browser.close());
    const holder = await openPage(browser.context, server.url);
    // A connection that ignores the delete it holds up (and is kept from
    // the garbage collector, which would close it): every open after it waits.
    await holder.evaluate(() => new Promise((resolve) => {
      const opening = indexedDB.open('velmorandine');
      opening.onsuccess = () => {
        globalThis.heldOpen = opening.result;
        indexedDB.deleteDatabase('velmorandine');
        resolve();
      };
    }));
    const page = await browser.context.newPage();
    await page.goto(server.url);
    await page.click('#control1041'); // Preflop's Help, queued behind the start
    await page.waitForSelector('#message[open]', { timeout: 4000 });
    assert.match(await page.locator('#message-text').textContent(), /common preflop situations/);
    await page.click('#message-ok');
    const asked = Date.now();
    await page.click('#control1028'); // SCORES: Highscores reads the list
    await page.waitForSelector('#message[open]', { timeout: 4000 });
    assert.equal(await page.locator('#message-text').textContent(), 'Highscore list gone?');
    assert.ok(Date.now() - asked < 3000);
    await browser.close();
  });

test('a database a later build raised to a higher version keeps working', async (t) => {
  const browser = await launch();
  t.after(() => browser.close());
  let page = await openPage(browser.context, server.url);
  await page.evaluate(() => new Promise((resolve) => {
    const opening = indexedDB.open('velmorandine', 7);
    opening.onsuccess = () => { opening.result.close(); resolve(); };
  }));
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.match(await loadScores(page, '0 5 '), /^Scores raised:\nRE\/Odds: 0 to 5\n/);
  assert.equal(await storedScores(page), '0 5 0 0 0 0 0 0 0 0 ');
  assert.equal(await page.evaluate(async () => (await indexedDB.databases())[0].version), 7);
  await browser.close();
});
