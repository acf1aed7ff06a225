// The dialog, built from the program's layout table in one loop: every row
// becomes a real control placed where the table puts it, in the table's
// order, which is also the tab order.  Buttons send their id to `press`;
// text boxes are named for screen readers by the table's box names.  The
// same controls are either placed where the table puts them (fit) or, one
// panel at a time, left to flow in the table's order (reflow: the touch
// layout, style.css).  A static label is read just before the box it
// labels: the two stand together in a field, which the whole dialog does
// not see (its parts are placed one by one) and the touch layout keeps on
// one line.
import { baseUnits, controlRect, dialogPixels, fittingScale } from './layout.js';

const fontSize = 13; // CSS pixels at the dialog's natural size
const fontFamily = 'system-ui, "Segoe UI", "DejaVu Sans", sans-serif';

function buildControl(row, press) {
  let element;
  switch (row.kind) {
    case 'group':
      element = document.createElement('div');
      element.className = row.left ? 'group left' : 'group';
      element.append(Object.assign(document.createElement('span'), { textContent: row.caption }));
      return element;
    case 'label':
      element = document.createElement('span');
      element.className = 'label';
      element.textContent = row.caption;
      return element;
    case 'button':
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = row.caption;
      element.setAttribute('aria-label', row.name);
      element.addEventListener('click', () => press(row.id));
      break;
    case 'line':
      element = document.createElement('input');
      element.type = 'text';
      element.setAttribute('aria-label', row.name);
      element.name = row.name;
      break;
    case 'multiline':
      element = document.createElement('textarea');
      element.setAttribute('aria-label', row.name);
      element.name = row.name;
      break;
  }
  element.id = `control${row.id}`;
  element.dataset.controlId = row.id;
  return element;
}

// The box a static label names, from the rows' geometry: the nearest box of
// its panel on the same line to its right, else the nearest one just below
// it (RE/Odds puts "Score:" above its box).
const isBox = (row) => row.kind === 'line' || row.kind === 'multiline';
export function labelledBox(label, rows) {
  const boxes = rows.filter((row) => isBox(row) && row.panel === label.panel);
  const across = (a, b, start, size) => Math.min(a[start] + a[size], b[start] + b[size]) - Math.max(a[start], b[start]);
  const nearest = (candidates, distance) =>
    candidates.reduce((best, row) => (best && distance(best) <= distance(row) ? best : row), null);
  return nearest(boxes.filter((box) => across(box, label, 'y', 'height') > 0 && box.x >= label.x + label.width / 2),
    (box) => box.x - label.x - label.width)
    ?? nearest(boxes.filter((box) => across(box, label, 'x', 'width') > 0 && box.y >= label.y + label.height / 2),
      (box) => box.y - label.y - label.height);
}

export function buildDialog(container, layout, press) {
  const base = baseUnits(`${fontSize}px ${fontFamily}`);
  const natural = dialogPixels(base, layout.width, layout.height);
  const placed = layout.controls.map((row) => {
    const element = buildControl(row, press);
    element.dataset.panel = row.panel;
    return { row, element };
  });
  // Each label goes into a field with its box, where the box stands in the
  // table's order; the focusable controls keep that order.
  const fields = new Map(); // a box's id -> its field
  for (const { row, element } of placed) {
    if (row.kind !== 'label') continue;
    const box = labelledBox(row, layout.controls);
    if (!box || fields.has(box.id)) continue;
    const field = document.createElement('div');
    field.className = 'field';
    field.dataset.panel = row.panel;
    field.append(element);
    fields.set(box.id, field);
  }
  // The controls go into the page once they are placed (fit or reflow): in
  // it unplaced, the page's first look at its own size (main.js) would lay
  // all of them out once for nothing.
  let unattached = placed.flatMap(({ row, element }) => {
    if (row.kind === 'label') return element.parentNode ? [] : [element];
    const field = fields.get(row.id);
    if (!field) return [element];
    field.append(element);
    return [field];
  });
  const attach = () => {
    if (!unattached) return;
    container.append(...unattached);
    unattached = null;
  };
  const boxes = new Map(placed.filter(({ row }) => row.kind === 'line' || row.kind === 'multiline')
    .map(({ row, element }) => [row.id, element]));

  // A text box takes typing as on the desktop, but Enter there does nothing
  // here: on the desktop it ends the program, which a page cannot do.
  container.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && event.target.matches('input, textarea')) event.preventDefault();
  });

  // The scale at which the whole dialog fits into `room`, and its smallest
  // target and caption there, in CSS pixels.
  function measure(room) {
    const scale = fittingScale(natural, room);
    let target = Infinity;
    for (const { row } of placed) {
      if (row.kind === 'group' || row.kind === 'label') continue;
      const rect = controlRect(base, row, scale);
      target = Math.min(target, rect.width, rect.height);
    }
    return { scale, target, caption: fontSize * scale };
  }

  function fit(scale) {
    container.classList.remove('reflowed');
    for (const { element } of placed) element.hidden = false;
    for (const field of fields.values()) field.hidden = false;
    container.style.setProperty('--font-size', `${fontSize * scale}px`);
    // Edges shrink with the dialog too, down to one device pixel (style.css).
    container.style.setProperty('--edge-width', `${Math.max(1, Math.round(scale * devicePixelRatio)) / devicePixelRatio}px`);
    const size = controlRect(base, { x: 0, y: 0, width: layout.width, height: layout.height }, scale);
    container.style.width = `${size.width}px`;
    container.style.height = `${size.height}px`;
    for (const { row, element } of placed) {
      const rect = controlRect(base, row, scale);
      element.style.left = `${rect.left}px`;
      element.style.top = `${rect.top}px`;
      element.style.height = `${rect.height}px`;
      element.style[row.kind === 'label' ? 'minWidth' : 'width'] = `${rect.width}px`;
      element.style.fontSize = '';
    }
    attach();
    // A caption of wide letters gets a slightly smaller font rather than
    // being clipped, as on the desktop.  Every button is read, then every
    // clipped one written, so that each step costs one layout of the page,
    // not one per button.
    const clipped = (element) => element.scrollWidth > element.clientWidth || element.scrollHeight > element.clientHeight;
    let shrinking = placed.filter(({ row }) => row.kind === 'button').map(({ element }) => ({ element, size: fontSize * scale }));
    while ((shrinking = shrinking.filter(({ element, size }) => size > 6 * scale && clipped(element))).length) {
      for (const button of shrinking) {
        button.size -= 0.25 * scale;
        button.element.style.fontSize = `${button.size}px`;
      }
    }
  }

  function reflow(shown) {
    container.classList.add('reflowed');
    container.removeAttribute('style');
    for (const { row, element } of placed) {
      element.removeAttribute('style');
      element.hidden = row.panel !== shown;
    }
    for (const field of fields.values()) field.hidden = Number(field.dataset.panel) !== shown;
    attach();
  }

  return {
    measure,
    fit,
    reflow,
    panels: placed.filter(({ row }) => row.kind === 'group').map(({ row }) => row.caption),
    setBoxText(id, text) {
      const box = boxes.get(id);
      if (!box) return;
      box.value = text;
      if (box.setSelectionRange && box.tagName === 'INPUT') box.setSelectionRange(0, 0);
    },
    focusFirst() {
      placed.find(({ element }) => element.tabIndex >= 0 && element.matches('button, input, textarea')).element.focus();
    },
  };
}
