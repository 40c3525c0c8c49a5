// The composed canvas: background, hands, plates, purses, overlays and the hit
// rectangles, for known tables at the lowest, default and highest angles.
#include <gtest/gtest.h>

#include <utility>

#include "render/Hands.h"
#include "render/Projection.h"
#include "render/Scene.h"
#include "rules/CardText.h"
#include "tests/render/support/SyntheticPictures.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::Cards;
using testing::DigitColour;
using testing::FaceColour;
using testing::kFaceProbe;
using testing::SetHand;

struct SceneTest : ::testing::TestWithParam<int> {
  Surfaces s = testing::LoadedSurfaces();
  SceneRenderer renderer{s};
  TableState t = testing::EmptyTable();

  SceneTest() {
    SetHand(t, 0, "As 2s 3s 4s 5s 6s 7s");
    SetHand(t, 1, "8s 9s Ts Js Qs Ks Ah");
    SetHand(t, 2, "2h 3h 4h 5h 6h 7h 8h");
    SetHand(t, 3, "9h Th Jh Qh Kh Ad 2d");
    SetHand(t, 4, "3d 4d 5d 6d 7d 8d 9d");
    testing::SetStock(t, "Td Jd Qd Kd Ac 2c 3c 4c 5c 6c");
    t.Purse = {1200, 950, 87, 3, 10000};
    t.GameNo = 5;
    t.TurnSeat = 4;
  }
  int Angle() const { return GetParam(); }
  SceneState Scene() const { return testing::SceneFor(t, Angle()); }
  const HitRects& Draw(const SceneState& scene, bool tableChanged = true) {
    renderer.RedrawScene(scene, tableChanged);
    return renderer.Hits();
  }
  QRgb Pixel(int x, int y) const { return s.BackBuffer.pixel(x, y) | 0xff000000u; }
  // Whether any pixel in r differs from `colour`.
  bool AnyOtherThan(const Rect& r, QRgb colour) const {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (Pixel(x, y) != colour) return true;
    return false;
  }
  QImage Region(const Rect& r) const { return s.BackBuffer.copy(r.ToQRect()); }
};

TEST_P(SceneTest, HitRectanglesOfTheTablePlacesAreTheirProjections) {
  const HitRects& hits = Draw(Scene());
  EXPECT_EQ(hits.StockRect, ProjectRect(kStockPlace, Angle()));
  EXPECT_EQ(hits.RiverRect, ProjectRect(kRiverPlace, Angle()));
  for (int row = 0; row < kMeldRows; ++row)
    EXPECT_EQ(hits.MeldHitRect[row], ProjectRect(kMeldSlotRect[row], Angle())) << row;
  for (int seat = 0; seat < kSeats; ++seat)
    EXPECT_EQ(hits.ReachCoinRect[seat], ProjectRect(kReachCoinPlace[seat], Angle())) << seat;
  const Projection p = ComputeProjection(Angle());
  EXPECT_EQ(hits.TableEdgeRect.top, p.Last().y + p.Last().a) << "the edge starts at the near line";
  EXPECT_NEAR(hits.TableEdgeRect.Height(), p.e, 1);
}

TEST_P(SceneTest, EmptyRiverPlaceShowsItsColourOnTheCanvas) {
  const HitRects& hits = Draw(Scene());
  const Rect& river = hits.RiverRect;
  EXPECT_EQ(Pixel((river.left + river.right) / 2, (river.top + river.bottom) / 2), colours::kPlace);
  const Rect& row = hits.MeldHitRect[1];
  EXPECT_EQ(Pixel((row.left + row.right) / 2, (row.top + row.bottom) / 2), colours::kPlace);
}

TEST_P(SceneTest, TableSpansItsRowsWithTheFrontEdgeBelow) {
  Draw(Scene());
  const Projection p = ComputeProjection(Angle());
  // x 650 lies between the far seats' hands, x 200 between seat 3 and the human.
  const int top = p.bands.front().y;
  const QRgb far = Pixel(650, top);
  EXPECT_TRUE(far == colours::kTableBorder || far == colours::kTableBorderLine)
      << "the far border, first canvas row";
  EXPECT_FALSE(testing::Near(Pixel(650, top - 1), colours::kTableBorder, 30));
  const int edgeTop = p.Last().y;
  EXPECT_EQ(Pixel(200, edgeTop), colours::kTableEdge);
  EXPECT_EQ(Pixel(200, edgeTop + p.e - 1), colours::kTableEdge);
  EXPECT_NE(Pixel(200, edgeTop + p.e), colours::kTableEdge);
  EXPECT_NE(Pixel(200, edgeTop - 1), colours::kTableEdge) << "the felt's near border above it";
}

