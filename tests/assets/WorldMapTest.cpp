// The embedded world map (bitmap 142) walked from end to end with the
// campaign's tracing: every leg is found and followed, every city conquered,
// and rebuilding at start-up gives the same picture as having walked.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

#include "table/MapTracing.h"
#include "table/MemoryPixelMap.h"

namespace tolva {
namespace {

MemoryPixelMap LoadWorldMap(const QString& resource = QStringLiteral(":/pictures/142.png")) {
  const QImage image = QImage(resource).convertToFormat(QImage::Format_RGB32);
  MemoryPixelMap map(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) map.SetPixel(x, y, line[x] & 0xFFFFFFu);
  }
  return map;
}

struct Leg {
  MapPoint first;
  int steps = 0;
  bool reachedCity = false;
  MapPoint cityPoint = kNoMapPoint;
};

// The whole campaign walked tick by tick, as the route animation does, with
// the picture kept after some numbers of conquered cities.
struct Campaign {
  std::vector<Leg> legs;
  std::map<int, MemoryPixelMap> pictureAfter;
  std::map<int, MapPoint> cityPointAfter;
  MemoryPixelMap end{0, 0};
};

Campaign Walk(const QString& resource) {
  {
    Campaign c;
    MemoryPixelMap map = LoadWorldMap(resource);
    const MapColours colours = ReadMapColours(map);
    RouteWalker walker(map, colours);
    MapPoint cityPoint = kStartCityPoint;
    auto keep = [&](int conquered) {
      c.pictureAfter.emplace(conquered, map);
      c.cityPointAfter[conquered] = cityPoint;
    };
    keep(0);
    for (int leg = 0; leg < 100; ++leg) {
      Leg l;
      if (!walker.Start(cityPoint)) break;
      l.first = walker.RoutePoint();
      for (int tick = 0; tick < 5000 && walker.StepOnce() == RouteWalker::Step::Moved; ++tick) {
      }
      l.steps = walker.RouteSteps();
      l.reachedCity = walker.ReachedCity();
      if (l.reachedCity && leg < 99) {
        if (auto city = walker.ConquerAt(walker.RoutePoint())) {
          l.cityPoint = *city;
          cityPoint = *city;
        }
      }
      c.legs.push_back(l);
      if (leg + 1 == 1 || leg + 1 == 3 || leg + 1 == 50 || leg + 1 == 99) keep(leg + 1);
    }
    c.end = map;
    return c;
  }
}

const Campaign& Walked() {
  static const Campaign campaign = Walk(QStringLiteral(":/pictures/142.png"));
  return campaign;
}

TEST(WorldMap, IsThePictureSizeWithDistinctKeyColours) {
  const MemoryPixelMap map = LoadWorldMap();
  ASSERT_EQ(map.Width(), 1831);
  ASSERT_EQ(map.Height(), 649);
  const MapColours c = ReadMapColours(map);
  const std::vector<Rgb> all{c.route, c.cityEdge, c.city, c.conquered, c.travelled};
  for (std::size_t i = 0; i < all.size(); ++i)
    for (std::size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i], all[j]) << i << " " << j;
  EXPECT_EQ(map.Pixel(kStartCityPoint.x, kStartCityPoint.y), kConqueredColour);
}

TEST(WorldMap, AHundredLegsAreFoundAndTracedAndNinetyNineCitiesConquered) {
  const Campaign& c = Walked();
  ASSERT_EQ(c.legs.size(), 100u);
  for (std::size_t i = 0; i < 99; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_TRUE(c.legs[i].reachedCity);
    EXPECT_NE(c.legs[i].cityPoint, kNoMapPoint);
    EXPECT_GT(c.legs[i].steps, 0);
    EXPECT_LT(c.legs[i].steps, kInstantTraceLimit);
  }
  // The hundredth leg ends at no city: the campaign is complete there.
  EXPECT_FALSE(c.legs[99].reachedCity);
  EXPECT_GT(c.legs[99].steps, 0);
}

TEST(WorldMap, EachLegLeavesFromTheCityWhereThePreviousOneEnded) {
  const Campaign& c = Walked();
  ASSERT_EQ(c.legs.size(), 100u);
  MapPoint city = kStartCityPoint;
  for (std::size_t i = 0; i < c.legs.size(); ++i) {
    SCOPED_TRACE(i + 1);
    // The first pixel of a leg touches the ring of the city it leaves, a few
    // pixels from that city's point.
    EXPECT_LE(std::abs(c.legs[i].first.x - city.x), 6);
    EXPECT_LE(std::abs(c.legs[i].first.y - city.y), 6);
    if (c.legs[i].cityPoint != kNoMapPoint) city = c.legs[i].cityPoint;
  }
}

TEST(WorldMap, TheFirstTwoLegsMatchTheCampaignNotes) {
  const Campaign& c = Walked();
  ASSERT_GE(c.legs.size(), 2u);
  EXPECT_EQ(c.legs[0].steps, 22);
  EXPECT_EQ(c.legs[0].cityPoint, (MapPoint{682, 249}));
  EXPECT_EQ(c.legs[1].steps, 76);
  EXPECT_EQ(c.legs[1].cityPoint, (MapPoint{724, 277}));
}

TEST(WorldMap, NoRouteIsLeftUntravelledOutsideTheLegend) {
  const Campaign& c = Walked();
  const MapColours colours = ReadMapColours(LoadWorldMap());
  int left = 0;
  for (int y = 0; y < c.end.Height(); ++y)
    for (int x = 0; x < c.end.Width(); ++x)
      if (c.end.Pixel(x, y) == colours.route || c.end.Pixel(x, y) == colours.city) left += !(y > 420 && y < 445 && x < 100);
  EXPECT_EQ(left, 0);
}

