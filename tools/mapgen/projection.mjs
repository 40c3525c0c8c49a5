// The map picture's projection, shared by the converters of tools/mapgen.
//
// Projection: Lambert conformal conic, standard parallels 30°N and 45°N, origin
// 38°N 30°E, so the lands from Iberia to the Indus keep their shapes, and the
// map picture's frame (1831 × 649) is placed so that Pella, the Macedonian
// capital (22.52°E, 40.76°N), falls on pixel (654, 260) — the starting city of
// the campaign's route. The scale is 1500 pixels per unit of the projection's
// radius (about 26 pixels per degree of latitude): Gades lies near the left
// edge, the Hyphasis near the right one, the Black Sea and the Caspian fit below
// the top edge and the Gedrosian coast above the bottom.
export const WIDTH = 1831, HEIGHT = 649;
const RAD = Math.PI / 180;
const PHI1 = 30 * RAD, PHI2 = 45 * RAD, PHI0 = 38 * RAD, LAMBDA0 = 30 * RAD;
const SCALE = 1500;
const ANCHOR = { lon: 22.52, lat: 40.76, x: 654, y: 260 };

const t = (phi) => Math.tan(Math.PI / 4 + phi / 2);
const N = Math.log(Math.cos(PHI1) / Math.cos(PHI2)) / Math.log(t(PHI2) / t(PHI1));
const F = (Math.cos(PHI1) * Math.pow(t(PHI1), N)) / N;
const RHO0 = F / Math.pow(t(PHI0), N);

function lcc(lon, lat) {
  const rho = F / Math.pow(t(lat * RAD), N);
  const theta = N * (lon * RAD - LAMBDA0);
  return [rho * Math.sin(theta), RHO0 - rho * Math.cos(theta)];
}
const [ax, ay] = lcc(ANCHOR.lon, ANCHOR.lat);
export function project(lon, lat) {
  const [x, y] = lcc(lon, lat);
  return [ANCHOR.x + SCALE * (x - ax), ANCHOR.y - SCALE * (y - ay)];
}