TEST_P(SceneTest, HumanHandCardsOverlapBy111AndTheLastShowsWhole) {
  const HitRects& hits = Draw(Scene());
  const int y = 630 + 6 * Angle() - 186;
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(hits.HandCardRect[i].left, 396 + 40 * i) << i;
    EXPECT_EQ(hits.HandCardRect[i].top, y);
    EXPECT_EQ(hits.HandCardRect[i].Width(), i == 6 ? 151 : 40) << i;
    EXPECT_EQ(hits.HandCardRect[i].Height(), 215);
    EXPECT_EQ(Pixel(hits.HandCardRect[i].left + kFaceProbe.x(), y + kFaceProbe.y()),
              FaceColour(t.Hand[4][i]))
        << i;
  }
  EXPECT_TRUE(hits.HandCardRect[7].IsEmpty());
  EXPECT_EQ(hits.SeatHandRect[4], (Rect{396, y, 396 + 280 + 111, y + 215}));
  EXPECT_EQ(hits.SeatPlateRect[4], Rect::Sized(396 + 240 + 161, y + 96, 92, 23));
}

TEST_P(SceneTest, AHandOfEightSpans431PixelsFromX376) {
  SetHand(t, 4, "3d 4d 5d 6d 7d 8d 9d Td");
  const HitRects& hits = Draw(Scene());
  EXPECT_EQ(hits.SeatHandRect[4].left, 376);
  EXPECT_EQ(hits.SeatHandRect[4].Width(), 431);
  EXPECT_EQ(hits.HandCardRect[7].right, 376 + 431);
  EXPECT_EQ(hits.SeatPlateRect[4].left, 376 + 280 + 161);
}

TEST_P(SceneTest, SelectedCardsAreInvertedUnlessCardsAreBeingDragged) {
  t.Selected = {0, 1, 0, 1, 0, 0, 0, 0};
  SceneState scene = Scene();
  const HitRects& hits = Draw(scene);
  const auto probe = [&](int i) {
    return Pixel(hits.HandCardRect[i].left + kFaceProbe.x(),
                 hits.HandCardRect[i].top + kFaceProbe.y());
  };
  EXPECT_EQ(probe(1), FaceColour(t.Hand[4][1]) ^ 0x00ffffffu);
  EXPECT_EQ(probe(3), FaceColour(t.Hand[4][3]) ^ 0x00ffffffu);
  EXPECT_EQ(probe(2), FaceColour(t.Hand[4][2]));
  // Only the card's own visible strip is inverted, not the next card.
  EXPECT_EQ(Pixel(hits.HandCardRect[2].left + 10, hits.HandCardRect[2].top + kFaceProbe.y()),
            FaceColour(t.Hand[4][2]));

  scene.Dragging = 1;
  Draw(scene, false);
  EXPECT_EQ(probe(1), FaceColour(t.Hand[4][1]));
}

TEST_P(SceneTest, GradientRunsToTheAnglesBottomColourOnModernSystems) {
  Draw(Scene());
  const int g = static_cast<int>(Angle() * 6) - 30;
  EXPECT_TRUE(testing::Near(Pixel(0, 899), qRgb(0, g, g), 1)) << std::hex << Pixel(0, 899);
  EXPECT_TRUE(testing::Near(Pixel(0, 0), colours::kBackground, 1));

  SceneState plain = Scene();
  plain.ModernSystem = 0;
  Draw(plain);
  EXPECT_EQ(Pixel(0, 899), colours::kBackground);
}

