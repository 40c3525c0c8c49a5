#!/usr/bin/env node
// Converts Natural Earth coastlines (the `world-atlas` npm package's TopoJSON)
// into the small pixel-space land file the map generator draws from. Run once;
// its output, res/map/land.txt, is committed, so a build needs neither node nor
// the package.
//
//   npm install world-atlas           (in a scratch folder outside the repository)
//   node tools/mapgen/convert_land.mjs <scratch>/node_modules/world-atlas/land-10m.json \
//        > res/map/land.txt
//   node tools/mapgen/convert_land.mjs --project <lon> <lat> ...   (prints pixels)
//
// The projection is described in projection.mjs.
import { readFileSync } from 'node:fs';
import { HEIGHT, WIDTH, project } from './projection.mjs';

// --- TopoJSON decoding (quantized, delta-encoded arcs) ---
function decodeArcs(topo) {
  const [sx, sy] = topo.transform.scale, [tx, ty] = topo.transform.translate;
  return topo.arcs.map((arc) => {
    let x = 0, y = 0;
    return arc.map(([dx, dy]) => { x += dx; y += dy; return [x * sx + tx, y * sy + ty]; });
  });
}
function ringFromArcs(indices, arcs) {
  const ring = [];
  for (const i of indices) {
    const arc = i >= 0 ? arcs[i] : arcs[~i].slice().reverse();
    ring.push(...(ring.length ? arc.slice(1) : arc));
  }
  return ring;
}
function polygons(topo) {
  const arcs = decodeArcs(topo);
  const out = [];
  const visit = (g) => {
    if (g.type === 'GeometryCollection') g.geometries.forEach(visit);
    else if (g.type === 'Polygon') out.push(g.arcs.map((r) => ringFromArcs(r, arcs)));
    else if (g.type === 'MultiPolygon') g.arcs.forEach((p) => out.push(p.map((r) => ringFromArcs(r, arcs))));
  };
  Object.values(topo.objects).forEach(visit);
  return out;
}

// --- clipping to a rectangle (Sutherland–Hodgman; fine for filling) ---
function clip(ring, x0, y0, x1, y1) {
  const edges = [
    [(p) => p[0] >= x0, (a, b) => [x0, a[1] + ((b[1] - a[1]) * (x0 - a[0])) / (b[0] - a[0])]],
    [(p) => p[0] <= x1, (a, b) => [x1, a[1] + ((b[1] - a[1]) * (x1 - a[0])) / (b[0] - a[0])]],
    [(p) => p[1] >= y0, (a, b) => [a[0] + ((b[0] - a[0]) * (y0 - a[1])) / (b[1] - a[1]), y0]],
    [(p) => p[1] <= y1, (a, b) => [a[0] + ((b[0] - a[0]) * (y1 - a[1])) / (b[1] - a[1]), y1]],
  ];
  let pts = ring;
  for (const [inside, cut] of edges) {
    if (!pts.length) break;
    const next = [];
    for (let i = 0; i < pts.length; ++i) {
      const a = pts[(i + pts.length - 1) % pts.length], b = pts[i];
      if (inside(b)) { if (!inside(a)) next.push(cut(a, b)); next.push(b); }
      else if (inside(a)) next.push(cut(a, b));
    }
    pts = next;
  }
  return pts;
}

// --- Douglas–Peucker on a closed ring ---
function simplify(ring, tol) {
  if (ring.length < 4) return ring;
  const keep = new Uint8Array(ring.length);
  keep[0] = keep[ring.length - 1] = 1;
  const stack = [[0, ring.length - 1]];
  // split a closed ring at its farthest point from the first so both halves are open
  let far = 0, fd = -1;
  for (let i = 1; i < ring.length; ++i) {
    const d = Math.hypot(ring[i][0] - ring[0][0], ring[i][1] - ring[0][1]);
    if (d > fd) { fd = d; far = i; }
  }
  keep[far] = 1;
  stack.length = 0; stack.push([0, far], [far, ring.length - 1]);
  while (stack.length) {
    const [i, j] = stack.pop();
    const [x1, y1] = ring[i], [x2, y2] = ring[j];
    const len = Math.hypot(x2 - x1, y2 - y1) || 1e-9;
    let best = -1, bd = 0;
    for (let k = i + 1; k < j; ++k) {
      const d = Math.abs((x2 - x1) * (y1 - ring[k][1]) - (x1 - ring[k][0]) * (y2 - y1)) / len;
      if (d > bd) { bd = d; best = k; }
    }
    if (bd > tol) { keep[best] = 1; stack.push([i, best], [best, j]); }
  }
  return ring.filter((_, k) => keep[k]);
}
const area = (r) => r.reduce((s, p, i) => { const q = r[(i + 1) % r.length]; return s + p[0] * q[1] - q[0] * p[1]; }, 0) / 2;

function main(argv) {
  if (argv[0] === '--project') {
    for (let i = 1; i + 1 < argv.length; i += 2) {
      const [x, y] = project(+argv[i], +argv[i + 1]);
      console.log(`${argv[i]} ${argv[i + 1]} -> ${x.toFixed(1)} ${y.toFixed(1)}`);
    }
    return;
  }
  const topo = JSON.parse(readFileSync(argv[0], 'utf8'));
  const margin = 8;
  const lines = [];
  for (const poly of polygons(topo)) {
    for (const ringLL of poly) {
      // Rough geographic window first, so the conic never sees the far side of the globe.
      if (!ringLL.some(([lon, lat]) => lon > -20 && lon < 95 && lat > 10 && lat < 62)) continue;
      const ll = ringLL.map(([lon, lat]) => [Math.min(Math.max(lon, -25), 100), Math.min(Math.max(lat, 5), 65)]);
      const px = clip(ll.map(([lon, lat]) => project(lon, lat)), -margin, -margin, WIDTH + margin, HEIGHT + margin);
      if (px.length < 3) continue;
      const s = simplify(px, 0.3);
      if (s.length < 3 || Math.abs(area(s)) < 0.6) continue;
      lines.push(s.map(([x, y]) => `${Math.round(x * 10)},${Math.round(y * 10)}`).join(' '));
    }
  }
  console.log('# Land of the world map, in tenths of a pixel of the 1831 x 649 map picture.');
  console.log('# One ring per line; rings are filled with the even-odd rule (holes are lakes).');
  console.log('# Made by tools/mapgen/convert_land.mjs from Natural Earth 1:10m land (public');
  console.log('# domain), as packaged in the npm package world-atlas 2.0.2.');
  for (const l of lines) console.log(l);
}
main(process.argv.slice(2));
