// The result picture's frame and placement, the dissolve's squares and the
// window area a seat's hand blinks in.
#include <gtest/gtest.h>

#include <set>

#include "render/ResultPicture.h"

namespace tolva {
namespace {

TEST(ResultPicture, FrameIsYellowForADrawBlueForAFailedTolvaAndMagentaOtherwise) {
  EXPECT_EQ(ResultFrameColour(ResultPicture::DrawnGame), qRgb(255, 255, 0));
  EXPECT_EQ(ResultFrameColour(ResultPicture::TolvaFailed), qRgb(0, 0, 255));
  for (ResultPicture p : {ResultPicture::TolvaSucceeded, ResultPicture::Seventy, ResultPicture::WentOut,
                          ResultPicture::Tsumo, ResultPicture::Ron, ResultPicture::CampaignComplete})
    EXPECT_EQ(ResultFrameColour(p), qRgb(255, 0, 255));
}

TEST(ResultPicture, PictureIsStretchedToNineTenthsAndCentredInItsFrame) {
  EXPECT_EQ(ResultPictureRect(QSize(1194, 871)), Rect::Sized(61, 44, 1071, 783));
  QImage window(640, 480, QImage::Format_RGB32);
  QImage picture(300, 200, QImage::Format_RGB32);
  picture.fill(qRgb(10, 20, 30));
  {
    QPainter painter(&window);
    DrawResultPicture(painter, window.size(), picture, ResultFrameColour(ResultPicture::Tsumo));
  }
  const Rect place = ResultPictureRect(window.size());
  ASSERT_EQ(place, Rect::Sized(32, 24, 576, 432));
  EXPECT_EQ(window.pixel(31, 240), qRgb(255, 0, 255));
  EXPECT_EQ(window.pixel(33, 240), qRgb(10, 20, 30));
  EXPECT_EQ(window.pixel(606, 454), qRgb(10, 20, 30));
  EXPECT_EQ(window.pixel(608, 456), qRgb(255, 0, 255));
}

TEST(Dissolve, CountsAndSquareSizesFollowTheFineFlag) {
  DissolveRun coarse(7, false, QSize(800, 600), 800 / 1200.0f, 600 / 900.0f);
  DissolveRun fine(7, true, QSize(800, 600), 800 / 1200.0f, 600 / 900.0f);
  EXPECT_EQ(coarse.Total(), 100000);
  EXPECT_EQ(fine.Total(), 600000);
  const auto a = coarse.Next();
  EXPECT_EQ(a.source.size(), QSize(6, 6));
  EXPECT_EQ(a.target.size(), QSize(4, 4));
  EXPECT_EQ(fine.Next().source.size(), QSize(1, 1));
  EXPECT_EQ(fine.Next().target.size(), QSize(1, 1)) << "never shrinks to nothing";
}

TEST(Dissolve, SquaresComeFromTheCanvasPointUnderTheirWindowPoint) {
  DissolveRun run(2024, false, QSize(1600, 1200), 1600 / 1200.0f, 1200 / 900.0f);
  std::set<std::pair<int, int>> seen;
  for (int i = 0; i < 2000; ++i) {
    const auto sq = run.Next();
    ASSERT_GE(sq.target.x(), 0);
    ASSERT_LT(sq.target.x(), 1600);
    ASSERT_LT(sq.target.y(), 1200);
    EXPECT_EQ(sq.source.x(), static_cast<int>(sq.target.x() / (1600 / 1200.0f)));
    EXPECT_EQ(sq.source.y(), static_cast<int>(sq.target.y() / (1200 / 900.0f)));
    EXPECT_EQ(sq.target.size(), QSize(8, 8));
    seen.insert({sq.target.x(), sq.target.y()});
  }
  EXPECT_GT(seen.size(), 1900u) << "spread over the window";
  EXPECT_EQ(run.Done(), 2000);
}

TEST(Dissolve, SameSeedSameSquaresAndTheRunEnds) {
  DissolveRun one(99, false, QSize(300, 200), 1.0f, 1.0f);
  DissolveRun two(99, false, QSize(300, 200), 1.0f, 1.0f);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(one.Next().target, two.Next().target);

  QImage canvas(1200, 900, QImage::Format_RGB32);
  canvas.fill(qRgb(1, 2, 3));
  QImage window(300, 200, QImage::Format_RGB32);
  window.fill(Qt::white);
  QPainter painter(&window);
  int drawn = 0;
  while (!one.Finished()) drawn += one.Step(painter, canvas, 7000);
  painter.end();
  EXPECT_EQ(drawn + 100, one.Total());
  EXPECT_EQ(one.Step(painter, canvas, 10), 0);
  int covered = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) covered += window.pixel(x, y) == qRgb(1, 2, 3);
  EXPECT_GT(covered, 300 * 200 * 95 / 100) << "the window shows the canvas again";
}

TEST(Dissolve, AnEmptyWindowHasNothingToDissolve) {
  EXPECT_TRUE(DissolveRun(1, false, QSize(0, 480), 1, 1).Finished());
  EXPECT_TRUE(DissolveRun(1, true, QSize(640, 480), 0, 1).Finished());
}

TEST(FlashSeatHand, InvertsTheHandsRectangleInWindowPixels) {
  HitRects hits;
  hits.SeatHandRect[2] = Rect{316, 56, 611, 271};
  EXPECT_EQ(FlashSeatHandRect(hits, 2, 1.0f, 1.0f), hits.SeatHandRect[2]);
  EXPECT_EQ(FlashSeatHandRect(hits, 2, 0.5f, 0.5f), (Rect{158, 28, 158 + 147, 28 + 107}));
  EXPECT_TRUE(FlashSeatHandRect(hits, 7, 1.0f, 1.0f).IsEmpty());
}

}  // namespace
}  // namespace tolva