TEST_P(SceneTest, FaceUpHandsShowTheirPointsInBigDigits) {
  t.OpenMode = 1;
  t.GameNo = 2;
  SceneState scene = Scene();
  scene.HandPoints = [](int seat) { return seat == 1 ? 7 : seat == 3 ? 23 : 40; };
  const HitRects& hits = Draw(scene);
  const int top = 7 * (31 - Angle());
  EXPECT_EQ(hits.SeatHandRect[1], (Rect{680, top, 680 + 6 * 24 + 115, top + 165}));
  EXPECT_EQ(hits.SeatPlateRect[1], Rect::Sized(680 + 7 * 24 + 94, top + 71, 92, 23));
  EXPECT_EQ(hits.SeatHandRect[0].left, 1080 - 7 * 33 - 7);
  EXPECT_EQ(hits.SeatHandRect[0].Width(), 6 * 33 + 140);

  const auto centre = [&](int seat) {
    const Rect& r = hits.SeatHandRect[seat];
    return QPoint(r.left + r.Width() / 2, r.top + r.Height() / 2);
  };
  const QPoint one = centre(1);
  EXPECT_EQ(Pixel(one.x() - 29 + 6, one.y() - 29 + 6), DigitColour(7)) << "one digit, centred";
  const QPoint two = centre(3);
  EXPECT_EQ(Pixel(two.x() - 59 + 6, two.y() - 29 + 6), DigitColour(2)) << "the tens";
  EXPECT_EQ(Pixel(two.x() + 6, two.y() - 29 + 6), DigitColour(3)) << "the units";
  // The human's hand in open mode too.
  const QPoint human = centre(4);
  EXPECT_EQ(Pixel(human.x() - 59 + 6, human.y() - 29 + 6), DigitColour(4));
  EXPECT_EQ(Pixel(human.x() + 6, human.y() - 29 + 6), DigitColour(0));
  // A digit cell's white is transparent: the card shows around the digit.
  EXPECT_NE(Pixel(one.x() - 29 + 1, one.y() - 29 + 1), colours::kWhite);
}

TEST_P(SceneTest, AtAGamesEndTheKingsPointsStandBesideHisPlate) {
  SceneState scene = Scene();
  scene.HandPoints = [](int seat) { return seat == kHumanSeat ? 37 : 12; };
  const auto digitsBesidePlate = [&](const HitRects& hits) {
    // Two digits right of the plate, 10 pixels on, centred on it from top to bottom.
    const Rect& plate = hits.SeatPlateRect[kHumanSeat];
    const int top = plate.top + (plate.Height() - 59) / 2;
    return std::pair{Pixel(plate.right + 10 + 6, top + 6), Pixel(plate.right + 10 + 59 + 6, top + 6)};
  };
  const auto shown = std::pair{DigitColour(3), DigitColour(7)};
  EXPECT_NE(digitsBesidePlate(Draw(scene)), shown) << "not while the game goes on";
  scene.RevealHands = 1;
  EXPECT_EQ(digitsBesidePlate(Draw(scene)), shown);
  SetHand(t, 4, "3d 4d 5d 6d 7d 8d 9d Td");  // won on an eighth card: the plate moves on
  EXPECT_EQ(digitsBesidePlate(Draw(scene)), shown);
  t.OpenMode = 1;  // his total is on his hand already
  EXPECT_NE(digitsBesidePlate(Draw(scene)), shown);
}

TEST_P(SceneTest, OpenModeShowsHandsFaceUpOnlyInTheFirstThreeGames) {
  t.OpenMode = 1;
  t.GameNo = 3;
  const HitRects& hits = Draw(Scene());
  const Rect card1 = Rect::Sized(hits.SeatHandRect[1].left, hits.SeatHandRect[1].top, 115, 165);
  EXPECT_TRUE(testing::Near(Pixel(card1.left + 12, card1.top + 110), FaceColour(t.Hand[1][0]), 12));

  t.GameNo = 4;
  const HitRects& later = Draw(Scene());
  const int fanWidth = static_cast<int>(415 * 0.71192056);
  EXPECT_EQ(later.SeatPlateRect[1].left, 680 + fanWidth + 3) << "face down again from game 4";

  SceneState reveal = Scene();
  reveal.RevealHands = 1;
  EXPECT_EQ(Draw(reveal).SeatPlateRect[1].left, 680 + 7 * 24 + 94) << "the end-of-game reveal";
}

