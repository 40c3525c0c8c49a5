// The flat table: piles, meld rows spread by their rule, Reach coins, the
// opening-seat cards and cards in flight, read back from its pixels.
#include <gtest/gtest.h>

#include "render/Projection.h"
#include "render/TableSurface.h"
#include "rules/CardText.h"
#include "tests/render/support/SyntheticPictures.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::FaceColour;
using testing::kBackColour;
using testing::kFaceProbe;

struct TableSurfaceTest : ::testing::Test {
  Surfaces s = testing::LoadedSurfaces();
  TableState t = testing::EmptyTable();

  QRgb Pixel(int x, int y) const { return s.TableSurface.pixel(x, y) | 0xff000000u; }
  QRgb FaceAt(const Rect& place) const {
    return Pixel(place.left + kFaceProbe.x(), place.top + kFaceProbe.y());
  }
  void Draw(double angle = 23, SceneState scene = {}) {
    scene.t = &t;
    scene.ViewAngle = angle;
    DrawTableSurface(s, scene);
  }
};

TEST_F(TableSurfaceTest, BorderFeltAndEmptyPlaces) {
  Draw();
  EXPECT_EQ(Pixel(3, 500), colours::kTableBorder);
  EXPECT_EQ(Pixel(0, 500), colours::kTableBorderLine);
  EXPECT_EQ(Pixel(7, 500), colours::kBlack) << "the felt's outline";
  EXPECT_EQ(Pixel(30, 30), colours::kFelt);
  EXPECT_EQ(Pixel(590, 500), colours::kPlace) << "empty river place";
  EXPECT_EQ(Pixel(514, 500), colours::kPlaceLine);
  EXPECT_EQ(Pixel(400, 500), colours::kFelt) << "no stock drawn for an empty stock";
  for (const Rect& row : kMeldSlotRect) {
    EXPECT_EQ(Pixel(row.left + 30, row.top + 30), colours::kPlace);
    EXPECT_EQ(Pixel(row.right - 1, row.top + 30), colours::kPlaceLine);
  }
}

TEST_F(TableSurfaceTest, MeldRowsSpreadTheirCardsByTheRowsRoom) {
  testing::SetMeld(t, 0, "3s 4s 5s");            // 60 / 2 = 30 apart
  testing::SetMeld(t, 4, "7h 7d 7c");            // 121 / 2 = 60 apart
  testing::SetMeld(t, 8, "9d Td Jd Qd Kd");      // 290 / 4 = 72 apart
  testing::SetMeld(t, 7, "As Ah Ad Ac Jk 2s 2h");  // 121 / 6 = 20 apart
  Draw();
  const auto expectRow = [&](int row, int step) {
    const auto cards = testing::MeldOf(t, row);
    const int k = static_cast<int>(cards.size());
    for (int j = 0; j < k; ++j) {
      const Rect place = MeldCardPlace(row, k, j);
      EXPECT_EQ(place.left, kMeldSlotRect[row].left + j * step) << "row " << row << " card " << j;
      // A probe inside the strip of the card that the next one leaves uncovered.
      EXPECT_EQ(Pixel(place.left + std::min(step, 20) / 2 + (j == k - 1 ? 20 : 0), place.top + 150),
                FaceColour(cards[j]))
          << "row " << row << " card " << j;
    }
  };
  expectRow(0, 30);
  expectRow(4, 60);
  expectRow(8, 72);
  expectRow(7, 20);
}

TEST_F(TableSurfaceTest, MeldRowOfOneCardFromABadStateDrawsWithoutDividingByZero) {
  t.MeldLength[3] = 1;
  t.Meld[3][0] = 5;
  t.MeldLength[2] = 40;  // beyond the row's 19 slots
  Draw();
  EXPECT_EQ(FaceAt(MeldCardPlace(3, 1, 0)), FaceColour(5));
}

TEST_F(TableSurfaceTest, StockPileRisesWithItsCountBelowTheTopAngle) {
  testing::SetStock(t, "As 2s 3s 4s 5s 6s 7s 8s 9s Ts");
  Draw(9);
  const int top = PileTop(10, 9);
  ASSERT_EQ(top, 345);
  EXPECT_EQ(Pixel(365, top + 150), kBackColour);
  EXPECT_EQ(Pixel(365, top - 1), colours::kFelt);
  EXPECT_EQ(Pixel(400, top + kCardHeight + 5), colours::kPileSide);
  EXPECT_EQ(Pixel(400, 612), colours::kBlack) << "the side's outline at the pile's foot";

  Draw(31);
  EXPECT_EQ(Pixel(365, 389 + 150), kBackColour);
  EXPECT_EQ(Pixel(365, 388), colours::kFelt);
  EXPECT_EQ(Pixel(400, 389 + kCardHeight + 4), colours::kPileSide);
}

