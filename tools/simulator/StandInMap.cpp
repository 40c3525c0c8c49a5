#include "tools/simulator/StandInMap.h"

#include <array>
#include <string_view>

#include "table/MapTracing.h"

namespace tolva::sim {

namespace {

constexpr int kWidth = 1831;
constexpr int kHeight = 649;
constexpr Rgb kSea = 0x6C8CB4;
constexpr Rgb kRoute = 0x96201E;
constexpr Rgb kCityEdge = 0x2A1C12;
constexpr Rgb kCity = 0xFFDE4A;

// A city seven pixels across: 'e' the ring, 'c' the inside.
constexpr std::array<std::string_view, 7> kCityShape{
    "..eee..", ".eccce.", "eccccce", "eccccce", "eccccce", ".eccce.", "..eee..",
};

void DrawCity(MemoryPixelMap& map, int left, int top, Rgb inside) {
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 7; ++col) {
      const char c = kCityShape[row][col];
      if (c != '.') map.SetPixel(left + col, top + row, c == 'e' ? kCityEdge : inside);
    }
}

}  // namespace

MemoryPixelMap StandInMap() {
  MemoryPixelMap map(kWidth, kHeight, kSea);
  map.SetPixel(kRouteKeyAt.x, kRouteKeyAt.y, kRoute);
  map.SetPixel(kCityEdgeKeyAt.x, kCityEdgeKeyAt.y, kCityEdge);
  map.SetPixel(kCityKeyAt.x, kCityKeyAt.y, kCity);
  const int row = kStartCityPoint.y;
  DrawCity(map, kStartCityPoint.x - 3, row - 3, kConqueredColour);
  // Each leg leaves the east side of a city's ring on the route's row and
  // reaches the west side of the next one; the hundredth ends at no city.
  int ringEast = kStartCityPoint.x + 3;
  for (int leg = 1; leg <= kEndCount + 1; ++leg) {
    const int pixels = 2 + leg % 3;
    for (int i = 1; i <= pixels; ++i) map.SetPixel(ringEast + i, row, kRoute);
    if (leg > kEndCount) break;
    const int west = ringEast + pixels + 1;
    DrawCity(map, west, row - 3, kCity);
    ringEast = west + 6;
  }
  return map;
}

}  // namespace tolva::sim
