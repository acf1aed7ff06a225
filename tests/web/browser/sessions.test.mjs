// Whole sessions clicked through in the browser, on a test clock, against
// the Linux replay tool given the same clicks, waits and start tick.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { click, effectsOf, launch, openRecordedPage, pageAndReplay, replay, replayScript, settle, startServer, ticksOf } from './harness.mjs';

let server;
let browser;
before(async () => {
  server = await startServer();
  browser = await launch();
});
after(async () => {
  assert.deepEqual(browser.foreign, [], 'no request leaves the site');
  await browser.close();
  server.stop();
});

async function sameAsReplay(lines) {
  const page = await openRecordedPage(browser.context, server.url);
  const { web, replay: expected } = await pageAndReplay(page, lines);
  assert.ok(expected.length >= 8, 'the replay showed enough to compare');
  assert.deepEqual(web, expected);
  await page.close();
}

test('two Preflop sessions with slow, fast and every kind of answer', () => sameAsReplay(replayScript('preflop')));
test('two RE/Odds sessions, folding and calling', () => sameAsReplay(replayScript('odds')));
test('the Tilt Sensor to a verdict, extra answers, Reset and a second round', () => sameAsReplay(replayScript('tilt')));
test('every Help box shows its text with the caption, as in the replay', () =>
  sameAsReplay([1001, 1006, 1013, 1020, 1026, 1030, 1033, 1041].map((id) => `press ${id}`)));

test('clicks made during a pause are handled after it, in order', async () => {
  const page = await openRecordedPage(browser.context, server.url);
  const tick = await ticksOf(page);
  // Tournaments' Start/Next pauses: the clock stands still until told, so
  // the next clicks all land while it pauses.
  const clicks = [1032, 1035, 1036, 1032, 1044, 1042, 1027];
  for (const id of clicks) await click(page, id);
  assert.equal(await page.evaluate(() => document.body.dataset.busy), 'true', 'the first press is still pausing');
  assert.ok((await effectsOf(page)).length < 2, 'nothing after the pause ran yet');
  await settle(page);
  assert.deepEqual(await effectsOf(page), replay(clicks.map((id) => `press ${id}`), tick));
  await page.close();
});
