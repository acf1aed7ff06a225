// The page as a player meets it: every control where the layout table puts
// it, in its tab order and with its name; the keys; no accessibility
// violation; the browser's zoom; and how it looks at 1x, 2x and in dark mode.
import assert from 'node:assert/strict';
import { mkdirSync, readdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { launch, openPage, startServer } from './harness.mjs';

const source = (path) => readFileSync(new URL(`../../../${path}`, import.meta.url), 'utf8');

// The layout table read from its sources, apart from the program's own copy:
// the panels in the order the shell lists them, each one's ids and rows from
// the files beside its trainer, and the dialog's size in dialog units from
// the rows' extent and the margin they keep at the top left.
function layoutTable() {
  const src = new URL('../../../src/', import.meta.url);
  const texts = readdirSync(src, { withFileTypes: true }).filter((entry) => entry.isDirectory())
    .flatMap(({ name }) => readdirSync(new URL(`${name}/`, src)).filter((file) => /_panel\.(h|cpp)$/.test(file))
      .map((file) => source(`src/${name}/${file}`)));
  const ids = Object.fromEntries(texts.flatMap((text) => [...text.matchAll(/(k\w+) = (\d+);/g)])
    .map(([, name, id]) => [name, Number(id)]));
  const panels = [...source('src/shell/panels.cpp').matchAll(/^ +(\w+Panel)\(\),/gm)]
    .map(([, builder]) => texts.find((text) => text.includes(`const PanelRow& ${builder}()\n{`)));
  const kinds = { Button: 'BUTTON', LineEdit: 'INPUT', MultiLineEdit: 'TEXTAREA' };
  const rows = [...panels.join('\n').matchAll(
    /\{(\w+), K::(\w+), "([^"]*)", (\d+), (\d+), (\d+), (\d+)(?:, "([^"]*)")?/g)];
  const table = rows.filter(([, id]) => id !== '0').map((row) => {
    const [, id, kind, caption, x, y, width, height, boxName] = row;
    // A button's panel is the group box listed last before it.
    const panel = rows.slice(0, rows.indexOf(row)).reverse().find(([, , k]) => k === 'GroupBox')[3];
    return { id: ids[id], tag: kinds[kind], x: +x, y: +y, width: +width, height: +height,
      name: kind === 'Button' ? `${caption}, ${panel}` : boxName };
  });
  const extent = (place, size) => Math.max(...rows.map((row) => +row[place] + +row[size]))
    + Math.min(...rows.map((row) => +row[place]));
  table.width = extent(4, 6);
  table.height = extent(5, 7);
  return table;
}

let server;
before(async () => { server = await startServer(); });
after(() => server.stop());

test('at 1280x800 with a mouse every control stands where the layout table puts it, in tab order, with its name',
  async (t) => {
  const browser = await launch({ viewport: { width: 1280, height: 800 } });
  t.after(() => browser.close());
  const page = await openPage(browser.context, server.url);
  assert.equal(await page.evaluate(() => document.body.classList.contains('touch')), false, 'the whole dialog');
  const table = layoutTable();
  // The table read from the source has a row for every control the page shows.
  assert.equal(table.length, await page.locator('#dialog button, #dialog input, #dialog textarea').count());
  const dialog = await page.locator('#dialog').boundingBox();
  const unit = { x: dialog.width / table.width, y: dialog.height / table.height };
  for (const row of table) {
    const control = page.locator(`#control${row.id}`);
    const [tag, name, box] = await Promise.all([control.evaluate((e) => e.tagName),
      control.getAttribute('aria-label'), control.boundingBox()]);
    assert.equal(tag, row.tag, `control ${row.id}`);
    assert.equal(name, row.name, `control ${row.id}`);
    for (const [edge, units, scale, origin] of [['x', row.x, unit.x, dialog.x], ['y', row.y, unit.y, dialog.y],
      ['width', row.width, unit.x, 0], ['height', row.height, unit.y, 0]])
      assert.ok(Math.abs(box[edge] - origin - units * scale) <= 2, `control ${row.id} ${edge}`);
  }
  // Tab walks the controls in the table's order, from the first one.
  const order = [];
  for (let i = 0; i < table.length; ++i) {
    order.push(await page.evaluate(() => Number(document.activeElement.dataset.controlId)));
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(order, table.map((row) => row.id));
});

test('a program that cannot be fetched leaves the dialog shut and says to reload', async (t) => {
  const browser = await launch({ viewport: { width: 1280, height: 800 } });
  t.after(() => browser.close());
  await browser.context.route('**/velmorandine.wasm', (route) => route.fulfill({ status: 404, body: 'Not found' }));
  const page = await browser.context.newPage();
  await page.goto(server.url);
  await page.locator('#program-missing').waitFor({ state: 'visible' });
  assert.deepEqual(await page.evaluate(() => [document.getElementById('dialog').inert,
    document.getElementById('scores-transfer').inert, document.body.dataset.ready]), [true, true, undefined]);
  // The dialog was laid out all the same: its controls are shown, shut.
  assert.ok((await page.locator('#control1028').boundingBox()).width > 0);
});

test('keys: Enter presses a button, Enter and Escape in a box do nothing, the Help box takes and returns focus',
  async (t) => {
    const browser = await launch();
    t.after(() => browser.close());
    const page = await openPage(browser.context, server.url);
    await page.focus('#control1052');
    await page.keyboard.type('typed');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Escape');
    assert.equal(await page.inputValue('#control1052'), 'typed');
    await page.focus('#control1042');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('control1052').value.includes(' with'));

    await page.focus('#control1041');
    await page.keyboard.press('Enter');
    await page.waitForSelector('#message[open]');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'message-ok');
    assert.match(await page.locator('#message-text').textContent(), /common preflop situations/);
    await page.keyboard.press('Escape');
    await page.waitForSelector('#message', { state: 'hidden' });
    assert.equal(await page.evaluate(() => document.activeElement.id), 'control1041');
  });

