// The page's start: the program, the dialog built from its layout table,
// the clicks queued into it one at a time, the scores' storage, and the
// service worker that keeps the site working offline.
import createProgram from './velmorandine.js';
import { layout, settings } from './page_data.js';
import { createClickQueue } from './click_queue.js';
import { buildDialog } from './dialog.js';
import { wholeDialogUsable } from './layout.js';
import { createPanelBar } from './panel_bar.js';
import { createMessageBox } from './message_box.js';
import { wireScoresTransfer } from './scores_transfer.js';
import { askToPersist, openStorage } from './storage.js';
import { openPracticeLog } from './practice_log_store.js';
import { wireProgress } from './progress_opener.js';

const showMessage = createMessageBox(document.getElementById('message'));
// Where a test asks for it, what the program shows is also recorded in the
// replay tool's terms, so that the two can be compared.
const effects = globalThis.velmoEffects;
const log = openPracticeLog(settings.logFileName);
// The program is asked for at once; until it has arrived and started, the
// dialog is already shown and the clicks made on it wait in the queue.  A
// program that cannot be fetched or compiled ends the wait (`missing`).
let dialog = null;
let tellMissing;
const missing = new Promise((resolve, reject) => { tellMissing = reject; });
const arriving = Promise.race([missing, createProgram({
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
  storage: openStorage(settings.storageWaitMs),
  log,
  // The program as the page's head compiled it (index.html), else as
  // fetched and compiled here.
  instantiateWasm(imports, receive) {
    const fetched = () => fetch(new URL('velmorandine.wasm', import.meta.url))
      .then((response) => response.arrayBuffer())
      .then((bytes) => WebAssembly.compile(bytes));
    (globalThis.velmoEarly?.program ?? Promise.reject(new Error('not asked for')))
      .catch(fetched)
      .then((module) => WebAssembly.instantiate(module, imports))
      .then((instance) => receive(instance), tellMissing);
    return {};
  },
})]);
let program = null;

const enqueue = createClickQueue((busy) => { document.body.dataset.busy = busy; });
const call = (name, returns, types, args) => program.ccall(name, returns, types, args, { async: true });
const press = (id) => enqueue(() => call('velmo_press', null, ['number'], [id]));

const container = document.getElementById('dialog');
dialog = buildDialog(container, layout, press);
// The start makes sure the highscore file is there; it is the queue's first
// job, so that every click waits for it.
const started = enqueue(async () => {
  program = await arriving;
  performance.mark('velmo:program-arrived');
  await call('velmo_start', null, [], []);
});

// The whole dialog, scaled to the viewport, where it is usable at that size
// with the pointer at hand; else one panel at a time with a bar to choose
// it, and Save/Load scores as the bar's last entry (style.css).  Both are
// judged in CSS pixels, which the browser's zoom enlarges: a zoom that
// leaves the dialog too small to use brings the touch layout, whose text
// then grows with the zoom.  A screen of another pixel ratio changes
// nothing but the edges' snapping.
const coarsePointer = matchMedia('(pointer: coarse)');
const scoresPanel = dialog.panels.length;
let shownPanel = 0;
const panelBar = createPanelBar(document.getElementById('panel-bar'), [...dialog.panels, 'Save/Load scores', 'Progress'], (index) => {
  if (index > scoresPanel) {
    openProgress();
    return;
  }
  shownPanel = index;
  layOut();
});
const transfer = document.getElementById('scores-transfer');
const note = document.getElementById('insecure-note');
const missingNote = document.getElementById('program-missing');
function layOut() {
  document.body.classList.remove('touch');
  const besides = [transfer, note, missingNote]
    .filter((element) => !element.hidden)
    .reduce((height, element) => height + element.getBoundingClientRect().height + 8, 0);
  const whole = dialog.measure({ width: document.documentElement.clientWidth - 16, height: window.innerHeight - besides - 16 });
  if (wholeDialogUsable(whole, coarsePointer.matches, settings.wholeDialogFloors)) {
    dialog.fit(whole.scale);
    return;
  }
  document.body.classList.add('touch');
  document.body.classList.toggle('scores-shown', shownPanel === scoresPanel);
  dialog.reflow(shownPanel);
  panelBar.select(shownPanel);
}
// A player on a plain-HTTP address (anything but localhost) is told once
// that the browser keeps no copy of the site for offline use there.
if (!window.isSecureContext && !localStorage.getItem('velmorandine:told-insecure')) {
  note.hidden = false;
  localStorage.setItem('velmorandine:told-insecure', 'yes');
}
layOut();
// The first control has the focus as soon as it is shown; clicks and keys
// made before the program has started wait for it.
dialog.focusFirst();
// The steps of the start, marked for scripts/bench-web.mjs.
performance.mark('velmo:dialog-laid-out');
window.addEventListener('resize', layOut);
coarsePointer.addEventListener('change', layOut);
const watchRatio = () => {
  matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', () => { layOut(); watchRatio(); }, { once: true });
};
watchRatio();

wireScoresTransfer({
  saveButton: document.getElementById('save-scores'),
  loadButton: document.getElementById('load-scores'),
  fileInput: document.getElementById('score-file'),
  settings,
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

// Without the program the view cannot open; the page says why (below).
const progressContext = arriving.then((arrived) => ({ program: arrived, enqueue, call, log, settings, showMessage }));
progressContext.catch(() => {});
const openProgress = wireProgress(document.getElementById('progress'), progressContext);

// Nothing here waits at the top level: the page's first frame, which this
// script holds back (index.html), shows the dialog while the program is
// still arriving.
started.then(() => {
  performance.mark('velmo:started');
  document.body.dataset.ready = 'true';
  // The site is kept for offline use as soon as it has started and the
  // clicks made by then are handled (the service worker's install fills the
  // browser's storage for a while), so that even a short first visit leaves
  // it working offline.  The manifest and the icon are named then too: on a
  // first visit the browser's fetching and reading them took some 20 ms from
  // the first click.  Asking for lasting storage keeps the browser's storage
  // busy too: it waits a second, so that the player's first clicks, which
  // read and write the scores, have it to themselves.
  setTimeout(() => enqueue(() => {
    document.head.append(
      Object.assign(document.createElement('link'), { rel: 'manifest', href: 'manifest.webmanifest' }),
      Object.assign(document.createElement('link'), { rel: 'icon', href: 'icon.svg', type: 'image/svg+xml' }));
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  }));
  setTimeout(askToPersist, 1000);
}, (error) => {
  // Without the program no control does anything: the dialog and the
  // scores' buttons are shut and the player is told, rather than left
  // clicking at them.
  console.error(error);
  container.inert = true;
  transfer.inert = true;
  missingNote.hidden = false;
  layOut();
});
