// node page_imports_test.mjs SOURCE_DIR GENERATED_DEPS: fails, saying where,
// when the page's imports disagree with their one declaration
// (src/system/web/page_imports.txt): an import written in page_imports.js
// and not listed or the other way round, one that suspends the program
// without being listed as waiting (Asyncify would not expect it) or the
// other way round, a listed import declared again by hand in C++, or an
// answer the page's storage never gives.
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import vm from 'node:vm';

const [source, generatedDeps] = process.argv.slice(2);
const listText = readFileSync(join(source, 'src/system/web/page_imports.txt'), 'utf8');
const listed = new Map();
for (const [, name, waits] of listText.matchAll(/^import:\s*(\w+)\s*\|\s*(\S+)/gm)) listed.set(name, waits === 'waits');
const answers = [...listText.matchAll(/^answers:\s*\w+\s*\|(.*)$/gm)].flatMap(([, names]) => names.split('|').map((n) => n.trim()));

const library = {};
const context = { LibraryManager: { library }, mergeInto: (target, entries) => Object.assign(target, entries) };
vm.runInNewContext(readFileSync(join(source, 'src/app/web/page_imports.js'), 'utf8'), context);
vm.runInNewContext(readFileSync(generatedDeps, 'utf8'), context);

const problems = [];
for (const name of Object.keys(library).filter((key) => !key.includes('__') && !key.startsWith('$')))
  if (!listed.has(name)) problems.push(`${name}: written in page_imports.js but not listed`);
for (const [name, waits] of listed) {
  if (typeof library[name] !== 'function') {
    problems.push(`${name}: listed but not written in page_imports.js`);
    continue;
  }
  const suspends = /Asyncify\.handle(Async|Sleep)/.test(library[name].toString());
  if (suspends !== waits) problems.push(`${name}: ${waits ? 'listed as waiting but never suspends' : 'suspends but is not listed as waiting'}`);
  if (waits !== (library[`${name}__deps`] ?? []).includes('$Asyncify')) problems.push(`${name}: its Asyncify dependency disagrees with the list`);
}

// The C++ side takes its declarations from the generated header only.
const sources = (dir) => readdirSync(dir, { withFileTypes: true }).flatMap((entry) =>
  entry.isDirectory() ? sources(join(dir, entry.name)) : /\.(cpp|h)$/.test(entry.name) ? [join(dir, entry.name)] : []);
for (const file of sources(join(source, 'src')))
  for (const [line, name] of readFileSync(file, 'utf8').matchAll(/^\s*(?!return\b)[A-Za-z_][\w:]*[\s*]+(velmo_\w+)\([^()]*\);$/gm))
    if (listed.has(name)) problems.push(`${file}: declares a page import by hand: ${line.trim()}`);

const storage = ['storage.js', 'practice_log_store.js'].map((name) => readFileSync(join(source, 'src/app/web', name), 'utf8')).join('');
for (const answer of answers) if (!storage.includes(`'${answer}'`)) problems.push(`the page's storage never answers '${answer}'`);

if (problems.length) {
  console.error(problems.join('\n'));
  process.exit(1);
}
console.log(`${listed.size} page imports agree with their list`);
