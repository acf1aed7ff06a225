// Dialog units to CSS pixels, as a dialog template computes them: base
// units from the dialog font (the alphabet's average width, the font's
// height), each edge rounded on its own so that controls meeting in dialog
// units meet in pixels, then one scale for the whole dialog that fits it
// into the viewport, snapped to device pixels so that edges stay crisp.
const alphabet = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';

export function baseUnits(font) {
  const context = document.createElement('canvas').getContext('2d');
  context.font = font;
  const metrics = context.measureText(alphabet);
  const x = Math.floor((Math.floor(metrics.width / 26) + 1) / 2);
  const y = Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
  return { x, y };
}

// Rounded like MulDiv.
function scaleUnits(units, base, divisor) {
  return Math.floor((units * base + Math.floor(divisor / 2)) / divisor);
}

export function dialogPixels(base, width, height) {
  return { width: scaleUnits(width, base.x, 4), height: scaleUnits(height, base.y, 8) };
}

export function controlRect(base, row, scale) {
  const snap = (px) => Math.round(px * scale * devicePixelRatio) / devicePixelRatio;
  const left = snap(scaleUnits(row.x, base.x, 4));
  const top = snap(scaleUnits(row.y, base.y, 8));
  const right = snap(scaleUnits(row.x + row.width, base.x, 4));
  const bottom = snap(scaleUnits(row.y + row.height, base.y, 8));
  return { left, top, width: right - left, height: bottom - top };
}

// The largest scale, up to twice the natural size, at which the dialog fits
// into `room`.
export function fittingScale(natural, room) {
  return Math.min(2, room.width / natural.width, room.height / natural.height);
}

// Whether the whole dialog is usable at its fitting scale: with a finger
// (a coarse pointer) every target must reach the program's coarse floor in
// CSS pixels, with a mouse the fine one and every caption its floor.  Where
// it is not, the page shows one panel at a time instead.
export function wholeDialogUsable({ target, caption }, coarsePointer, floors) {
  return coarsePointer ? target >= floors.coarseTarget : target >= floors.fineTarget && caption >= floors.fineCaption;
}
