// The charts: axis ticks at round steps inside their range, a long run
// thinned to the pixel columns it is drawn on without losing its extremes,
// and charts painted at the device's own resolution, not enlarged.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/Charts.h"

namespace tolva {
namespace {

TEST(Charts, TicksStepByOneTwoOrFiveTimesAPowerOfTenInsideTheRange) {
  EXPECT_EQ(NiceTicks(0, 10000, 5), (std::vector<double>{0, 2000, 4000, 6000, 8000, 10000}));
  EXPECT_EQ(NiceTicks(4690, 4890, 4), (std::vector<double>{4700, 4750, 4800, 4850}));
  EXPECT_EQ(NiceTicks(-30, 25, 5), (std::vector<double>{-30, -20, -10, 0, 10, 20}));
  EXPECT_EQ(NiceTicks(1, 10, 10), (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(NiceTicks(7, 7, 5), (std::vector<double>{7})) << "an empty range has one tick";
}

TEST(Charts, AThinnedRunKeepsItsEndsAndEveryColumnsExtremesInOrder) {
  ChartRun run;
  run.firstX = 1;
  for (int i = 0; i < 100000; ++i) run.y.push_back(std::sin(i * 0.001) * 100);
  run.y[50000] = 5000;   // one game far above the rest
  run.y[70001] = -5000;  // and one far below
  const auto points = ThinnedRun(run, 1, 100000, 500);
  EXPECT_LE(points.size(), 4u * 500 + 4);
  EXPECT_EQ(points.front(), (std::pair<double, double>{1, run.y.front()}));
  EXPECT_EQ(points.back(), (std::pair<double, double>{100000, run.y.back()}));
  EXPECT_NE(std::find(points.begin(), points.end(), std::pair<double, double>{50001, 5000}), points.end());
  EXPECT_NE(std::find(points.begin(), points.end(), std::pair<double, double>{70002, -5000}), points.end());
  EXPECT_TRUE(std::is_sorted(points.begin(), points.end()));

  ChartRun few;
  few.y = {3, 1, 2};
  EXPECT_EQ(ThinnedRun(few, 0, 2, 500).size(), 3u) << "a short run is drawn as it is";
}

// Pixel blocks of 2 x 2, aligned, that are not one colour: a picture painted
// at half the resolution and enlarged has none.
int FineBlocks(const QImage& image) {
  int fine = 0;
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb c = image.pixel(x, y);
      fine += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c;
    }
  return fine;
}

QImage Painted(double ratio, const std::function<void(QPainter&, const QRectF&)>& paint) {
  const QSize logical(400, 300);
  QImage image(logical * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  paint(painter, QRectF(QPointF(), QSizeF(logical)));
  return image;
}

TEST(Charts, BothChartsArePaintedAtTheDevicesOwnResolution) {
  LineChart line;
  line.title = QStringLiteral("アレクサンドロスの軍資金");
  line.runs.push_back({0, {5000, 4800, 4900, 4700, 5100, 5300, 4000}});
  line.marks.push_back({3, QStringLiteral("アンフィポリス")});
  BarChart bars;
  bars.labels = {QStringLiteral("セレウコス"), QStringLiteral("アレクサンドロス")};
  bars.values = {3, 7};
  for (const auto& paint : std::vector<std::function<void(QPainter&, const QRectF&)>>{
           [&](QPainter& p, const QRectF& r) { PaintLineChart(p, r, line); },
           [&](QPainter& p, const QRectF& r) { PaintBarChart(p, r, bars); }}) {
    const QImage once = Painted(1, paint);
    const QImage twice = Painted(2, paint);
    const QImage enlarged = once.scaled(once.size() * 2);
    EXPECT_EQ(FineBlocks(enlarged), 0);
    EXPECT_GT(FineBlocks(twice), 500) << "edges finer than a logical pixel";
    EXPECT_GT(FineBlocks(once), 0);
  }
}

}  // namespace
}  // namespace tolva
