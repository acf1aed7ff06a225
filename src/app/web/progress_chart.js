// One line chart of the Progress view, in SVG: a value per session, oldest
// left, one marked (the best score, the fastest time).  It draws in the
// text's colour, so it follows dark mode, and scales with the page; a
// screen reader reads the table beside it instead (the chart is hidden
// from it).
const svgNamespace = 'http://www.w3.org/2000/svg';
const width = 320;
const height = 140;
const left = 48;
const right = 12;
const top = 14;
const bottom = 26;
// Room between the axis and the first and last points, for the marks.
const inset = 10;

function svg(tag, attributes, text) {
  const node = document.createElementNS(svgNamespace, tag);
  for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, String(value));
  if (text !== undefined) node.textContent = text;
  return node;
}

// `values`: numbers, `labels`: the sessions' dates, `format`: a value as
// text, `marked`: the index to mark (or null) and `markName` its word.
export function lineChart({ title, values, labels, format, marked, markName }) {
  const chart = svg('svg', { viewBox: `0 0 ${width} ${height}`, class: 'progress-chart', 'aria-hidden': 'true' });
  chart.append(svg('title', {}, title));
  const low = Math.min(...values);
  const high = Math.max(...values);
  const span = high - low || 1;
  const plotted = width - left - right - 2 * inset;
  const x = (i) => left + inset + (values.length === 1 ? plotted / 2 : (i * plotted) / (values.length - 1));
  const y = (v) => top + (height - top - bottom) * (1 - (v - low) / span);
  chart.append(
    svg('line', { x1: left, y1: top, x2: left, y2: height - bottom, class: 'axis' }),
    svg('line', { x1: left, y1: height - bottom, x2: width - right, y2: height - bottom, class: 'axis' }),
    svg('text', { x: left - 6, y: y(high) + 4, 'text-anchor': 'end' }, format(high)),
    svg('text', { x: left - 6, y: y(low) + 4, 'text-anchor': 'end' }, format(low)),
    svg('text', { x: left, y: height - 6, 'text-anchor': 'start' }, labels[0]),
  );
  if (labels.length > 1) chart.append(svg('text', { x: width - right, y: height - 6, 'text-anchor': 'end' }, labels[labels.length - 1]));
  chart.append(svg('polyline', { points: values.map((v, i) => `${x(i)},${y(v)}`).join(' '), class: 'line' }));
  values.forEach((v, i) => chart.append(svg('circle', { cx: x(i), cy: y(v), r: i === marked ? 5 : 2.5, class: i === marked ? 'marked' : 'point' })));
  if (marked !== null && marked !== undefined) {
    const atRight = x(marked) > width / 2;
    chart.append(svg('text', { x: x(marked) + (atRight ? -8 : 8), y: Math.max(top + 4, y(values[marked]) - 8), 'text-anchor': atRight ? 'end' : 'start', class: 'mark' }, markName));
  }
  return chart;
}
