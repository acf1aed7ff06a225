// What every browser test shares: the site served from build/web on a free
// local port, and Debian's Chromium, headless, in a fresh profile, with no
// network beyond the local server.
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

const repo = new URL('../../../', import.meta.url).pathname;

export async function startServer(site = process.env.VELMO_WEB_SITE) {
  const server = spawn('node', [join(repo, 'scripts/serve-web.mjs'), site, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  const url = await new Promise((resolve, reject) => {
    server.stdout.on('data', (chunk) => {
      const found = /http:\/\/127\.0\.0\.1:\d+\//.exec(String(chunk));
      if (found) resolve(found[0]);
    });
    server.on('exit', () => reject(new Error('the server ended')));
  });
  return { url, stop: () => server.kill() };
}

const flags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// A browser with its own profile folder; `profile` keeps one across a
// restart.  Requests anywhere but the local server are refused and counted;
// `host` names it too, as a plain-HTTP address that is not a secure context.
// The browser itself refuses them (its resolver knows no other name, and
// anything else goes to a proxy that is not there), and they are counted as
// they are seen: intercepting them (context.route) would hold every request
// of the page for a round trip to this process, which the benchmark would
// then count as the page's time.
export async function launch({ profile = mkdtempSync(join(tmpdir(), 'velmo-chromium-')), host, ...options } = {}) {
  const local = ['127.0.0.1', ...(host ? [host] : [])];
  const rules = [...(host ? [`MAP ${host} 127.0.0.1`] : []), 'EXCLUDE 127.0.0.1', 'MAP * ~NOTFOUND'];
  const refuse = [`--host-resolver-rules=${rules.join(', ')}`, '--proxy-server=http://127.0.0.1:9',
    `--proxy-bypass-list=${local.join(';')}`];
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', headless: true, args: [...flags, ...refuse], ...options,
  });
  const foreign = [];
  context.on('request', (request) => {
    const url = new URL(request.url());
    if (/^(https?|wss?):$/.test(url.protocol) && !local.includes(url.hostname)) foreign.push(request.url());
  });
  let closed = false;
  return {
    context, profile, foreign,
    close: async ({ keepProfile = false } = {}) => {
      if (closed) return;
      closed = true;
      await context.close();
      if (!keepProfile) rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens the page and waits until the program has started.
export async function openPage(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  return page;
}

// The highscore file as the site keeps it.
export function storedScores(page) {
  return page.evaluate(() => new Promise((resolve, reject) => {
    const opening = indexedDB.open('velmorandine');
    opening.onerror = () => reject(opening.error);
    opening.onsuccess = () => {
      const get = opening.result.transaction('files').objectStore('files').get('Highscores.txt');
      get.onsuccess = () => { opening.result.close(); resolve(get.result ?? null); };
      get.onerror = () => reject(get.error);
    };
  }));
}

// Clicks control `id` as a player would.
export function click(page, id) {
  return page.evaluate((control) => document.getElementById(`control${control}`).click(), id);
}

// Lets the program finish what it was asked, on the page's test clock:
// every pause runs out exactly (the clock moves to the pause's end and no
// further) and every message box is answered with OK.
export async function settle(page) {
  for (;;) {
    const state = await page.evaluate(() => ({
      busy: document.body.dataset.busy === 'true',
      message: document.getElementById('message').open,
    }));
    if (state.message) await page.evaluate(() => document.getElementById('message-ok').click());
    else if (!state.busy) return;
    else {
      const next = await page.evaluate(() => globalThis.velmoNextTimer());
      if (next !== null) await page.clock.runFor(Math.max(0, next));
    }
    await new Promise((resolve) => setTimeout(resolve, 2));
  }
}

// A page on a test clock that records what the program shows; its tick
// count at the moment of asking, for the replay tool's --tick.
export async function openRecordedPage(context, url) {
  const page = await context.newPage();
  const start = Date.UTC(2030, 0, 1);
  await page.clock.install({ time: start });
  await page.addInitScript(() => {
    globalThis.velmoEffects = [];
    // How long until the next timer (a pause) is due; null when none is
    // pending and the program waits for the browser (its storage) instead.
    const pending = new Map();
    const [fakeSetTimeout, fakeClearTimeout] = [globalThis.setTimeout, globalThis.clearTimeout];
    globalThis.setTimeout = (callback, ms = 0, ...args) => {
      const timer = { due: performance.now() + ms };
      const handle = fakeSetTimeout(() => {
        pending.delete(handle);
        callback(...args);
      }, ms);
      pending.set(handle, timer);
      return handle;
    };
    globalThis.clearTimeout = (handle) => {
      pending.delete(handle);
      fakeClearTimeout(handle);
    };
    globalThis.velmoNextTimer = () =>
      pending.size ? Math.min(...[...pending.values()].map((timer) => timer.due)) - performance.now() : null;
  });
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  await page.clock.pauseAt(start + 60000); // from here on time moves only when a test says so
  await settle(page);
  await page.evaluate(() => { globalThis.velmoEffects.length = 0; });
  return page;
}

export const ticksOf = (page) => page.evaluate(() => Math.floor(performance.timeOrigin + performance.now()) % 2 ** 32);
export const effectsOf = (page) => page.evaluate(() => globalThis.velmoEffects);

// A replay script of the Windows comparison, without its comments.
export function replayScript(name) {
  const path = new URL(`../../windows/replay/${name}.txt`, import.meta.url);
  return readFileSync(path, 'utf8').split('\n').filter((line) => line && !line.startsWith('#'));
}

// Runs the replay script's lines (press ID, wait MS, type ID TEXT) on the
// page, each press settled before the next line, and through the Linux
// replay tool from the same start tick in a fresh folder; both effect lists.
// `press` presses a control (a click unless given).
export async function pageAndReplay(page, lines, press = click) {
  const tick = await ticksOf(page);
  for (const line of lines) {
    const [verb, value, ...text] = line.split(' ');
    if (verb === 'press') await press(page, Number(value));
    else if (verb === 'wait') await page.clock.runFor(Number(value));
    else if (verb === 'type') {
      // Typing shows in the box without the program: the replay tool
      // reports it as the box's text, and so does the test.
      await page.locator(`#control${value}`).fill(text.join(' '));
      await page.evaluate(([box, typed]) => globalThis.velmoEffects.push({ box, text: typed }), [Number(value), text.join(' ')]);
    }
    await settle(page);
  }
  return { web: await effectsOf(page), replay: replay(lines, tick) };
}

export function replay(lines, tick) {
  const folder = mkdtempSync(join(tmpdir(), 'velmo-replay-'));
  try {
    const output = execFileSync(process.env.VELMO_LINUX_REPLAY, ['--tick', String(tick)], {
      cwd: folder, input: lines.join('\n') + '\n', encoding: 'utf8',
    });
    return output.split('\n').filter(Boolean).map((line) => JSON.parse(line));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}
