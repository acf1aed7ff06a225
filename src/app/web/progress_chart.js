// One line chart of the Progress view, in SVG: a value per session, oldest
// left, one marked (the best score, the fastest time).  It draws in the
// text's colour, so it follows dark mode, and scales with the page; a
// screen reader reads the table beside it instead (the chart is hidden
// from it).
const svgNamespace = 'http://www.w3.org/2000/svg';
const width = 320;
const height = 140;
const left = 64; // room for a value label such as "0.0785 s"
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

// `points`: each session's value, its text and its day, oldest first;
// `best`: the index to mark (or null) and `bestWord` its word.
export function lineChart({ title, points, best, bestWord }) {
  const chart = svg('svg', { viewBox: `0 0 ${width} ${height}`, class: 'progress-chart', 'aria-hidden': 'true' });
  chart.append(svg('title', {}, title));
  const values = points.map((point) => point.value);
  const lowest = values.indexOf(Math.min(...values));
  const highest = values.indexOf(Math.max(...values));
  const low = values[lowest];
  const high = values[highest];
  const span = high - low || 1;
  const plotted = width - left - right - 2 * inset;
  const x = (i) => left + inset + (values.length === 1 ? plotted / 2 : (i * plotted) / (values.length - 1));
  const y = (v) => top + (height - top - bottom) * (1 - (v - low) / span);
  chart.append(
    svg('line', { x1: left, y1: top, x2: left, y2: height - bottom, class: 'axis' }),
    svg('line', { x1: left, y1: height - bottom, x2: width - right, y2: height - bottom, class: 'axis' }),
    svg('text', { x: left - 6, y: y(high) + 4, 'text-anchor': 'end' }, points[highest].text),
    svg('text', { x: left - 6, y: y(low) + 4, 'text-anchor': 'end' }, points[lowest].text),
    svg('text', { x: left, y: height - 6, 'text-anchor': 'start' }, points[0].day),
  );
  if (points.length > 1) chart.append(svg('text', { x: width - right, y: height - 6, 'text-anchor': 'end' }, points[points.length - 1].day));
  chart.append(svg('polyline', { points: values.map((v, i) => `${x(i)},${y(v)}`).join(' '), class: 'line' }));
  values.forEach((v, i) => chart.append(svg('circle', { cx: x(i), cy: y(v), r: i === best ? 5 : 2.5, class: i === best ? 'marked' : 'point' })));
  if (best !== null && best !== undefined) {
    const atRight = x(best) > width / 2;
    chart.append(svg('text', { x: x(best) + (atRight ? -8 : 8), y: Math.max(top + 4, y(values[best]) - 8), 'text-anchor': atRight ? 'end' : 'start', class: 'mark' }, bestWord));
  }
  return chart;
}
