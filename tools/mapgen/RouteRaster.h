// The route and its cities as exact pixels: each city an octagon of the city
// colour ringed by the city-edge colour, each leg a one-pixel line from ring
// to ring. Laid out here, checked against everything the campaign's tracing
// relies on, and only then stamped into the picture.
#pragma once

#include <QImage>
#include <QPoint>
#include <QVector>

#include "MapData.h"

namespace tolva::mapgen {

struct CityShape {
  QPoint centre;
  QVector<QPoint> interior;
  QVector<QPoint> ring;  // a closed one-pixel line: each pixel has two ring neighbours
};

struct RouteLayout {
  CityShape start;
  QVector<CityShape> cities;
  QVector<QVector<QPoint>> legs;  // legs[i] from the city before it to cities[i] (or to the end)
};

CityShape MakeCity(QPoint centre, bool big);

// The legend's samples in the key colours: a stretch of route ending at
// (88, 432) beside a city whose ring passes (89, 432) and whose area holds
// (90, 432), where the game reads its key colours; and below it the same in
// the travelled and conquered colours.
struct LegendSample {
  QVector<QPoint> route;
  CityShape city;
  QVector<QPoint> travelled;
  CityShape conquered;
};
LegendSample MakeLegendSample();

// Lays the legs along smooth curves through their waypoints and trims them to
// the rings; throws std::runtime_error when any leg touches itself, another
// leg or a city it does not belong to, or leaves the picture.
RouteLayout LayOutRoute(const Route& route);

// Pixels within `margin` of the route and the cities, where nothing else
// should be written (labels keep clear of them).
QImage RouteKeepOut(const RouteLayout& layout, int margin);

}  // namespace tolva::mapgen
