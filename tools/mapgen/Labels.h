// The names on the map: seas and lands first, faint and spaced, then the
// cities' names, each placed on the side of its city where it covers least of
// the route, the other cities and the names already placed.
#pragma once

#include <QImage>
#include <QRect>
#include <QVector>

#include "MapData.h"
#include "RouteRaster.h"

namespace tolva::mapgen {

// Returns the boxes of the names, which the cities' names avoid. Names in
// Latin letters are set in capitals for the lands, as old maps set them.
QVector<QRectF> PaintAreaNames(QImage& map, const Features& features);

// Where a city's name was put.
struct PlacedName {
  QString name;
  QPoint city;
  QRectF box;
};

// Returns the names as placed, the starting city's first. With `searchWider`
// a name may also slide along the sides of its city: the English names are
// longer and need it in the crowded corners, while the Japanese map keeps
// the places it has always had.
QVector<PlacedName> PaintCityNames(QImage& map, const Route& route, const RouteLayout& layout,
                                   const QVector<QRect>& reserved, const QVector<QRectF>& areaNames,
                                   bool searchWider);

}  // namespace tolva::mapgen
