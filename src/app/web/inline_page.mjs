// node inline_page.mjs SITE_DIR: puts the page's bundled script (app.js)
// and its style (style.css) into index.html, and the hashes of every inline
// script and style into its Content-Security-Policy, in place of the
// @SCRIPT_HASHES@ and @STYLE_HASHES@ it holds.  A first visit then needs
// one request before the page can lay the dialog out, not three: on a
// first visit each request costs the browser tens of milliseconds.
import { createHash } from 'node:crypto';
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const site = process.argv[2];
const read = (name) => readFileSync(join(site, name), 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
// A script or style element ends at the first "</" of its own name, and an
// HTML comment opener inside a script changes how it is parsed: text that
// holds either cannot be inlined as it is.
const inlinable = (text, tag) => !new RegExp(`</${tag}|<!--`, 'i').test(text);

const script = read('app.js');
const style = read('style.css');
if (!inlinable(script, 'script') || !inlinable(style, 'style')) {
  console.error('inline_page: app.js or style.css holds text that ends an inline element');
  process.exit(1);
}
let page = read('index.html');
const replaceOnce = (from, to) => {
  if (!page.includes(from)) {
    console.error(`inline_page: index.html lacks ${from}`);
    process.exit(1);
  }
  page = page.replace(from, () => to);
};
replaceOnce('<link rel="stylesheet" href="style.css">', `<style>${style}</style>`);
replaceOnce('<script type="module" src="app.js" blocking="render"></script>',
  `<script type="module" blocking="render">${script}</script>`);
const scripts = [...page.matchAll(/<script\b[^>]*>([\s\S]*?)<\/script>/g)].map((found) => hash(found[1]));
const styles = [...page.matchAll(/<style\b[^>]*>([\s\S]*?)<\/style>/g)].map((found) => hash(found[1]));
replaceOnce('@SCRIPT_HASHES@', scripts.join(' '));
replaceOnce('@STYLE_HASHES@', styles.join(' '));
writeFileSync(join(site, 'index.html'), page);
rmSync(join(site, 'app.js'));
rmSync(join(site, 'style.css'));
