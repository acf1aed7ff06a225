// What every browser test shares: the site served from build/web on a free
// local port, and Debian's Chromium, headless, in a fresh profile, with no
// network beyond the local server.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

const repo = new URL('../../../', import.meta.url).pathname;
export const site = process.env.VELMO_WEB_SITE;

export async function startServer() {
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
// restart.  Requests anywhere but the local server are refused and counted.
export async function launch({ profile = mkdtempSync(join(tmpdir(), 'velmo-chromium-')), ...options } = {}) {
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', headless: true, args: flags, ...options,
  });
  const foreign = [];
  await context.route((url) => url.hostname !== '127.0.0.1', (route) => {
    foreign.push(route.request().url());
    return route.abort();
  });
  return {
    context, profile, foreign,
    close: async ({ keepProfile = false } = {}) => {
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

export const box = (page, id) => page.locator(`#control${id}`);
export async function boxText(page, id) {
  return box(page, id).inputValue();
}

// The highscore file as the site keeps it.
export function storedScores(page) {
  return page.evaluate(() => new Promise((resolve, reject) => {
    const opening = indexedDB.open('velmorandine', 1);
    opening.onerror = () => reject(opening.error);
    opening.onsuccess = () => {
      const get = opening.result.transaction('files').objectStore('files').get('Highscores.txt');
      get.onsuccess = () => { opening.result.close(); resolve(get.result ?? null); };
      get.onerror = () => reject(get.error);
    };
  }));
}
