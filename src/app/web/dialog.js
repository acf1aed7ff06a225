// The dialog, built from the program's layout table in one loop: every row
// becomes a real control placed where the table puts it, in the table's
// order, which is also the tab order.  Buttons send their id to `press`;
// text boxes are named for screen readers by the table's box names.  The
// same controls are either placed where the table puts them (fit) or, one
// panel at a time, left to flow in the table's order (reflow: the touch
// layout, style.css).
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

export function buildDialog(container, layout, press) {
  const base = baseUnits(`${fontSize}px ${fontFamily}`);
  const natural = dialogPixels(base, layout.width, layout.height);
  const placed = layout.controls.map((row) => {
    const element = buildControl(row, press);
    element.dataset.panel = row.panel;
    return { row, element };
  });
  container.append(...placed.map(({ element }) => element));
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
    // A caption of wide letters gets a slightly smaller font rather than
    // being clipped, as on the desktop.
    for (const { row, element } of placed) {
      if (row.kind !== 'button') continue;
      let size = fontSize * scale;
      const clipped = () => element.scrollWidth > element.clientWidth || element.scrollHeight > element.clientHeight;
      while (clipped() && size > 6 * scale) {
        size -= 0.25 * scale;
        element.style.fontSize = `${size}px`;
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
