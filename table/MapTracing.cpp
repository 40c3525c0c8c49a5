#include "table/MapTracing.h"

#include <algorithm>
#include <vector>

namespace tolva {

MapColours ReadMapColours(const PixelMap& map) {
  MapColours c;
  c.route = map.Pixel(kRouteKeyAt.x, kRouteKeyAt.y);
  c.cityEdge = map.Pixel(kCityEdgeKeyAt.x, kCityEdgeKeyAt.y);
  c.city = map.Pixel(kCityKeyAt.x, kCityKeyAt.y);
  return c;
}

std::optional<MapPoint> FindNeighbour(const PixelMap& map, MapPoint p, Rgb colour, MapPoint except) {
  std::optional<MapPoint> found;
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      const MapPoint n{p.x + dx, p.y + dy};
      if ((dx == 0 && dy == 0) || n == except || !map.Contains(n.x, n.y)) continue;
      if (map.Pixel(n.x, n.y) == colour) {
        found = n;  // replaces any match of an earlier column
        break;      // but not the one above it in this column
      }
    }
  }
  return found;
}

std::optional<MapPoint> FindLegStart(const PixelMap& map, const MapColours& colours, MapPoint cityPoint) {
  std::optional<MapPoint> start;
  for (int i = 1; i <= kScanLimit && !start; ++i) {
    if (map.Pixel(cityPoint.x + i, cityPoint.y) != colours.conquered) start = MapPoint{cityPoint.x + i, cityPoint.y};
  }
  if (!start) return std::nullopt;

  MapPoint at = *start;
  MapPoint left = kNoMapPoint;
  for (int steps = 0; steps < kCityWalkLimit; ++steps) {
    if (auto route = FindNeighbour(map, at, colours.route)) return route;
    auto next = FindNeighbour(map, at, colours.cityEdge, left);
    if (!next) return std::nullopt;
    left = at;
    at = *next;
  }
  return at;
}

int FloodFill(PixelMap& map, MapPoint seed, Rgb replacement) {
  replacement &= 0xFFFFFFu;
  if (!map.Contains(seed.x, seed.y)) return 0;
  const Rgb target = map.Pixel(seed.x, seed.y);
  if (target == replacement) return 0;

  // Scanline fill with an explicit stack of seeds: a span is filled at once,
  // and only the first pixel of each run above and below it is pushed, so the
  // stack stays small even for a large area.
  int filled = 0;
  std::vector<MapPoint> stack{seed};
  while (!stack.empty()) {
    const MapPoint p = stack.back();
    stack.pop_back();
    if (map.Pixel(p.x, p.y) != target) continue;
    int left = p.x;
    while (map.Pixel(left - 1, p.y) == target) --left;
    int right = p.x;
    while (map.Pixel(right + 1, p.y) == target) ++right;
    for (int x = left; x <= right; ++x) map.SetPixel(x, p.y, replacement);
    filled += right - left + 1;
    for (int y : {p.y - 1, p.y + 1}) {
      bool inRun = false;
      for (int x = left; x <= right; ++x) {
        const bool isTarget = map.Pixel(x, y) == target;
        if (isTarget && !inRun) stack.push_back({x, y});
        inRun = isTarget;
      }
    }
  }
  return filled;
}

std::optional<MapPoint> ConquerCityAt(PixelMap& map, const MapColours& colours, MapPoint ringPoint) {
  auto city = FindNeighbour(map, ringPoint, colours.city);
  if (!city) return std::nullopt;
  FloodFill(map, *city, colours.conquered);
  return city;
}

bool RouteWalker::Start(MapPoint cityPoint) {
  auto first = FindLegStart(map_, colours_, cityPoint);
  walking_ = first.has_value();
  reachedCity_ = false;
  routePoint_ = first.value_or(kNoMapPoint);
  previous_ = kNoMapPoint;
  steps_ = 0;
  return walking_;
}

RouteWalker::Step RouteWalker::StepOnce() {
  if (!walking_) return Step::NotWalking;
  auto next = FindNeighbour(map_, routePoint_, colours_.route, previous_);
  map_.SetPixel(routePoint_.x, routePoint_.y, colours_.travelled);
  if (next) {
    ++steps_;
    previous_ = routePoint_;
    routePoint_ = *next;
    return Step::Moved;
  }
  walking_ = false;
  if (auto ring = FindNeighbour(map_, routePoint_, colours_.cityEdge, previous_)) {
    routePoint_ = *ring;
    reachedCity_ = true;
  }
  return Step::ReachedEnd;
}

RebuiltRoute RebuildRoute(PixelMap& map, const MapColours& colours, int conqCity) {
  RebuiltRoute rebuilt;
  const int legs = std::clamp(conqCity, 0, kEndCount);
  RouteWalker walker(map, colours);
  while (rebuilt.cities < legs) {
    if (!walker.Start(rebuilt.cityPoint)) break;
    int painted = 0;
    while (painted < kInstantTraceLimit && walker.StepOnce() == RouteWalker::Step::Moved) ++painted;
    if (walker.Walking() || !walker.ReachedCity()) break;  // too long, or a dead end
    auto city = walker.ConquerAt(walker.RoutePoint());
    if (!city) break;
    rebuilt.cityPoint = *city;
    ++rebuilt.cities;
  }
  return rebuilt;
}

}  // namespace tolva
