// The Progress view: a modal page over the dialog (closed by its Close
// button or Escape), which reads the practice log afresh each time it opens
// or its span changes.  Every number comes from the program
// (velmo_progress_json); this only lays them out: per scoring panel a chart
// and a table of its sessions, for the timed quizzes also the share of right
// answers and the median time, the last session's mistakes and the last 30
// days' mistakes by right answer.  Its buttons turn the log on and off,
// export it and merge in a log from another device.
import { lineChart } from './progress_chart.js';

const spans = ['Last 7 days', 'Last 30 days', 'Everything'];

function element(tag, properties = {}, ...children) {
  const node = Object.assign(document.createElement(tag), properties);
  node.append(...children.filter((child) => child !== null));
  return node;
}

const dateText = (time) => `${time.slice(0, 10)} ${time.slice(11, 16)}`;
// In a table a date breaks only before its time.
const dateCell = (time) => `${time.slice(0, 10).replaceAll('-', '\u2011')} ${time.slice(11, 16)}`;
const percent = (share) => `${Math.round(share * 100)} %`;
const seconds = (ms) => `${(ms / 1000).toFixed(1)} s`;

function table(caption, headings, rows, strong = -1, className = '') {
  return element('table', { className },
    element('caption', { textContent: caption }),
    element('thead', {}, element('tr', {}, ...headings.map((heading) => element('th', { scope: 'col', textContent: heading })))),
    element('tbody', {}, ...rows.map((cells, index) => {
      const row = element('tr', {}, ...cells.map((cell) => element('td', { textContent: cell })));
      if (index === strong) row.className = 'best';
      return row;
    })));
}

function sessionsPart(panel) {
  const { sessions } = panel;
  if (!sessions.length) return [element('p', { textContent: 'No finished session in this span.' })];
  const labels = sessions.map((session) => session.time.slice(5, 10));
  const charts = [lineChart({ title: `${panel.caption}: score per session`, values: sessions.map((s) => s.score), labels, format: String, marked: panel.best, markName: 'best' })];
  const headings = ['Session ended', 'Score'];
  if (panel.share) {
    charts.push(lineChart({ title: `${panel.caption}: ${panel.share.toLowerCase()} per session`, values: sessions.map((s) => s.rightShare ?? 0), labels, format: percent, marked: null }));
    headings.push(panel.share);
  }
  if (panel.timed) {
    charts.push(lineChart({ title: `${panel.caption}: median response time per session`, values: sessions.map((s) => s.medianMs ?? 0), labels, format: seconds, marked: panel.fastest, markName: 'fastest' }));
    headings.push('Median time');
  }
  const rows = sessions.map((session, index) => {
    const cells = [dateCell(session.time), `${session.score}${index === panel.best ? ' (best)' : ''}`];
    if (panel.share) cells.push(session.rightShare === null ? '' : percent(session.rightShare));
    if (panel.timed) cells.push(session.medianMs === null ? '' : seconds(session.medianMs));
    return cells;
  });
  return [
    element('div', { className: 'progress-charts' }, ...charts),
    element('div', { className: 'progress-table', tabIndex: 0, role: 'region', ariaLabel: `${panel.caption} sessions` }, table(`${panel.caption} sessions`, headings, rows, panel.best, 'sessions')),
  ];
}

function mistakesPart(panel) {
  if (!panel.timed || !(panel.sessions.length || panel.recentMistakes.length)) return [];
  const last = panel.lastMistakes.length
    ? table(`${panel.caption}: the last session's mistakes`, ['Situation', 'Your answer', 'Right answer', 'Time'],
      panel.lastMistakes.map((m) => [m.situation, m.given, m.right, m.ms === null ? '' : seconds(m.ms)]))
    : element('p', { textContent: 'No mistakes in the last finished session.' });
  const recent = panel.recentMistakes.length
    ? table(`${panel.caption}: the last 30 days' mistakes by right answer`, ['Right answer', 'Mistakes'],
      panel.recentMistakes.map((group) => [group.right, String(group.count)]))
    : element('p', { textContent: 'No mistakes in the last 30 days.' });
  return [element('div', { className: 'progress-table', tabIndex: 0, role: 'region', ariaLabel: `${panel.caption} mistakes` }, last, recent)];
}