TEST_P(SceneTest, FaceDownPlatesAndPursesStandBesideTheirFans) {
  const HitRects& hits = Draw(Scene());
  const int k = Angle();
  const int farTop = 7 * (31 - k);
  EXPECT_EQ(hits.SeatPlateRect[1], Rect::Sized(680 + 295 + 3, farTop + 96, 92, 23));
  EXPECT_EQ(hits.SeatPlateRect[2], Rect::Sized(316 - 95, farTop + 96, 92, 23));
  EXPECT_EQ(hits.SeatPlateRect[0], Rect::Sized(1070, 220 - k + 6, 92, 23));
  EXPECT_EQ(hits.SeatPlateRect[3], Rect::Sized(20, 220 - k + 6, 92, 23));
  EXPECT_EQ(hits.PurseTextRect[0].right, 1070 - 8) << "seat 0's purse ends before its plate";
  EXPECT_EQ(hits.PurseTextRect[3].left, 20 + 100);
  for (int seat : {1, 2, 4}) {
    const Rect& plate = hits.SeatPlateRect[seat];
    const Rect& purse = hits.PurseTextRect[seat];
    EXPECT_EQ(purse.top, plate.bottom) << seat;
    EXPECT_NEAR(purse.left + purse.Width() / 2.0, plate.left + 46, 1) << seat;
  }
  const Rect& near = hits.PurseTextRect[3];
  EXPECT_NEAR(near.top + near.Height() / 2.0, hits.SeatPlateRect[3].top + 11.5 + 2, 1);
  EXPECT_EQ(hits.SeatHandRect[0], Rect::Sized(1020, 220 - k + 31, 150, 300));
}

TEST_P(SceneTest, AComputerSeatHoldingAnEighthCardShowsTheSevenCardFan) {
  const HitRects& hits = Draw(Scene());
  const Rect fan = hits.SeatHandRect[1];
  const QImage seven = Region(fan);
  const Rect nearFan = hits.SeatHandRect[3];
  const QImage sevenNear = Region(nearFan);
  EXPECT_TRUE(AnyOtherThan(fan, Pixel(fan.left, fan.top))) << "a fan is drawn";

  SetHand(t, 1, "8s 9s Ts Js Qs Ks Ah 3c");
  SetHand(t, 3, "9h Th Jh Qh Kh Ad 2d 4c");
  const HitRects& eight = Draw(Scene());
  EXPECT_EQ(eight.SeatHandRect[1], fan);
  EXPECT_EQ(Region(fan), seven);
  EXPECT_EQ(Region(nearFan), sevenNear);
}

TEST_P(SceneTest, ASeatWithNoCardsShowsNoFanAndItsPlateCloses) {
  SetHand(t, 1, "");
  const HitRects& hits = Draw(Scene());
  EXPECT_EQ(hits.SeatPlateRect[1].left, 680 + 3);
  EXPECT_TRUE(hits.SeatHandRect[1].IsEmpty());
}

TEST_P(SceneTest, NearFaceUpHandHeldAsideUncoversTheTable) {
  SceneState scene = Scene();
  scene.RevealHands = 1;
  const HitRects& shown = Draw(scene);
  const Rect hand = shown.SeatHandRect[3];
  const QImage withHand = Region(hand);
  scene.PeekOnPress = {0, 1};
  const HitRects& held = Draw(scene, false);
  EXPECT_EQ(held.SeatHandRect[3], hand) << "its place can still be released on";
  EXPECT_NE(Region(hand), withHand);
  EXPECT_FALSE(testing::Near(Pixel(hand.left + 12, hand.top + 110), FaceColour(t.Hand[3][0]), 12));
}