TEST_F(TableSurfaceTest, RiverShowsItsTopCardOrTheOneUnderAFlyingTop) {
  testing::SetRiver(t, "Kh 4c");
  Draw(31);
  EXPECT_EQ(Pixel(534, 389 + 150), FaceColour(testing::Cards("4c")[0]));

  SceneState flying;
  flying.RiverStep = 2;
  Draw(31, flying);
  EXPECT_EQ(Pixel(534, 389 + 150), FaceColour(testing::Cards("Kh")[0]));

  testing::SetRiver(t, "Kh");
  Draw(31, flying);
  EXPECT_EQ(Pixel(590, 500), colours::kPlace) << "a river whose only card flies shows its place";
}

TEST_F(TableSurfaceTest, ReachCoinsGoldDuringTheOneShotAndSilverAfterExceptTheFlyingOne) {
  t.ReachFlag = {0, 1, 1, 1, 0};
  t.IppatsuFlag = {0, 1, 0, 1, 0};
  SceneState scene;
  scene.ReachAnimSeat = 3;
  Draw(23, scene);
  const auto coinCentre = [&](int seat) {
    return Pixel(kReachCoinPlace[seat].left + 19, kReachCoinPlace[seat].top + 19);
  };
  EXPECT_TRUE(testing::Near(coinCentre(1), qRgb(225, 180, 40), 4));
  EXPECT_TRUE(testing::Near(coinCentre(2), qRgb(190, 190, 205), 4));
  EXPECT_EQ(coinCentre(3), colours::kFelt) << "the seat whose coin is flying";
  EXPECT_EQ(coinCentre(0), colours::kFelt);
}

TEST_F(TableSurfaceTest, OpeningSeatCardsLieAtTheRowEndsAndTheWinnerBlinks) {
  testing::SetStock(t, "2s 3h 4d 5c 6s 7h 8d 9c Ts Jh Qd Kc As Ah Ad Ac 2h 2d 2c");
  t.ResultSeat = 2;
  SceneState scene;
  scene.ChoiceShown = 1;
  scene.ChoiceTick = 5;
  Draw(23, scene);
  for (int seat = 0; seat < 5; ++seat)
    EXPECT_EQ(FaceAt(kMeldSlotRect[kOpeningSeatRow[seat]]), FaceColour(t.Stock[seat])) << seat;

  scene.ChoiceBlink = 1;
  Draw(23, scene);
  EXPECT_EQ(FaceAt(kMeldSlotRect[kOpeningSeatRow[2]]), colours::kPlace);
  EXPECT_EQ(FaceAt(kMeldSlotRect[kOpeningSeatRow[1]]), FaceColour(t.Stock[1]));

  scene.ChoiceBlink = 0;
  scene.ChoiceTick = 2;
  Draw(23, scene);
  EXPECT_EQ(FaceAt(kMeldSlotRect[kOpeningSeatRow[2]]), FaceColour(t.Stock[2]));
  EXPECT_EQ(FaceAt(kMeldSlotRect[kOpeningSeatRow[3]]), colours::kPlace);

  scene.ChoiceTick = 6;
  Draw(23, scene);
  EXPECT_EQ(FaceAt(kMeldSlotRect[kOpeningSeatRow[0]]), colours::kPlace) << "a count beyond 5 draws none";
}

TEST_F(TableSurfaceTest, CardsInFlightAreDrawnAtTheMovingSeatsPoint) {
  testing::SetRiver(t, "9h");
  t.DiscardCard = testing::Cards("Qs")[0];
  t.TurnSeat = 1;
  SceneState scene;
  scene.StockStep = 3;
  scene.StockFlight[1][3] = {600, 150};
  scene.StockFlight[0][3] = {100, 700};  // another seat's path: not used
  scene.DiscardStep = 6;
  scene.DiscardFlight[1][6] = {750, 600};
  scene.ReachStep = 0;
  scene.ReachAnimSeat = 4;
  scene.ReachFlight[4][0] = {900, 900};
  Draw(23, scene);
  EXPECT_EQ(Pixel(620, 300), kBackColour);
  EXPECT_EQ(Pixel(120, 850), colours::kPlace) << "meld row 8, not covered by another seat's card";
  EXPECT_EQ(Pixel(770, 750), FaceColour(t.DiscardCard));
  EXPECT_TRUE(testing::Near(Pixel(919, 919), qRgb(225, 180, 40), 4)) << "a gold coin flies";

  t.TurnSeat = 4;  // the human's cards never fly
  Draw(23, scene);
  EXPECT_EQ(Pixel(620, 300), colours::kFelt);
}

}  // namespace
}  // namespace tolva
