// The map's ground: seas shaded by depth, land tinted by desert, green
// lowland and mountain, coastlines, lakes, rivers, mountain ranges and the
// graticule. Everything here is art; the route's key colours are stamped on
// top later.
#pragma once

#include <QImage>

#include "MapData.h"

namespace tolva::mapgen {

// Land coverage of each pixel, 0 (sea) to 255 (land), antialiased.
QImage LandCoverage(const Features& features);

QImage PaintTerrain(const Features& features, const QImage& landCoverage);

}  // namespace tolva::mapgen