TEST_P(SceneTest, PendingCoinsStockCountAndKeyLabels) {
  t.PendingPool = 12;
  testing::SetRiver(t, "Kc");
  const HitRects& hits = Draw(Scene());
  EXPECT_EQ(hits.PendingRect, (Rect{1121, 10, 1160, 49}));
  EXPECT_TRUE(testing::Near(Pixel(1078 + 19, 10 + 19), qRgb(225, 180, 40), 4)) << "one gold coin";
  EXPECT_TRUE(testing::Near(Pixel(1121 + 19, 25 + 19), qRgb(190, 190, 205), 4)) << "two silver";
  EXPECT_TRUE(testing::Near(Pixel(1078 + 19, 25 + 30), colours::kBackground, 40)) << "no second gold";

  const Rect& count = hits.StockCountRect;
  EXPECT_EQ(count.top, hits.StockRect.bottom + 3);
  EXPECT_NEAR(count.left + count.Width() / 2.0, (hits.StockRect.left + hits.StockRect.right) / 2.0, 1);
  const Rect& labels = hits.KeyLabelRect;
  EXPECT_EQ(labels.top, count.top);
  EXPECT_LT(labels.left, hits.StockRect.right);
  EXPECT_GT(labels.left, hits.StockRect.right - 40);
  EXPECT_GT(labels.right, hits.RiverRect.left);
  EXPECT_LT(labels.right, hits.RiverRect.left + 40);
  bool blue = false;
  for (int y = count.top; y < count.bottom && !blue; ++y)
    for (int x = count.left; x < count.right && !blue; ++x)
      blue = qBlue(Pixel(x, y)) > 200 && qRed(Pixel(x, y)) < 60 && qGreen(Pixel(x, y)) < 60;
  EXPECT_TRUE(blue) << "the stock count is written in blue";

  t.PendingPool = 0;
  t.StockCount = 0;
  EXPECT_TRUE(Draw(Scene()).PendingRect.IsEmpty());
  EXPECT_GE(renderer.Hits().KeyLabelRect.left, hits.RiverRect.left) << "only F8 without a stock";
}

TEST_P(SceneTest, GameNumberPlateShowsTheGameAndTheFirstRound) {
  t.GameNo = 5;
  t.FirstRound = 1;
  Draw(Scene());
  EXPECT_EQ(Pixel(205 + 4, 20 + 4), qRgb(240, 140, 40));
  t.FirstRound = 0;
  Draw(Scene());
  EXPECT_EQ(Pixel(205 + 4, 20 + 4), qRgb(180, 180, 180));
}

TEST_P(SceneTest, ATableChangeShowsOnlyWhenTheTableIsDrawnAgain) {
  const HitRects& hits = Draw(Scene(), true);
  const Rect river = hits.RiverRect;
  const int cx = (river.left + river.right) / 2, cy = (river.top + river.bottom) / 2;
  ASSERT_EQ(Pixel(cx, cy), colours::kPlace);
  testing::SetRiver(t, "Kc");
  Draw(Scene(), false);
  EXPECT_EQ(Pixel(cx, cy), colours::kPlace) << "the kept table is reused";
  Draw(Scene(), true);
  EXPECT_NE(Pixel(cx, cy), colours::kPlace);
}

TEST_P(SceneTest, BeforeStartUpOnlyTheBackgroundAndButtonsAreDrawn) {
  SceneState scene = Scene();
  scene.Initialising = 1;
  scene.ModernSystem = 0;
  Draw(scene);
  EXPECT_EQ(Pixel(600, 500), colours::kBackground) << "no table, no hands";
  EXPECT_EQ(Pixel(15, 21), qRgb(200, 200, 210)) << "the button strip";
  scene.Initialising = 0;
  scene.TableActive = 0;
  Draw(scene);
  EXPECT_EQ(Pixel(600, 500), colours::kBackground);
}

INSTANTIATE_TEST_SUITE_P(Angles, SceneTest, ::testing::Values(9, 23, 31),
                         [](const auto& info) { return "Angle" + std::to_string(info.param); });

TEST(TableWindow, WhiteMarginsBelowAndRightOfTheScaledCanvas) {
  QImage canvas(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
  canvas.fill(colours::kBackground);
  QImage window(1000, 800, QImage::Format_RGB32);
  window.fill(Qt::black);
  {
    QPainter painter(&window);
    PaintTableWindow(painter, window.size(), canvas, 0.8f, 0.8f);
  }
  EXPECT_EQ(window.pixel(500, 400), colours::kBackground);
  EXPECT_EQ(window.pixel(959, 719), colours::kBackground);
  EXPECT_EQ(window.pixel(960, 100), colours::kWhite) << "right of the picture";
  EXPECT_EQ(window.pixel(100, 720), colours::kWhite) << "below it";
  EXPECT_EQ(window.pixel(999, 799), colours::kWhite);
}

}  // namespace
}  // namespace tolva
