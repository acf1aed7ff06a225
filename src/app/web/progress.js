// The Progress view: a modal page over the dialog (closed by its Close
// button or Escape), which reads the practice log afresh each time it opens
// or its span changes.  Every number and every word comes from the program
// (velmo_progress_json), as the desktop views write them; this only lays
// them out: per scoring panel a chart
// and a table of its sessions, for the timed quizzes also the share of right
// answers and the median time, the last session's mistakes and the last 30
// days' mistakes by right answer.  Its buttons turn the log on and off,
// export it and merge in a log from another device.
import { lineChart } from './progress_chart.js';

function element(tag, properties = {}, ...children) {
  const node = Object.assign(document.createElement(tag), properties);
  node.append(...children.filter((child) => child !== null));
  return node;
}

// In a table a date breaks only before its time.
const dateCell = (text) => text.replace(/^(\d{4})-(\d\d)-(\d\d)/, '$1\u2011$2\u2011$3');

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

function sessionsPart(panel, data) {
  const { headers, rows, best } = panel.sessions;
  if (!rows.length) return [element('p', { textContent: `${data.noSessions}.` })];
  const charts = panel.charts.filter((chart) => chart.points.length).map((chart) => lineChart({ ...chart, title: `${panel.caption}: ${chart.title}` }));
  return [
    element('div', { className: 'progress-charts' }, ...charts),
    element('div', { className: 'progress-table', tabIndex: 0, role: 'region', ariaLabel: `${panel.caption} sessions` },
      table(`${panel.caption} sessions`, headers, rows.map(([end, ...rest]) => [dateCell(end), ...rest]), best, 'sessions')),
  ];
}

// The timed quizzes' last session's mistakes and the last 30 days' by right answer.
function mistakesPart(panel) {
  const mistakes = panel.mistakes;
  if (!mistakes) return [];
  const last = [element('p', { textContent: mistakes.note })];
  if (mistakes.rows.length) last.push(table(`${panel.caption}: ${mistakes.heading}`, mistakes.headers, mistakes.rows));
  const recent = mistakes.groups.length
    ? table(`${panel.caption}: ${mistakes.groupsHeading}`, mistakes.groupHeaders, mistakes.groups)
    : element('p', { textContent: mistakes.groupsNote });
  return [element('div', { className: 'progress-table', tabIndex: 0, role: 'region', ariaLabel: `${panel.caption} mistakes` },
    element('h4', { textContent: mistakes.heading }), ...last, recent)];
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
  // Its choices come with the first summary; the last 30 days until then.
  const span = element('select', { id: 'progress-span' });
  const toggle = button('', () => (data.on ? askToStop() : turn(true)));
  const exportButton = button('Export', exportLog);
  const fileInput = element('input', { type: 'file', accept: '.csv,text/csv', hidden: true });
  const load = button('Load log', () => fileInput.click());
  const state = element('p', { className: 'progress-state', role: 'status' });
  const question = element('p');
  const confirm = element('div', { className: 'progress-confirm', hidden: true, role: 'alertdialog', ariaLabel: 'Stop the log' },
    question,
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
    data = await summary(span.options.length ? Number(span.value) : 1);
    if (!span.options.length) {
      span.append(...data.spans.map((name, index) => element('option', { value: index, textContent: name })));
      span.value = '1';
    }
    state.textContent = data.state;
    toggle.textContent = data.toggle;
    question.textContent = data.stopQuestion;
    exportButton.disabled = !data.on;
    panels.replaceChildren(...(data.on ? data.panels : []).map((panel) =>
      element('section', { ariaLabel: panel.caption }, element('h3', { textContent: panel.caption }), ...sessionsPart(panel, data), ...mistakesPart(panel))));
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