function stateText(data) {
  if (!data.on) return 'The practice log is off. "Keep a practice log" starts it: from then on this browser keeps a line for every answer and score.';
  if (!data.readable) return 'The practice log is on, but this browser\'s storage cannot be read just now.';
  const parts = [data.failingSince
    ? `The practice log could not be written since ${dateText(data.failingSince)}.`
    : 'The practice log is on and kept in this browser\'s storage.'];
  const skipped = data.unreadableLines + data.newerFormatLines;
  if (skipped) parts.push(`${skipped} unreadable ${skipped === 1 ? 'line was' : 'lines were'} skipped.`);
  return parts.join(' ');
}

function loadStyle(href) {
  const link = element('link', { rel: 'stylesheet', href });
  document.head.append(link);
  return new Promise((resolve) => { link.onload = link.onerror = resolve; });
}

export async function createProgressView({ program, enqueue, call, log, settings, showMessage }) {
  await loadStyle('progress.css');
  const text = (pointer) => program.UTF8ToString(pointer);
  const summary = (span) => enqueue(async () => JSON.parse(text(await call('velmo_progress_json', 'number', ['number'], [span]))));
  const switchLog = (on) => enqueue(() => call('velmo_log_switch', 'number', ['number'], [on ? 1 : 0]));
  const merge = (bytes) => enqueue(async () => {
    const copy = program._malloc(bytes.length + 1);
    program.HEAPU8.set(bytes, copy);
    try {
      return text(await call('velmo_merge_log', 'number', ['number', 'number'], [copy, bytes.length]));
    } finally {
      program._free(copy);
    }
  });

  const button = (textContent, onclick) => element('button', { type: 'button', textContent, onclick });
  const close = button('Close', () => view.close());
  const span = element('select', { id: 'progress-span' }, ...spans.map((name, index) => element('option', { value: index, textContent: name })));
  span.value = '1';
  const toggle = button('', () => (data.on ? askToStop() : turn(true)));
  const exportButton = button('Export', exportLog);
  const fileInput = element('input', { type: 'file', accept: '.csv,text/csv', hidden: true });
  const load = button('Load log', () => fileInput.click());
  const state = element('p', { className: 'progress-state', role: 'status' });
  const confirm = element('div', { className: 'progress-confirm', hidden: true, role: 'alertdialog', ariaLabel: 'Stop the log' },
    element('p', { textContent: 'Stop the log? This deletes the practice log kept in this browser. Export it first to keep a copy.' }),
    button('Delete the log', async () => { confirm.hidden = true; await turn(false); }),
    button('Keep it', () => { confirm.hidden = true; toggle.focus(); }));
  const panels = element('div', { className: 'progress-panels' });
  const view = element('dialog', { className: 'progress', ariaLabel: 'Progress' },
    element('header', {}, element('h2', { textContent: 'Progress' }), close),
    state,
    element('div', { className: 'progress-tools' },
      element('label', { htmlFor: 'progress-span', textContent: 'Show' }), span, toggle, exportButton, load, fileInput),
    confirm,
    panels);
  document.body.append(view);

  let data = null;
  async function show() {
    data = await summary(Number(span.value));
    state.textContent = stateText(data);
    toggle.textContent = data.on ? 'Stop the log' : 'Keep a practice log';
    exportButton.disabled = !data.on;
    panels.replaceChildren(...(data.on ? data.panels : []).map((panel) =>
      element('section', { ariaLabel: panel.caption }, element('h3', { textContent: panel.caption }), ...sessionsPart(panel), ...mistakesPart(panel))));
  }
  function askToStop() {
    confirm.hidden = false;
    confirm.querySelector('button').focus();
  }
  async function turn(on) {
    await switchLog(on);
    await show();
    toggle.focus();
  }
  async function exportLog() {
    const parts = await enqueue(() => log.exportParts());
    if (parts === null) {
      await show();
      return;
    }
    const link = element('a', { href: URL.createObjectURL(new Blob(parts, { type: 'text/csv' })), download: settings.logFileName });
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }
  fileInput.addEventListener('change', async () => {
    const file = fileInput.files[0];
    fileInput.value = '';
    if (!file) return;
    // A file over the largest log is refused unread; the program says so.
    const bytes = new Uint8Array(await file.slice(0, settings.maxLogFileBytes + 1).arrayBuffer());
    await showMessage(await merge(bytes), 'Load log');
    await show();
  });
  span.addEventListener('change', show);

  return {
    async open() {
      confirm.hidden = true;
      await show();
      if (!view.open) view.showModal();
      close.focus();
    },
  };
}
