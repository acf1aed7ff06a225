// node serve_web_test.mjs SITE: the local server serves SITE named with a
// trailing slash, as shell completion writes it, and nothing outside it.
import { spawn } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import assert from 'node:assert/strict';

const server = spawn('node', [fileURLToPath(new URL('../../scripts/serve-web.mjs', import.meta.url)), `${process.argv[2]}/`, '0'],
  { stdio: ['ignore', 'pipe', 'inherit'] });
try {
  const url = await new Promise((resolve, reject) => {
    server.stdout.on('data', (chunk) => {
      const found = /http:\/\/127\.0\.0\.1:\d+\//.exec(String(chunk));
      if (found) resolve(found[0]);
    });
    server.on('exit', () => reject(new Error('the server ended')));
  });
  assert.equal((await fetch(url)).status, 200);
  assert.equal((await fetch(`${url}index.html`)).status, 200);
  assert.equal((await fetch(`${url}..%2fCMakeLists.txt`)).status, 403);
  console.log('served with a trailing slash, nothing outside');
} finally {
  server.kill();
}
