#include "tests/support/RouteMaps.h"

#include "tests/support/PixelArt.h"

namespace tolva::testing {
namespace {

constexpr int kMapWidth = 1831;
constexpr int kMapHeight = 649;
constexpr int kRouteRow = 260;

// A city seven pixels across; the origin is its top-left corner.
const std::initializer_list<std::string_view> kCity{
    "..eee..", ".eccce.", "eccccce", "eccccce", "eccccce", ".eccce.", "..eee..",
};
const std::initializer_list<std::string_view> kStartCity{
    "..eee..", ".eXXXe.", "eXXXXXe", "eXXXXXe", "eXXXXXe", ".eXXXe.", "..eee..",
};

// The east column of the starting city's ring; each leg begins right of the
// ring of the city it leaves, on the route row.
constexpr int kStartRingEast = kStartCityPoint.x + 3;

}  // namespace

MemoryPixelMap RouteMap(const std::vector<int>& legPixels, LastLeg last) {
  MemoryPixelMap map(kMapWidth, kMapHeight, kArtBackground);
  const MapColours c = ArtColours();
  map.SetPixel(kRouteKeyAt.x, kRouteKeyAt.y, c.route);
  map.SetPixel(kCityEdgeKeyAt.x, kCityEdgeKeyAt.y, c.cityEdge);
  map.SetPixel(kCityKeyAt.x, kCityKeyAt.y, c.city);
  DrawArt(map, {kStartCityPoint.x - 3, kStartCityPoint.y - 3}, kStartCity);
  int ringEast = kStartRingEast;
  for (std::size_t leg = 0; leg < legPixels.size(); ++leg) {
    for (int i = 1; i <= legPixels[leg]; ++i) map.SetPixel(ringEast + i, kRouteRow, c.route);
    const int cityWest = ringEast + legPixels[leg] + 1;
    if (leg + 1 == legPixels.size() && last == LastLeg::EndsAtNoCity) break;
    DrawArt(map, {cityWest, kRouteRow - 3}, kCity);
    ringEast = cityWest + 6;
  }
  return map;
}

std::vector<MapPoint> RouteMapCityPoints(const std::vector<int>& legPixels) {
  // The leg reaches the ring's west column; the ring pixel taken is its top
  // one, and the city pixel beside it becomes the city point.
  std::vector<MapPoint> points;
  int ringEast = kStartRingEast;
  for (const int pixels : legPixels) {
    const int cityWest = ringEast + pixels + 1;
    points.push_back({cityWest + 1, kRouteRow - 1});
    ringEast = cityWest + 6;
  }
  return points;
}

}  // namespace tolva::testing
