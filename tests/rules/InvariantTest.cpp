// The card-conservation check must find every kind of fault it guards against.
#include <gtest/gtest.h>

#include "rules/Deal.h"
#include "rules/Invariant.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

struct InvariantTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  void SetUp() override { ShuffleAndDeal(t, 99); }
};

TEST_F(InvariantTest, AFreshDealIsConsistent) { EXPECT_EQ(CheckCardConservation(t), ""); }

TEST_F(InvariantTest, ALostCardIsFound) {
  --t.StockCount;
  EXPECT_NE(CheckCardConservation(t).find("nowhere"), std::string::npos);
}

TEST_F(InvariantTest, ACardInFlightIsAccountedFor) {
  const int card = t.Stock[--t.StockCount];
  const int inFlight[] = {card};
  EXPECT_EQ(CheckCardConservation(t, inFlight), "");
}

TEST_F(InvariantTest, ADuplicatedCardIsFound) {
  t.River[0] = t.Hand[0][0];
  t.RiverCount = 1;
  EXPECT_NE(CheckCardConservation(t).find("both in"), std::string::npos);
}

TEST_F(InvariantTest, CountsOutOfRangeAreFaults) {
  t.HandCount[2] = 9;
  EXPECT_NE(CheckCardConservation(t), "");
  t.HandCount[2] = 7;
  t.MeldLength[4] = 20;
  EXPECT_NE(CheckCardConservation(t), "");
}

TEST_F(InvariantTest, ForeignCodesAreFaults) {
  t.Hand[1][0] = 57;  // a joker code beyond a 54-card deck
  EXPECT_NE(CheckCardConservation(t).find("not a card"), std::string::npos);
}

TEST_F(InvariantTest, DraggedCardsCountAsInFlight) {
  t.Dragged[0] = t.Hand[4][6];
  t.DraggedCount = 1;
  t.HandCount[4] = 6;
  EXPECT_EQ(CheckCardConservation(t), "");
}

}  // namespace
}  // namespace tolva
