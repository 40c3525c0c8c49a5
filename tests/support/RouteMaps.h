// Map pictures of the real size for campaign scenarios: the starting city at
// (654, 260), then legs running straight east, each to a city drawn as a small
// octagon of the city colour in a ring of the city-edge colour. The last leg
// may end at no city, as the hundredth leg of the real map does.
//
//   MemoryPixelMap map = RouteMap({23, 31}, LastLeg::EndsAtNoCity);
//   // two legs: 22 route steps to the first city, then 30 to a dead end
#pragma once

#include <vector>

#include "table/MapTracing.h"
#include "table/MemoryPixelMap.h"

namespace tolva::testing {

enum class LastLeg { EndsAtCity, EndsAtNoCity };

// Legs of the given numbers of route pixels (a leg of n pixels is walked in
// n - 1 route steps). The key colours are those of ArtColours, kept at
// their sample pixels.
MemoryPixelMap RouteMap(const std::vector<int>& legPixels, LastLeg last);

// The city points of the cities at the ends of the legs, in order.
std::vector<MapPoint> RouteMapCityPoints(const std::vector<int>& legPixels);

// The route of the scripted host's map: four cities, then a leg of 20 route
// steps to a dead end.
inline const std::vector<int> kStandardLegs{23, 31, 12, 46, 21};
inline constexpr int kStandardCities = 4;

}  // namespace tolva::testing
