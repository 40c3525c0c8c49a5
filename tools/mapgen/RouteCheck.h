// Walks the whole route on the finished picture with the campaign's own
// tracing code, exactly as the game will, and compares every leg with the
// layout it was drawn from.
#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include "MapData.h"
#include "RouteRaster.h"

namespace tolva::mapgen {

struct LegReport {
  int steps = 0;    // route steps the animation takes
  QPoint cityPoint; // where the king stands afterwards (-1, -1 at the end)
};

// Throws std::runtime_error describing the first leg that does not trace as
// laid out, or an expectation of the route file that does not hold.
QVector<LegReport> CheckRoute(const QImage& picture, const Route& route, const RouteLayout& layout);

}  // namespace tolva::mapgen
