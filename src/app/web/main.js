// The page's start: the program, the dialog built from its layout table,
// the clicks queued into it one at a time, the scores' storage, and the
// service worker that keeps the site working offline.
import createProgram from './velmorandine.js';
import { createClickQueue } from './click_queue.js';
import { buildDialog } from './dialog.js';
import { createMessageBox } from './message_box.js';
import { wireScoresTransfer } from './scores_transfer.js';
import { askToPersist, openStorage } from './storage.js';

const showMessage = createMessageBox(document.getElementById('message'));
// Where a test asks for it, what the program shows is also recorded in the
// replay tool's terms, so that the two can be compared.
const effects = globalThis.velmoEffects;
let dialog = null;
const program = await createProgram({
  page: {
    setBoxText(id, text) {
      effects?.push({ box: id, text });
      dialog.setBoxText(id, text);
    },
    showMessage(text, caption) {
      effects?.push({ message: text, caption });
      return showMessage(text, caption);
    },
  },
  storage: openStorage(),
});

const enqueue = createClickQueue((busy) => { document.body.dataset.busy = busy; });
const call = (name, returns, types, args) => program.ccall(name, returns, types, args, { async: true });
const press = (id) => enqueue(() => call('velmo_press', null, ['number'], [id]));

const container = document.getElementById('dialog');
dialog = buildDialog(container, JSON.parse(program.UTF8ToString(program._velmo_layout_json())), press);
// The start makes sure the highscore file is there: the storage works on it
// while the dialog is laid out, once the start has run up to its first wait.
const started = enqueue(() => call('velmo_start', null, [], []));
await Promise.resolve();

function fitToViewport() {
  const bar = document.getElementById('scores-transfer').getBoundingClientRect().height;
  dialog.fit({ width: document.documentElement.clientWidth - 16, height: window.innerHeight - bar - 24 });
}
fitToViewport();
window.addEventListener('resize', fitToViewport);
matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', fitToViewport);

wireScoresTransfer({
  saveButton: document.getElementById('save-scores'),
  loadButton: document.getElementById('load-scores'),
  fileInput: document.getElementById('score-file'),
  showMessage,
  storedScores: () =>
    enqueue(async () => {
      const text = await call('velmo_stored_scores', 'number', [], []);
      return text ? program.UTF8ToString(text) : null;
    }),
  loadScores: (bytes) =>
    enqueue(async () => {
      const copy = program._malloc(bytes.length + 1);
      program.HEAPU8.set(bytes, copy);
      try {
        return program.UTF8ToString(await call('velmo_load_scores', 'number', ['number', 'number'], [copy, bytes.length]));
      } finally {
        program._free(copy);
      }
    }),
});

await started;
dialog.focusFirst();
document.body.dataset.ready = 'true';
// Keeping the site for offline use (the service worker fetches and stores
// every file) and asking for lasting storage both keep the browser's storage
// busy for a while: they wait a second, so that the player's first clicks,
// which read and write the scores, have it to themselves.
setTimeout(() => {
  askToPersist();
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}, 1000);
