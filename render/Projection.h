// Laying the flat table onto the canvas in perspective, as seen from the
// human player's chair at the bird's-eye angle: 202 bands of 5 source rows,
// each stretched to its own width, nearer bands drawn over farther ones. The
// integer arithmetic is the game's own, so every place lands on the same
// pixel as the hit rectangles say.
#pragma once

#include <QImage>
#include <QPainter>
#include <array>

#include "render/DeviceScale.h"
#include "render/Geometry.h"

namespace tolva {

inline constexpr int kBandRows = 5;
inline constexpr int kBands = kTableSize / kBandRows;  // 202: y0 = 0, 5, ..., 1005

struct ProjectionBand {
  int sourceY = 0;  // first table row of the band
  int a = 0;        // its height above the table's near edge line, in canvas rows
  int x = 0;        // where it lands on the canvas, and its width there
  int y = 0;
  int w = 0;
};

struct Projection {
  int angle = 0;   // int(ViewAngle)
  double t = 0;    // tangent of the angle
  int A = 0;       // projected height of the table
  int e = 0;       // thickness of the table's front edge
  std::array<ProjectionBand, kBands> bands{};
  const ProjectionBand& Last() const { return bands.back(); }
};

// The angle the drawing uses: a stored angle is drawn as it is, but one that
// would break the arithmetic (not a number, 0 or less, a right angle or more)
// is kept within 1..89 degrees.
double DrawableViewAngle(double viewAngle);

Projection ComputeProjection(double viewAngle);

// A table-surface rectangle to the canvas (the hit-area form of the mapping).
Rect ProjectRect(const Rect& r, double viewAngle);

// The top row of the stock or river pile's top card for a pile of n cards.
int PileTop(int n, double viewAngle);

// Stretches the bands of `table` onto the canvas (halftone). At a device
// scale other than 1 the table and the canvas are both at that scale, and
// every band's edges land where the scale puts them. With a `clip` (device
// pixels) only the bands that land in it are stretched.
void ProjectTable(QPainter& canvas, const QImage& table, const Projection& projection,
                  const DeviceScale& scale = {}, const QRect& clip = QRect());

// Whether the stretched bands replace every pixel of `device` (device pixels
// at `scale`), so that nothing painted there before the table shows.
bool ProjectionCovers(const Projection& projection, const DeviceScale& scale, const QRect& device);

// The canvas rectangle the bands cover.
Rect ProjectedBounds(const Projection& projection);

// The table's front edge on the canvas, below the last band.
Rect FrontEdge(const Projection& projection);

// The canvas rectangle that holds the projection of a flat-table rectangle
// (with the rows the halftone stretch reads beside it).
Rect ProjectedArea(const Projection& projection, const Rect& flat);

// The table's front edge in table coordinates, for its hit rectangle.
Rect TableEdgePlace(const Projection& projection);

}  // namespace tolva
