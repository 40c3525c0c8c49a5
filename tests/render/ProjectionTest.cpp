// The perspective: band table, projected places and the piles' height, with the
// numbers worked out by hand from the game's integer arithmetic.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <QPainter>

#include "render/Projection.h"

namespace tolva {
namespace {

struct BandCase {
  int angle;
  int A;
  int e;
  ProjectionBand first;  // y0 = 0: the far edge
  ProjectionBand middle;  // y0 = 505
  ProjectionBand last;   // y0 = 1005: the near edge
};

class ProjectionBands : public ::testing::TestWithParam<BandCase> {};

TEST_P(ProjectionBands, MatchTheWorkedNumbers) {
  const BandCase& c = GetParam();
  const Projection p = ComputeProjection(c.angle);
  EXPECT_EQ(p.A, c.A);
  EXPECT_EQ(p.e, c.e);
  const auto expectBand = [](const ProjectionBand& got, const ProjectionBand& want) {
    EXPECT_EQ(got.sourceY, want.sourceY);
    EXPECT_EQ(got.a, want.a) << "y0 " << want.sourceY;
    EXPECT_EQ(got.x, want.x) << "y0 " << want.sourceY;
    EXPECT_EQ(got.y, want.y) << "y0 " << want.sourceY;
    EXPECT_EQ(got.w, want.w) << "y0 " << want.sourceY;
  };
  expectBand(p.bands.front(), c.first);
  expectBand(p.bands[101], c.middle);
  expectBand(p.Last(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, ProjectionBands,
    ::testing::Values(BandCase{9, 166, 18, {0, 166, 211, 345, 778}, {505, 83, 145, 428, 909},
                               {1005, 1, 80, 510, 1039}},
                      BandCase{23, 445, 11, {0, 445, 211, 234, 778}, {505, 223, 145, 456, 909},
                               {1005, 3, 80, 676, 1039}},
                      BandCase{31, 630, 7, {0, 630, 211, 145, 778}, {505, 315, 145, 460, 909},
                               {1005, 4, 80, 771, 1039}}),
    [](const auto& info) { return "Angle" + std::to_string(info.param.angle); });

TEST(Projection, FarEdgeIsAbout778WideAndNearEdgeAbout1040AtEveryAngle) {
  for (int angle = 9; angle <= 31; ++angle) {
    const Projection p = ComputeProjection(angle);
    EXPECT_NEAR(p.bands.front().w, 778, 2) << angle;
    EXPECT_NEAR(p.Last().w, 1040, 2) << angle;
    for (int i = 1; i < kBands; ++i) {
      EXPECT_GE(p.bands[i].y, p.bands[i - 1].y) << "nearer bands lie lower, angle " << angle;
      EXPECT_GE(p.bands[i].w, p.bands[i - 1].w) << "and are wider, angle " << angle;
    }
  }
}

TEST(Projection, TableSpansRows145To775At31AndRows345To511At9) {
  const auto span = [](int angle) {
    const Projection p = ComputeProjection(angle);
    return std::pair(p.bands.front().y, p.Last().y + p.Last().a);
  };
  EXPECT_EQ(span(31), std::pair(145, 775));
  EXPECT_EQ(span(9), std::pair(345, 511));
}

TEST(Projection, FrontEdgeIs7PixelsAt31And18At9) {
  EXPECT_EQ(ComputeProjection(31).e, 7);
  EXPECT_EQ(ComputeProjection(9).e, 18);
}

TEST(Projection, ProjectRectOfThePlaces) {
  EXPECT_EQ(ProjectRect(kStockPlace, 31), (Rect{458, 393, 592, 527}));
  EXPECT_EQ(ProjectRect(kRiverPlace, 31), (Rect{608, 393, 743, 527}));
  EXPECT_EQ(ProjectRect(kStockPlace, 9), (Rect{458, 410, 592, 445}));
  EXPECT_EQ(ProjectRect(kRiverPlace, 23), (Rect{608, 409, 743, 504}));
  EXPECT_EQ(ProjectRect(kMeldSlotRect[0], 31), (Rect{245, 179, 411, 313}));
  EXPECT_EQ(ProjectRect(kMeldSlotRect[5], 23), (Rect{753, 360, 987, 455}));
  EXPECT_EQ(ProjectRect(kMeldSlotRect[8], 9), (Rect{153, 468, 593, 504}));
  EXPECT_EQ(ProjectRect(kReachCoinPlace[4], 31), (Rect{582, 582, 619, 607}));
}

TEST(Projection, ProjectedPlacesAgreeWithTheDrawnBands) {
  // The hit areas and the picture come from two forms of the mapping; a place's
  // projected top and bottom rows are those its band lands on.
  for (int angle : {9, 17, 23, 31}) {
    const Projection p = ComputeProjection(angle);
    const Rect stock = ProjectRect(kStockPlace, angle);
    const ProjectionBand& top = p.bands[kStockPlace.top / kBandRows];
    // Bands overlap: 5 source rows take A / 1010 x 5 canvas rows.
    EXPECT_NEAR(stock.top, top.y + (kStockPlace.top - top.sourceY) * p.A / 1010.0, 1) << angle;
    const double scale = top.w / 1010.0;
    EXPECT_NEAR(stock.left, top.x + kStockPlace.left * scale, 6) << angle;
  }
}

TEST(Projection, PileTopDoesNotGrowAt31AndRises22PixelsPer5CardsAt9) {
  for (int n : {1, 5, 12, 23}) EXPECT_EQ(PileTop(n, 31), 389) << n;
  EXPECT_EQ(PileTop(5, 9), 389 - 22);
  EXPECT_EQ(PileTop(10, 9), 389 - 44);
  EXPECT_EQ(PileTop(23, 9), 389 - 22 * 23 / 5) << "multiplication before the division";
  EXPECT_EQ(PileTop(4, 9), 389 - 17);
}

TEST(Projection, AnglesThatWouldBreakTheArithmeticAreKeptDrawable) {
  EXPECT_EQ(DrawableViewAngle(5), 5) << "an odd but drawable angle is used as stored";
  EXPECT_EQ(DrawableViewAngle(0), 1);
  EXPECT_EQ(DrawableViewAngle(-40), 1);
  EXPECT_EQ(DrawableViewAngle(500), 89);
  EXPECT_EQ(DrawableViewAngle(std::numeric_limits<double>::quiet_NaN()), 23);
  const Projection p = ComputeProjection(500);
  EXPECT_GT(p.A, 0);
  EXPECT_GT(p.Last().w, 0);
}

// A change on the table repaints a small part of the canvas: stretching only
// the bands that land in it leaves there exactly what stretching every band
// under the same clip leaves (and, but for the stretch's rounding, what the
// whole projection shows), at scale 1 and at a fractional scale.
TEST(Projection, AClippedProjectionStretchesOnlyTheBandsInTheClipAndShowsTheSame) {
  for (const DeviceScale scale : {DeviceScale{1, 1}, DeviceScale{1.5, 1.5}}) {
    QImage table(scale.Size(kTableSize, kTableSize), QImage::Format_RGB32);
    for (int y = 0; y < table.height(); ++y)
      for (int x = 0; x < table.width(); ++x) table.setPixel(x, y, qRgb(x % 251, y % 241, (x * y) % 239));
    const Projection p = ComputeProjection(23);
    const QRect clip = scale.Map(Rect{450, 380, 600, 470});
    const auto project = [&](bool clipped, bool skipping) {
      QImage canvas(scale.Size(kCanvasWidth, kCanvasHeight), QImage::Format_RGB32);
      canvas.fill(Qt::black);
      QPainter painter(&canvas);
      if (clipped) painter.setClipRect(clip);
      ProjectTable(painter, table, p, scale, skipping ? clip : QRect());
      return canvas;
    };
    const QImage whole = project(false, false), all = project(true, false), some = project(true, true);
    EXPECT_EQ(some, all) << "scale " << scale.x;
    int worst = 0;
    for (int y = clip.top(); y <= clip.bottom(); ++y)
      for (int x = clip.left(); x <= clip.right(); ++x) {
        const QRgb a = whole.pixel(x, y), b = some.pixel(x, y);
        worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
      }
    EXPECT_LE(worst, 8) << "scale " << scale.x;
  }
}

// Each band is stretched only over the rows that the nearer bands leave in
// sight; what the table looks like is what stretching every band whole, the
// far ones first, gives, pixel for pixel, at every angle and scale.
TEST(Projection, StretchingOnlyTheRowsInSightShowsWhatWholeBandsShow) {
  for (const DeviceScale scale : {DeviceScale{1, 1}, DeviceScale{1.5, 1.5}, DeviceScale{2, 2}}) {
    QImage table(scale.Size(kTableSize, kTableSize), QImage::Format_RGB32);
    for (int y = 0; y < table.height(); ++y)
      for (int x = 0; x < table.width(); ++x) table.setPixel(x, y, qRgb(x % 253, (y * 3) % 247, (x + y) % 229));
    for (const double angle : {9.0, 23.0, 31.0}) {
      const Projection p = ComputeProjection(angle);
      QImage shown(scale.Size(kCanvasWidth, kCanvasHeight), QImage::Format_RGB32);
      shown.fill(Qt::black);
      QImage whole = shown;
      {
        QPainter painter(&shown);
        ProjectTable(painter, table, p, scale);
        EXPECT_FALSE(painter.hasClipping()) << "the painter's clip is left as it was";
      }
      {
        QPainter painter(&whole);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        for (const ProjectionBand& band : p.bands) {
          const int top = scale.Y(band.sourceY);
          painter.drawImage(scale.Map(Rect::Sized(band.x, band.y, band.w, kBandRows)), table,
                            QRect(0, top, table.width(), scale.Y(band.sourceY + kBandRows) - top));
        }
      }
      EXPECT_TRUE(shown == whole) << "angle " << angle << ", scale " << scale.x;
    }
  }
}

// A repaint that lies wholly on the table paints nothing under it: the
// bands must then replace every pixel there. Over a grid of rectangles at
// several angles and scales, the bands are said to cover exactly the
// rectangles where no pixel of what was under them is left.
TEST(Projection, TheBandsCoverARectangleExactlyWhereTheyReplaceAllOfIt) {
  const QRgb under = qRgb(255, 0, 0);
  for (const DeviceScale scale : {DeviceScale{1, 1}, DeviceScale{1.5, 1.5}}) {
    QImage table(scale.Size(kTableSize, kTableSize), QImage::Format_RGB32);
    table.fill(qRgb(0, 128, 0));
    for (const double angle : {9.0, 23.0, 31.0}) {
      const Projection p = ComputeProjection(angle);
      QImage canvas(scale.Size(kCanvasWidth, kCanvasHeight), QImage::Format_RGB32);
      canvas.fill(under);
      {
        QPainter painter(&canvas);
        ProjectTable(painter, table, p, scale);
      }
      int covered = 0, open = 0;
      for (int top = 0; top + 30 <= canvas.height(); top += 29)
        for (int left = 0; left + 40 <= canvas.width(); left += 37) {
          const QRect r(left, top, 40, 30);
          bool replaced = true;
          for (int y = r.top(); y <= r.bottom() && replaced; ++y)
            for (int x = r.left(); x <= r.right() && replaced; ++x) replaced = canvas.pixel(x, y) != under;
          EXPECT_EQ(ProjectionCovers(p, scale, r), replaced)
              << "angle " << angle << ", scale " << scale.x << ", at " << left << "," << top;
          (replaced ? covered : open) += 1;
        }
      EXPECT_GT(covered, 0);
      EXPECT_GT(open, 0);
    }
  }
}

}  // namespace
}  // namespace tolva
