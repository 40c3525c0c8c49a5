#!/usr/bin/env node
// Projects the hand-traced rivers, lakes, mountains, deserts and names of
// features.lonlat.txt into the pixel frame of the map picture. Run once; the
// output is committed:
//
//   node tools/mapgen/convert_features.mjs tools/mapgen/features.lonlat.txt > res/map/features.txt
import { readFileSync } from 'node:fs';
import { project } from './projection.mjs';

const px = (lon, lat) => project(+lon, +lat).map((v) => v.toFixed(1)).join(' ');
const out = [
  '# Rivers, lakes, mountains, deserts and names of the world map, in pixels of the',
  '# 1831 x 649 picture. Made by tools/mapgen/convert_features.mjs from',
  '# tools/mapgen/features.lonlat.txt (same kinds, longitude/latitude projected).',
];
for (const raw of readFileSync(process.argv[2], 'utf8').split('\n')) {
  const line = raw.trim();
  if (!line || line.startsWith('#')) continue;
  const f = line.split(/\s+/);
  const kind = f[0];
  if (['sea', 'region', 'island'].includes(kind)) {
    out.push(`${kind} ${f[1]} ${px(f[2], f[3])} ${f.slice(4).join(' ')}`);  // name [angle]
  } else {
    const pts = [];
    for (let i = 1; i + 1 < f.length; i += 2) pts.push(px(f[i], f[i + 1]));
    out.push(`${kind} ${pts.join('  ')}`);
  }
}
// The graticule: parallels every 10° from 20°N to 50°N, meridians every 10°.
const line = (pts) => `graticule ${pts.map(([lon, lat]) => px(lon, lat)).join('  ')}`;
for (let lat = 20; lat <= 50; lat += 10) {
  const pts = [];
  for (let lon = -20; lon <= 90; lon += 1) pts.push([lon, lat]);
  out.push(line(pts));
}
for (let lon = -10; lon <= 80; lon += 10) {
  const pts = [];
  for (let lat = 15; lat <= 56; lat += 1) pts.push([lon, lat]);
  out.push(line(pts));
}
console.log(out.join('\n'));
