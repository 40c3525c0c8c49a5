// The colours the campaign's tracing reads from the map picture. The route,
// city-edge and city colours are sampled by the game at (88, 432), (89, 432)
// and (90, 432); the conquered and travelled colours are fixed. None of them
// may appear anywhere else in the picture.
#pragma once

#include <QColor>

namespace tolva::mapgen {

inline constexpr QRgb kRouteColour = 0xFF96201E;     // a dark vermilion line
inline constexpr QRgb kCityEdgeColour = 0xFF2A1C12;  // the ink ring of a city
inline constexpr QRgb kCityColour = 0xFFFFDE4A;      // a gold city not yet taken
inline constexpr QRgb kConqueredColour = 0xFFFF0000;
inline constexpr QRgb kTravelledColour = 0xFFFF00FF;

inline bool IsKeyColour(QRgb c) {
  const QRgb rgb = c | 0xFF000000u;
  return rgb == kRouteColour || rgb == kCityEdgeColour || rgb == kCityColour || rgb == kConqueredColour ||
         rgb == kTravelledColour;
}

}  // namespace tolva::mapgen