TEST(WorldMap, RebuildingGivesThePictureAndCityPointOfTheWalk) {
  const Campaign& c = Walked();
  for (int k : {0, 1, 3, 50, 99}) {
    SCOPED_TRACE(k);
    MemoryPixelMap map = LoadWorldMap();
    const RebuiltRoute r = RebuildRoute(map, ReadMapColours(map), k);
    EXPECT_EQ(r.cities, k);
    EXPECT_EQ(r.cityPoint, c.cityPointAfter.at(k));
    EXPECT_TRUE(map == c.pictureAfter.at(k));
  }
}

TEST(WorldMap, ARecordBeyondTheLastCityRebuildsTheWholeCampaign) {
  const Campaign& c = Walked();
  MemoryPixelMap map = LoadWorldMap();
  const RebuiltRoute r = RebuildRoute(map, ReadMapColours(map), 5000);
  EXPECT_EQ(r.cities, 99);
  EXPECT_EQ(r.cityPoint, c.cityPointAfter.at(99));
  EXPECT_TRUE(map == c.pictureAfter.at(99));
}

// The English map differs only in its words: its route is walked step for
// step as the Japanese one, to the same cities.
TEST(WorldMap, TheEnglishMapIsWalkedAlike) {
  const Campaign english = Walk(QStringLiteral(":/en/pictures/142.png"));
  const Campaign& japanese = Walked();
  ASSERT_EQ(english.legs.size(), japanese.legs.size());
  for (size_t i = 0; i < english.legs.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(english.legs[i].steps, japanese.legs[i].steps);
    EXPECT_EQ(english.legs[i].cityPoint, japanese.legs[i].cityPoint);
  }
}

#ifdef TOLVA_MAPGEN
// The map is part of the build: drawing it again from the same data must give
// the very same bytes.
TEST(WorldMap, IsDrawnTheSameEveryTime) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString fresh = dir.filePath(QStringLiteral("142.png"));
  QProcess generator;
  generator.start(QStringLiteral(TOLVA_MAPGEN), {"-platform", "offscreen", QStringLiteral(TOLVA_MAP_DATA_DIR), fresh});
  ASSERT_TRUE(generator.waitForFinished(120000));
  ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
  QFile a(fresh), b(QStringLiteral(TOLVA_ASSET_DIR "/pictures/142.png"));
  ASSERT_TRUE(a.open(QIODevice::ReadOnly));
  ASSERT_TRUE(b.open(QIODevice::ReadOnly));
  EXPECT_TRUE(a.readAll() == b.readAll());
}

struct PlacedName {
  QPointF city;
  QRectF box;
  QString name;
};

double Distance(const QRectF& r, QPointF p) {
  const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
  const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
  return std::hypot(dx, dy);
}

// Every city's name on the English map is drawn, in English, on the map, clear
// of the other names and of the title, legend and compass, and nearer its own
// city than any other, so that it cannot be read as the neighbour's.
TEST(WorldMap, EveryEnglishCityNameIsPlacedClearOfTheRest) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString labels = dir.filePath(QStringLiteral("labels.txt"));
  QProcess generator;
  generator.start(QStringLiteral(TOLVA_MAPGEN),
                  {"-platform", "offscreen", QStringLiteral(TOLVA_MAP_DATA_DIR), dir.filePath("142.png"),
                   "--english", QStringLiteral(TOLVA_I18N_DIR), "--labels", labels});
  ASSERT_TRUE(generator.waitForFinished(120000));
  ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
  QFile file(labels);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  std::vector<QRectF> panels;
  std::vector<PlacedName> names;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
    const QStringList f = line.split(' ');
    if (f[0] == QLatin1String("panel")) {
      panels.emplace_back(f[1].toDouble(), f[2].toDouble(), f[3].toDouble(), f[4].toDouble());
    } else {
      names.push_back({QPointF(f[1].toDouble(), f[2].toDouble()),
                       QRectF(f[3].toDouble(), f[4].toDouble(), f[5].toDouble(), f[6].toDouble()),
                       f.mid(7).join(' ')});
    }
  }
  ASSERT_EQ(panels.size(), 3u);
  ASSERT_EQ(names.size(), 100u);  // the start and 99 cities
  const QRectF sheet(8, 8, 1831 - 16, 649 - 16);  // inside the frame
  for (size_t i = 0; i < names.size(); ++i) {
    const PlacedName& n = names[i];
    SCOPED_TRACE(n.name.toStdString());
    EXPECT_TRUE(std::all_of(n.name.begin(), n.name.end(), [](QChar c) { return c.unicode() < 0x2E80; }))
        << "not in English";
    EXPECT_TRUE(sheet.contains(n.box));
    for (const QRectF& panel : panels) EXPECT_FALSE(panel.intersects(n.box));
    for (size_t j = 0; j < names.size(); ++j) {
      if (j == i) continue;
      EXPECT_FALSE(names[j].box.intersects(n.box)) << "covers " << names[j].name.toStdString();
      if (names[j].city == n.city) continue;
      EXPECT_LT(Distance(n.box, n.city), Distance(n.box, names[j].city)) << "nearer " << names[j].name.toStdString();
    }
  }
}
#endif

}  // namespace
}  // namespace tolva