test('an accessibility scan finds no violation, with and without a Help box up', async (t) => {
  const browser = await launch({ bypassCSP: true }); // to inject the scanner
  t.after(() => browser.close());
  const page = await openPage(browser.context, server.url);
  const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
  await page.evaluate(axe);
  const scan = () => page.evaluate(async () => (await globalThis.axe.run(document)).violations
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  assert.deepEqual(await scan(), []);
  await page.click('#control1030');
  await page.waitForSelector('#message[open]');
  assert.deepEqual(await scan(), []);
});

// The browser's zoom as Chromium applies it: fewer CSS pixels, each of
// more device pixels.  On a large screen the whole dialog grows, as it was
// held to twice its natural size and now fills the window's height; at
// 200 % on 1280x800 it no longer fits at a usable size and one panel shows.
// A screen of twice the pixel ratio, with as many CSS pixels, is no zoom:
// the dialog keeps its size in CSS pixels.
test('zoom enlarges the captions: the whole dialog at 125 % on 1920x1080, one panel at 200 % on 1280x800; ' +
  'a 2x screen is no zoom', async (t) => {
  const metrics = (width, height, ratio) => ({ width, height, deviceScaleFactor: ratio, mobile: false });
  for (const [width, height, zoom, touch, growth] of [[1920, 1080, 1.25, false, 1.1], [1280, 800, 2, true, 1.2]]) {
    const browser = await launch({ viewport: { width, height } });
    t.after(() => browser.close());
    const page = await openPage(browser.context, server.url);
    const caption = () => page.evaluate(() =>
      parseFloat(getComputedStyle(document.getElementById('control1041')).fontSize) * devicePixelRatio);
    const unzoomed = await caption();
    const devtools = await browser.context.newCDPSession(page);
    await devtools.send('Emulation.setDeviceMetricsOverride', metrics(width / zoom, height / zoom, zoom));
    await page.waitForFunction((expected) => document.body.classList.contains('touch') === expected &&
      devicePixelRatio > 1, touch);
    const zoomed = await caption();
    assert.ok(zoomed >= unzoomed * growth, `${width}x${height} at ${zoom}: ${zoomed} px against ${unzoomed} px`);
    const left = await page.evaluate(() => document.getElementById('dialog').getBoundingClientRect().left);
    assert.ok(left >= 0, `${width}x${height} at ${zoom}: the dialog starts at ${left} px, out of scrolling's reach`);
    await browser.close();
  }
  const browser = await launch({ viewport: { width: 1280, height: 800 } });
  t.after(() => browser.close());
  const page = await openPage(browser.context, server.url);
  const size = () => page.locator('#dialog').boundingBox();
  const before = await size();
  const devtools = await browser.context.newCDPSession(page);
  await devtools.send('Emulation.setDeviceMetricsOverride', metrics(1280, 800, 2));
  await page.waitForFunction(() => devicePixelRatio === 2);
  // The emulation changes the ratio without the media change that a move to
  // another screen brings: the page is told as it would be by a resize.
  await page.evaluate(() => window.dispatchEvent(new Event('resize')));
  const after = await size();
  assert.ok(Math.abs(after.width - before.width) <= 1 && Math.abs(after.height - before.height) <= 1,
    `on a 2x screen the dialog is ${after.width}x${after.height}, not ${before.width}x${before.height}`);
  await browser.close();
});

test('screenshots at 1x, 2x and in dark mode; the whole dialog in view', async (t) => {
  const folder = process.env.VELMO_WEB_SCREENSHOTS;
  mkdirSync(folder, { recursive: true });
  for (const [name, options] of [
    ['desktop-1x', { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 1 }],
    ['desktop-2x', { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 2 }],
    ['dark-1x', { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 1, colorScheme: 'dark' }],
  ]) {
    const browser = await launch(options);
    t.after(() => browser.close());
    const violations = [];
    browser.context.on('console', (message) => {
      if (/Content.Security.Policy/i.test(message.text())) violations.push(message.text());
    });
    const page = await openPage(browser.context, server.url);
    await page.click('#control1042');
    await page.waitForFunction(() => document.getElementById('control1052').value !== '');
    const box = await page.locator('#dialog').boundingBox();
    const view = page.viewportSize();
    assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= view.width && box.y + box.height <= view.height,
      `${name}: the dialog fits the viewport`);
    await page.screenshot({ path: `${folder}/${name}.png` });
    assert.deepEqual(violations, []);
    await browser.close();
  }
});
