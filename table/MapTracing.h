// The campaign's route on the world map picture: finding the next leg from the
// city where the king stands, walking it pixel by pixel, flooding the city at
// its end, and redrawing the conquered part at start-up.
//
// The picture carries the route in a few key colours: the route is a line one
// pixel wide, cities are areas of the city colour ringed by the city-edge
// colour, and each leg touches the rings of the cities at its two ends. Walked
// pixels are painted in the travelled colour and conquered cities flooded with
// the conquered colour, so the picture itself is the record of the march.
#pragma once

#include <optional>

#include "table/PixelMap.h"

namespace tolva {

struct MapPoint {
  int x = -1;
  int y = -1;
  friend bool operator==(MapPoint, MapPoint) = default;
};

// "None": the previous route point before the first step of a leg.
inline constexpr MapPoint kNoMapPoint{-1, -1};

// Inside the starting city, which the picture already shows conquered.
inline constexpr MapPoint kStartCityPoint{654, 260};

// Where the picture keeps a sample of each of its three key colours.
inline constexpr MapPoint kRouteKeyAt{88, 432};
inline constexpr MapPoint kCityEdgeKeyAt{89, 432};
inline constexpr MapPoint kCityKeyAt{90, 432};

inline constexpr Rgb kConqueredColour = 0xFF0000;  // RGB(255, 0, 0)
inline constexpr Rgb kTravelledColour = 0xFF00FF;  // RGB(255, 0, 255)

inline constexpr int kScanLimit = 100;           // pixels right of the city point
inline constexpr int kCityWalkLimit = 100;       // steps round a city's ring
inline constexpr int kInstantTraceLimit = 1000;  // pixels of one leg redrawn at start-up
inline constexpr int kEndCount = 99;             // cities on the route after the start

struct MapColours {
  Rgb route = kNoColour;
  Rgb cityEdge = kNoColour;
  Rgb city = kNoColour;
  Rgb conquered = kConqueredColour;
  Rgb travelled = kTravelledColour;
};

// The three key colours sampled from the picture, with the two fixed ones.
MapColours ReadMapColours(const PixelMap& map);

// The neighbour of p with this colour, other than `except`. The eight
// neighbours are examined column by column from left to right and, within a
// column, from top to bottom; a match in a later column replaces an earlier
// one, so the one taken is the topmost in the rightmost column that has any.
// Pixels outside the picture never match.
std::optional<MapPoint> FindNeighbour(const PixelMap& map, MapPoint p, Rgb colour,
                                      MapPoint except = kNoMapPoint);

// The first pixel of the next leg from the city point: the first pixel right
// of it on its row that is not conquered (at most kScanLimit), then round the
// city's ring until a neighbour has the route colour. After kCityWalkLimit
// steps the ring pixel reached is taken as the first pixel. None when the scan
// finds only conquered pixels or the ring breaks off.
std::optional<MapPoint> FindLegStart(const PixelMap& map, const MapColours& colours, MapPoint cityPoint);

// Fills the four-connected area of the seed's colour with `replacement`;
// returns the number of pixels filled (0 when the seed is outside the picture
// or already has that colour). Written here because the game layer works
// without Qt, and the standard library has no flood fill.
int FloodFill(PixelMap& map, MapPoint seed, Rgb replacement);

// Conquers the city whose ring pixel is `ringPoint`: the neighbour of it in the
// city colour, and the whole area around it, become the conquered colour. The
// neighbour is the new city point; none when there is no city there.
std::optional<MapPoint> ConquerCityAt(PixelMap& map, const MapColours& colours, MapPoint ringPoint);

// One leg of the route, walked a pixel at a time (the route animation's timer
// drives Step once per tick).
class RouteWalker {
 public:
  enum class Step { Moved, ReachedEnd, NotWalking };

  RouteWalker(PixelMap& map, const MapColours& colours) : map_(map), colours_(colours) {}

  // Finds the leg that leaves the city at cityPoint. On success the route
  // point is its first pixel, no previous point, no steps yet.
  bool Start(MapPoint cityPoint);

  // Moved: the route point was painted travelled and the walk went on to the
  // next route pixel (RouteSteps counts these moves). ReachedEnd: the last
  // route pixel was painted travelled and the route point is now the ring
  // pixel of the city there, if any (ReachedCity). NotWalking: no leg was
  // started, or it has ended; nothing was painted.
  Step StepOnce();

  // The city at the end of the leg: its area is conquered and its city point
  // returned; none when the leg ended at no city.
  std::optional<MapPoint> ConquerAt(MapPoint ringPoint) { return ConquerCityAt(map_, colours_, ringPoint); }

  MapPoint RoutePoint() const { return routePoint_; }
  MapPoint PreviousRoutePoint() const { return previous_; }
  int RouteSteps() const { return steps_; }
  bool Walking() const { return walking_; }
  bool ReachedCity() const { return reachedCity_; }

 private:
  PixelMap& map_;
  MapColours colours_;
  MapPoint routePoint_ = kNoMapPoint;
  MapPoint previous_ = kNoMapPoint;
  int steps_ = 0;
  bool walking_ = false;
  bool reachedCity_ = false;
};

struct RebuiltRoute {
  MapPoint cityPoint = kStartCityPoint;
  int cities = 0;  // legs traced and cities conquered
};

// Redraws the first `conqCity` legs and cities on a fresh picture at start-up,
// as if they had been walked: each leg traced at once (at most
// kInstantTraceLimit pixels), the city at its end conquered. The first leg
// that cannot be found, is too long or ends at no city ends the rebuilding.
// conqCity is clamped to 0 … kEndCount, the most a campaign can have.
RebuiltRoute RebuildRoute(PixelMap& map, const MapColours& colours, int conqCity);

}  // namespace tolva
