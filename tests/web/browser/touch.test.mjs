// The page on a phone: one panel at a time above a bar of the panels'
// captions, every target large enough for a finger and apart from the
// next, nothing to scroll sideways, a session by taps as the replay has it,
// and how it looks in portrait and landscape, light and dark.
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { launch, openPage, openRecordedPage, pageAndReplay, replayScript, startServer } from './harness.mjs';

const phone = (width, height, options = {}) =>
  ({ viewport: { width, height }, deviceScaleFactor: 3, isMobile: true, hasTouch: true, ...options });

let server;
before(async () => { server = await startServer(); });
after(() => server.stop());

// A finger's tap at the centre of `selector`, scrolled into view; straight
// through the touch screen, as a test clock stops the animation frames that
// Playwright's own tap() waits for.
async function tapAt(page, selector) {
  const control = page.locator(selector);
  await control.evaluate((element) => element.scrollIntoView({ block: 'center' }));
  const box = await control.boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

// Taps control `id`, choosing its panel in the bar first where it is hidden.
async function tap(page, id) {
  const control = page.locator(`#control${id}`);
  if (await control.isHidden()) {
    const panel = Number(await control.getAttribute('data-panel'));
    await tapAt(page, `#panel-bar button:nth-child(${panel + 1})`);
  }
  await tapAt(page, `#control${id}`);
}

// The shown targets of the panel and of the bar, as the page lays them out;
// each shown label with what follows it in reading order.
const targetsOf = (page) => page.evaluate(() => {
  const describe = (e) => ({ id: e.id || e.textContent, box: e.getBoundingClientRect().toJSON(), font: parseFloat(getComputedStyle(e).fontSize) });
  const shown = (selector) => [...document.querySelectorAll(selector)].filter((e) => e.checkVisibility()).map(describe);
  const read = [...document.querySelectorAll('#dialog *')].filter((e) => e.checkVisibility() && !e.children.length);
  return {
    panel: shown('#dialog button, #dialog input, #dialog textarea, #scores-transfer button'),
    bar: shown('#panel-bar button'),
    labels: read.flatMap((e, i) => (e.matches('.label') ? [{ label: describe(e), next: read[i + 1] && { ...describe(read[i + 1]), tag: read[i + 1].tagName } }] : [])),
    sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
  };
});

// The room between two boxes: the larger of the horizontal and vertical gaps.
const gap = (a, b) => Math.max(b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom);

test('at 390x844, 844x390 and 320x568 every panel has targets of 44x44, 8 px apart, 16 px text, no sideways scroll',
  async (t) => {
    for (const [width, height] of [[390, 844], [844, 390], [320, 568]]) {
      const browser = await launch(phone(width, height));
      t.after(() => browser.close());
      const page = await openPage(browser.context, server.url);
      const captions = await page.locator('#panel-bar button').allTextContents();
      assert.equal(captions.length, 10);
      // The last entry opens the Progress view over the page (progress.test.mjs).
      assert.deepEqual(captions.slice(-2), ['Save/Load scores', 'Progress']);
      let labelled = 0;
      for (const caption of captions.slice(0, -1)) {
        await page.tap(`#panel-bar button:text-is("${caption}")`);
        const { panel, bar, labels, sideways } = await targetsOf(page);
        const where = `${width}x${height} ${caption}`;
        assert.equal(sideways, 0, `${where}: no sideways scroll`);
        if (caption === 'Save/Load scores') assert.deepEqual(panel.map((control) => control.id), ['save-scores', 'load-scores', 'progress']);
        else assert.ok(panel.length >= 4, `${where}: the panel's controls are shown`);
        // A label is read just before its box and stands beside it.
        labelled += labels.length;
        for (const { label, next } of labels) {
          assert.equal(next?.tag, 'INPUT', `${where}: "${label.id}" is followed by ${next?.id}`);
          const besides = next.box.left - label.box.right;
          assert.ok(besides >= 0 && besides <= 16 && Math.abs(next.box.top + next.box.height / 2 - label.box.top - label.box.height / 2) <= 2,
            `${where}: "${label.id}" stands apart from its box`);
        }
        for (const group of [panel, bar]) {
          for (const [i, a] of group.entries()) {
            assert.ok(a.box.width >= 44 && a.box.height >= 44, `${where}: ${a.id} is ${a.box.width}x${a.box.height}`);
            for (const b of group.slice(i + 1)) assert.ok(gap(a.box, b.box) >= 8 - 0.01, `${where}: ${a.id} and ${b.id}`);
          }
        }
        for (const control of panel) assert.ok(control.font >= 16, `${where}: ${control.id} text ${control.font} px`);
      }
      assert.equal(labelled, 4, 'the four "Score:" labels were seen');
      await browser.close();
    }
  });

test('a Preflop session by taps matches the replay; switching panels keeps a trainer\'s text; no accessibility violation',
  async (t) => {
    const browser = await launch({ ...phone(390, 844), bypassCSP: true });
    t.after(() => browser.close());
    const page = await openRecordedPage(browser.context, server.url);
    const { web, replay } = await pageAndReplay(page, replayScript('preflop'), tap);
    assert.ok(replay.length >= 8);
    assert.deepEqual(web, replay);
    const kept = await page.inputValue('#control1052');
    await tapAt(page, '#panel-bar button:text-is("Tilt Sensor")');
    await tapAt(page, '#panel-bar button:text-is("Preflop Situation Trainer")');
    assert.equal(await page.inputValue('#control1052'), kept);

    await page.clock.resume(); // the scan runs on timers
    await page.evaluate(readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8'));
    assert.deepEqual(await page.evaluate(async () => (await globalThis.axe.run(document)).violations.map((v) => v.id)), []);
  });

test('screenshots in portrait and landscape, light and dark, and of Save/Load scores; a Help box fits a 320 px screen', async (t) => {
  const folder = process.env.VELMO_WEB_SCREENSHOTS;
  mkdirSync(folder, { recursive: true });
  for (const [name, width, height, colorScheme] of [['touch-portrait', 390, 844, 'light'],
    ['touch-landscape', 844, 390, 'light'], ['touch-portrait-dark', 390, 844, 'dark'],
    ['touch-landscape-dark', 844, 390, 'dark'], ['touch-help-320', 320, 568, 'light'],
    ['touch-scores', 390, 844, 'light']]) {
    const browser = await launch(phone(width, height, { colorScheme }));
    t.after(() => browser.close());
    const page = await openPage(browser.context, server.url);
    await tap(page, 1042);
    await page.waitForFunction(() => document.getElementById('control1052').value !== '');
    if (name === 'touch-help-320') {
      await tap(page, 1041);
      const box = await page.locator('#message').boundingBox();
      assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= width && box.y + box.height <= height, 'the Help box fits');
    }
    if (name === 'touch-scores') await tapAt(page, '#panel-bar button:text-is("Save/Load scores")');
    await page.screenshot({ path: `${folder}/${name}.png` });
    await browser.close();
  }
});
