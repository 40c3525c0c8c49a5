// The route tracing on hand-made map pictures: the neighbour order, the
// search for a leg from a city, the walk, the conquest flood fill and the
// rebuilding at start-up.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "table/MapTracing.h"
#include "table/MemoryPixelMap.h"
#include "tests/support/PixelArt.h"

namespace tolva {
namespace {

using testing::ArtColours;
using testing::kArtBackground;
using testing::DrawArt;
using testing::ReadArt;
using Rows = std::vector<std::string>;

constexpr int kW = 1831, kH = 649;

MemoryPixelMap Blank(int w = 40, int h = 40) { return MemoryPixelMap(w, h, kArtBackground); }

// --- the neighbour order -------------------------------------------------

TEST(MapNeighbours, ALaterColumnReplacesAnEarlierOne) {
  MemoryPixelMap map = Blank(3, 3);
  DrawArt(map, {0, 0}, {"r..", "...", "..r"});
  EXPECT_EQ(FindNeighbour(map, {1, 1}, ArtColours().route), (MapPoint{2, 2}));
}

TEST(MapNeighbours, WithinAColumnTheTopmostIsTaken) {
  MemoryPixelMap map = Blank(3, 3);
  DrawArt(map, {0, 0}, {"..r", "..r", "..r"});
  EXPECT_EQ(FindNeighbour(map, {1, 1}, ArtColours().route), (MapPoint{2, 0}));
  DrawArt(map, {0, 0}, {"...", "r.r", "r.."});
  EXPECT_EQ(FindNeighbour(map, {1, 1}, ArtColours().route), (MapPoint{2, 1}));
}

TEST(MapNeighbours, TheExceptedPixelIsPassedOver) {
  MemoryPixelMap map = Blank(3, 3);
  DrawArt(map, {0, 0}, {"...", "r..", "..r"});
  EXPECT_EQ(FindNeighbour(map, {1, 1}, ArtColours().route, {2, 2}), (MapPoint{0, 1}));
  EXPECT_EQ(FindNeighbour(map, {1, 1}, ArtColours().route, {0, 1}), (MapPoint{2, 2}));
  DrawArt(map, {0, 0}, {"...", "...", "..r"});
  EXPECT_FALSE(FindNeighbour(map, {1, 1}, ArtColours().route, {2, 2}));
}

TEST(MapNeighbours, ThePixelItselfAndPixelsOutsideThePictureNeverMatch) {
  MemoryPixelMap map = Blank(1, 1);
  map.SetPixel(0, 0, 0x123456);
  EXPECT_FALSE(FindNeighbour(map, {0, 0}, 0x123456));
  // A picture too small to hold the key colours reads them as "no colour";
  // that must not match the space around the picture.
  EXPECT_FALSE(FindNeighbour(map, {0, 0}, kNoColour));
  EXPECT_EQ(map.Pixel(-1, 0), kNoColour);
  map.SetPixel(5, 5, 0);  // ignored
  EXPECT_EQ(map.Pixel(0, 0), 0x123456u);
}

TEST(MapColoursTest, KeyColoursAreSampledFromTheLegendPixels) {
  MemoryPixelMap map(kW, kH, 0x102030);
  map.SetPixel(88, 432, 0x111111);
  map.SetPixel(89, 432, 0x222222);
  map.SetPixel(90, 432, 0x333333);
  const MapColours c = ReadMapColours(map);
  EXPECT_EQ(c.route, 0x111111u);
  EXPECT_EQ(c.cityEdge, 0x222222u);
  EXPECT_EQ(c.city, 0x333333u);
  EXPECT_EQ(c.conquered, 0xFF0000u);
  EXPECT_EQ(c.travelled, 0xFF00FFu);
}

// --- finding the next leg --------------------------------------------------

// A conquered city (an octagon 7 pixels across) with the centre at (13, 13).
const std::initializer_list<std::string_view> kConqueredCity{
    "..eee..",  //
    ".eXXXe.",  //
    "eXXXXXe",  //
    "eXXXXXe",  //
    "eXXXXXe",  //
    ".eXXXe.",  //
    "..eee..",
};
constexpr MapPoint kCityOrigin{10, 10};
constexpr MapPoint kCityCentre{13, 13};

TEST(LegStart, AStubBesideTheStartingPixelIsFoundAtOnce) {
  MemoryPixelMap map = Blank();
  DrawArt(map, kCityOrigin, kConqueredCity);
  map.SetPixel(17, 12, ArtColours().route);  // touches the ring's east pixels
  EXPECT_EQ(FindLegStart(map, ArtColours(), kCityCentre), (MapPoint{17, 12}));
}

TEST(LegStart, TheRingIsWalkedUpwardsFromTheEastFirst) {
  // From the east pixel the neighbour order steps up, so the walk goes round
  // by the top and meets the stub above the city before the one below it.
  MemoryPixelMap map = Blank();
  DrawArt(map, kCityOrigin, kConqueredCity);
  map.SetPixel(13, 9, ArtColours().route);
  map.SetPixel(13, 17, ArtColours().route);
  EXPECT_EQ(FindLegStart(map, ArtColours(), kCityCentre), (MapPoint{13, 9}));
  map.SetPixel(13, 9, kArtBackground);
  EXPECT_EQ(FindLegStart(map, ArtColours(), kCityCentre), (MapPoint{13, 17}));
}

TEST(LegStart, FromACityPointOnTheRingsLeftTheScanCrossesTheConqueredArea) {
  MemoryPixelMap map = Blank();
  DrawArt(map, kCityOrigin, kConqueredCity);
  map.SetPixel(13, 17, ArtColours().route);
  EXPECT_EQ(FindLegStart(map, ArtColours(), {11, 12}), (MapPoint{13, 17}));
}

TEST(LegStart, TheScanLooksAtMostAHundredPixelsRight) {
  MemoryPixelMap map = Blank(300, 40);
  const MapColours c = ArtColours();
  for (int x = 21; x <= 119; ++x) map.SetPixel(x, 20, c.conquered);  // 99 pixels
  map.SetPixel(120, 20, c.cityEdge);
  map.SetPixel(121, 19, c.route);
  EXPECT_EQ(FindLegStart(map, c, {20, 20}), (MapPoint{121, 19}));
  map.SetPixel(120, 20, c.conquered);  // now 100 conquered pixels
  map.SetPixel(121, 20, c.cityEdge);
  EXPECT_FALSE(FindLegStart(map, c, {20, 20}));
}

TEST(LegStart, AfterAHundredStepsTheRingPixelReachedIsTaken) {
  MemoryPixelMap map = Blank(300, 40);
  const MapColours c = ArtColours();
  map.SetPixel(20, 20, c.conquered);
  for (int x = 21; x <= 250; ++x) map.SetPixel(x, 20, c.cityEdge);  // a long "ring"
  // A route pixel touching the pixel reached after 99 steps is found ...
  map.SetPixel(121, 21, c.route);
  EXPECT_EQ(FindLegStart(map, c, {20, 20}), (MapPoint{121, 21}));
  // ... one that only the pixel after 100 steps touches is not: the walk
  // stops there and takes that ring pixel itself.
  map.SetPixel(121, 21, kArtBackground);
  map.SetPixel(122, 21, c.route);
  EXPECT_EQ(FindLegStart(map, c, {20, 20}), (MapPoint{121, 20}));
}

TEST(LegStart, ARingThatBreaksOffFindsNoLeg) {
  MemoryPixelMap map = Blank();
  DrawArt(map, {18, 18}, {"Xeee"});
  EXPECT_FALSE(FindLegStart(map, ArtColours(), {18, 18}));
  // Nor does a city point with nothing but conquered pixels to its right.
  MemoryPixelMap red(40, 1, kConqueredColour);
  EXPECT_FALSE(FindLegStart(red, ArtColours(), {0, 0}));
}

TEST(LegStart, APictureWithoutKeyColoursFindsNothing) {
  MemoryPixelMap tiny(10, 10, 0x000000);
  const MapColours c = ReadMapColours(tiny);  // outside: no colour at all
  EXPECT_EQ(c.route, kNoColour);
  RouteWalker walker(tiny, c);
  EXPECT_FALSE(walker.Start(kStartCityPoint));
  EXPECT_EQ(walker.StepOnce(), RouteWalker::Step::NotWalking);
}

// --- flood fill -------------------------------------------------------------

TEST(FloodFillTest, FillsTheFourConnectedAreaOfAnIrregularCity) {
  MemoryPixelMap map = Blank(7, 7);
  DrawArt(map, {0, 0}, {"#######", "#ccc#c#", "#c#cc.#", "#cc#c##", "##c.cc#", "#c#####", "#######"});
  EXPECT_EQ(FloodFill(map, {1, 1}, kConqueredColour), 12);
  // The pocket at the top right and the pixel touching only diagonally stay.
  EXPECT_EQ(ReadArt(map, {0, 0}, 7, 7),
            (Rows{"#######", "#XXX#c#", "#X#XX.#", "#XX#X##", "##X.XX#", "#c#####", "#######"}));
}

TEST(FloodFillTest, MatchesAPlainSearchOnAScatteredPattern) {
  // Scanline filling has many ways to miss a run; compare it with a
  // pixel-by-pixel breadth-first fill on a fixed random pattern.
  constexpr int w = 120, h = 90;
  MemoryPixelMap map(w, h, 0);
  std::uint32_t s = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      s = s * 1664525u + 1013904223u;
      map.SetPixel(x, y, (s >> 24) < 180 ? 0xFFDE4A : 0x000000);
    }
  map.SetPixel(60, 45, 0xFFDE4A);
  MemoryPixelMap expected = map;
  std::deque<MapPoint> queue{{60, 45}};
  expected.SetPixel(60, 45, 0xFF0000);
  int count = 1;
  while (!queue.empty()) {
    const MapPoint p = queue.front();
    queue.pop_front();
    for (MapPoint n : {MapPoint{p.x + 1, p.y}, MapPoint{p.x - 1, p.y}, MapPoint{p.x, p.y + 1}, MapPoint{p.x, p.y - 1}})
      if (expected.Pixel(n.x, n.y) == 0xFFDE4A) {
        expected.SetPixel(n.x, n.y, 0xFF0000);
        ++count;
        queue.push_back(n);
      }
  }
  ASSERT_GT(count, 100);  // the pattern really is a large, ragged area
  EXPECT_EQ(FloodFill(map, {60, 45}, 0xFF0000), count);
  EXPECT_TRUE(map == expected);
}

TEST(FloodFillTest, NothingHappensOutsideThePictureOrWhenTheColourIsAlreadyThere) {
  MemoryPixelMap map(5, 5, kConqueredColour);
  EXPECT_EQ(FloodFill(map, {2, 2}, kConqueredColour), 0);
  EXPECT_EQ(FloodFill(map, {-1, 2}, 0x00FF00), 0);
  EXPECT_EQ(FloodFill(map, {2, 2}, 0x00FF00), 25);
}

// --- walking a leg and conquering -----------------------------------------------

// Two legs from the starting city at (654, 260): seven pixels east to a city,
// then from that city's bottom down and east to a dead end.
constexpr MapPoint kSceneOrigin{651, 257};
const std::initializer_list<std::string_view> kScene{
    "..eee.........eee.......",  //
    ".eXXXe.......eccce......",  //
    "eXXXXXe.....eccccce.....",  //
    "eXXXXXerrrrreccccce.....",  //
    "eXXXXXe.....eccccce.....",  //
    ".eXXXe.......eccce......",  //
    "..eee.........eee.......",  //
    "...............r........",  //
    "...............r........",  //
    "...............r........",  //
    "...............r........",  //
    "................rrrrrrr.",
};

MapPoint At(int x, int y) { return {kSceneOrigin.x + x, kSceneOrigin.y + y}; }

MemoryPixelMap Scene() {
  MemoryPixelMap map(kW, kH, kArtBackground);
  DrawArt(map, kSceneOrigin, kScene);
  return map;
}

TEST(RouteWalk, WalksALegPixelByPixelAndConquersTheCityAtItsEnd) {
  MemoryPixelMap map = Scene();
  RouteWalker walker(map, ArtColours());
  ASSERT_TRUE(walker.Start(kStartCityPoint));
  EXPECT_EQ(walker.RoutePoint(), At(7, 3));
  EXPECT_EQ(walker.PreviousRoutePoint(), kNoMapPoint);
  int moves = 0;
  while (walker.StepOnce() == RouteWalker::Step::Moved) {
    ++moves;
    EXPECT_EQ(walker.RouteSteps(), moves);
    EXPECT_EQ(map.Pixel(walker.PreviousRoutePoint().x, walker.PreviousRoutePoint().y), kTravelledColour);
  }
  EXPECT_EQ(moves, 4);
  EXPECT_TRUE(walker.ReachedCity());
  EXPECT_FALSE(walker.Walking());
  EXPECT_EQ(walker.RoutePoint(), At(12, 2));  // the topmost ring pixel of the rightmost column
  const auto city = walker.ConquerAt(walker.RoutePoint());
  ASSERT_TRUE(city);
  EXPECT_EQ(*city, At(13, 2));
  EXPECT_EQ(ReadArt(map, kSceneOrigin, 21, 7), (Rows{
                                                   "..eee.........eee....",
                                                   ".eXXXe.......eXXXe...",
                                                   "eXXXXXe.....eXXXXXe..",
                                                   "eXXXXXemmmmmeXXXXXe..",
                                                   "eXXXXXe.....eXXXXXe..",
                                                   ".eXXXe.......eXXXe...",
                                                   "..eee.........eee....",
                                               }));
  EXPECT_EQ(walker.StepOnce(), RouteWalker::Step::NotWalking);
}

TEST(RouteWalk, ALegEndingAtNoCityReachesItsEndWithoutACity) {
  MemoryPixelMap map = Scene();
  RouteWalker walker(map, ArtColours());
  ASSERT_TRUE(walker.Start(kStartCityPoint));
  while (walker.StepOnce() == RouteWalker::Step::Moved) {
  }
  const auto city = walker.ConquerAt(walker.RoutePoint());
  ASSERT_TRUE(city);
  // The second leg leaves the city by its bottom: the ring walk from the east
  // pixel on the city point's row goes down there.
  ASSERT_TRUE(walker.Start(*city));
  EXPECT_EQ(walker.RoutePoint(), At(15, 7));
  RouteWalker::Step step;
  while ((step = walker.StepOnce()) == RouteWalker::Step::Moved) {
  }
  EXPECT_EQ(step, RouteWalker::Step::ReachedEnd);
  EXPECT_EQ(walker.RouteSteps(), 10);
  EXPECT_FALSE(walker.ReachedCity());
  EXPECT_EQ(walker.RoutePoint(), At(22, 11));
  EXPECT_FALSE(walker.ConquerAt(walker.RoutePoint()));
  EXPECT_EQ(ReadArt(map, At(15, 7), 8, 5), (Rows{"m.......", "m.......", "m.......", "m.......", ".mmmmmmm"}));
}

TEST(RouteWalk, AStartThatFindsNoLegLeavesNothingToWalk) {
  MemoryPixelMap map(kW, kH, kArtBackground);
  RouteWalker walker(map, ArtColours());
  EXPECT_FALSE(walker.Start(kStartCityPoint));
  EXPECT_FALSE(walker.Walking());
  EXPECT_EQ(walker.StepOnce(), RouteWalker::Step::NotWalking);
  EXPECT_TRUE(map == MemoryPixelMap(kW, kH, kArtBackground));
}

// --- rebuilding at start-up --------------------------------------------------

TEST(RebuildRouteTest, NoConqueredCityLeavesThePictureAndTheStartAsTheyAre) {
  MemoryPixelMap map = Scene();
  const RebuiltRoute r = RebuildRoute(map, ArtColours(), 0);
  EXPECT_EQ(r.cities, 0);
  EXPECT_EQ(r.cityPoint, kStartCityPoint);
  EXPECT_TRUE(map == Scene());
  EXPECT_EQ(RebuildRoute(map, ArtColours(), -7).cities, 0);  // a damaged count counts as none
  EXPECT_TRUE(map == Scene());
}

TEST(RebuildRouteTest, GivesTheSamePictureAndCityPointAsWalkingTheLeg) {
  MemoryPixelMap walked = Scene();
  RouteWalker walker(walked, ArtColours());
  ASSERT_TRUE(walker.Start(kStartCityPoint));
  while (walker.StepOnce() == RouteWalker::Step::Moved) {
  }
  const auto city = walker.ConquerAt(walker.RoutePoint());
  ASSERT_TRUE(city);

  MemoryPixelMap rebuilt = Scene();
  const RebuiltRoute r = RebuildRoute(rebuilt, ArtColours(), 1);
  EXPECT_EQ(r.cities, 1);
  EXPECT_EQ(r.cityPoint, *city);
  EXPECT_TRUE(rebuilt == walked);
}

TEST(RebuildRouteTest, StopsAtALegThatEndsAtNoCity) {
  MemoryPixelMap map = Scene();
  const RebuiltRoute r = RebuildRoute(map, ArtColours(), 1'000'000);
  EXPECT_EQ(r.cities, 1);
  EXPECT_EQ(r.cityPoint, At(13, 2));
  EXPECT_EQ(map.Pixel(At(22, 11).x, At(22, 11).y), kTravelledColour);  // the dead end was traced
}

// A start city with a straight leg east of `pixels` pixels to a city.
MemoryPixelMap StraightLeg(int pixels) {
  MemoryPixelMap map(kW, kH, kArtBackground);
  DrawArt(map, kSceneOrigin, {"..eee..", ".eXXXe.", "eXXXXXe", "eXXXXXe", "eXXXXXe", ".eXXXe.", "..eee.."});
  const MapColours c = ArtColours();
  for (int x = 658; x < 658 + pixels; ++x) map.SetPixel(x, 260, c.route);
  DrawArt(map, {658 + pixels, 257}, {"..eee..", ".eccce.", "eccccce", "eccccce", "eccccce", ".eccce.", "..eee.."});
  return map;
}

TEST(RebuildRouteTest, ALegOfAThousandPixelsIsTracedOneLongerIsNot) {
  MemoryPixelMap fits = StraightLeg(1000);
  EXPECT_EQ(RebuildRoute(fits, ArtColours(), 1).cities, 1);

  MemoryPixelMap tooLong = StraightLeg(1001);
  const RebuiltRoute r = RebuildRoute(tooLong, ArtColours(), 1);
  EXPECT_EQ(r.cities, 0);
  EXPECT_EQ(r.cityPoint, kStartCityPoint);
  int travelled = 0;
  for (int x = 0; x < kW; ++x) travelled += tooLong.Pixel(x, 260) == kTravelledColour;
  EXPECT_EQ(travelled, kInstantTraceLimit);
  EXPECT_EQ(tooLong.Pixel(658 + 1000, 260), ArtColours().route);
}

TEST(MemoryPixelMapTest, AHugeOrNegativeSizeIsClamped) {
  MemoryPixelMap negative(-5, 10);
  EXPECT_EQ(negative.Width(), 0);
  EXPECT_EQ(negative.Pixel(0, 0), kNoColour);
  MemoryPixelMap huge(1'000'000, 1);
  EXPECT_EQ(huge.Width(), MemoryPixelMap::kMaxSide);
}

}  // namespace
}  // namespace tolva
