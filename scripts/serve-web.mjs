// node serve-web.mjs DIR PORT: serves the static folder DIR on
// http://127.0.0.1:PORT with the types a browser needs (application/wasm
// among them) and the page's Content-Security-Policy as a header too.
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';

const [folder, port = '8080'] = process.argv.slice(2);
// Absolute and without a trailing slash (as shell completion writes it), so
// that every file below it starts with it and a separator.
const root = resolve(folder);
const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
  '.txt': 'text/plain; charset=utf-8',
};
// The page's own policy, and what only a header can say: no framing.
const policy = `${/http-equiv="Content-Security-Policy" content="([^"]*)"/.exec(readFileSync(join(root, 'index.html'), 'utf8'))[1]}; ` +
  "frame-ancestors 'none'";

const server = createServer(async (request, response) => {
  const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
  const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
  if (!file.startsWith(root + sep)) {
    response.writeHead(403).end();
    return;
  }
  try {
    const body = await readFile(file);
    response.writeHead(200, {
      'Content-Type': types[extname(file)] ?? 'application/octet-stream',
      'Content-Security-Policy': policy,
      'Cache-Control': 'no-cache',
    });
    response.end(request.method === 'HEAD' ? undefined : body);
  } catch {
    response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found');
  }
});
server.listen(Number(port), '127.0.0.1', () => console.log(`Serving ${root} on http://127.0.0.1:${server.address().port}/`));
