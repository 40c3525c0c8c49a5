// Hand bookkeeping: sorted inserts, removals carrying the human's marks, points.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::Cards;
using testing::HandOf;
using testing::SetHand;

struct HandsTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};
};

TEST_F(HandsTest, InsertKeepsAComputerHandSortedByCode) {
  SetHand(t, 1, "3s 9s 4h Kd");  // codes 3, 9, 17, 39
  think.InsertIntoHand(1, Cards("5h")[0]);
  EXPECT_EQ(HandOf(t, 1), Cards("3s 9s 4h 5h Kd"));
  think.InsertIntoHand(1, Cards("As")[0]);
  EXPECT_EQ(HandOf(t, 1).front(), Cards("As")[0]) << "smaller than all goes to slot 0";
  think.InsertIntoHand(1, 54);
  EXPECT_EQ(HandOf(t, 1).back(), 54) << "larger than all is appended";
  EXPECT_EQ(t.HandCount[1], 7);
}

TEST_F(HandsTest, InsertIntoAFullHandIsIgnored) {
  SetHand(t, 0, "As 2s 3s 4s 5s 6s 7s 8s");
  think.InsertIntoHand(0, 9);
  EXPECT_EQ(t.HandCount[0], 8);
}

TEST_F(HandsTest, RemovingAHumanCardMovesTheMarksAlong) {
  SetHand(t, kHumanSeat, "As 2s 3s 4s");
  t.Selected = {0, 0, 1, 1, 0, 0, 0, 0};
  think.RemoveFromHand(kHumanSeat, 1);
  EXPECT_EQ(HandOf(t, kHumanSeat), Cards("As 3s 4s"));
  EXPECT_EQ(t.Selected[0], 0);
  EXPECT_EQ(t.Selected[1], 1);
  EXPECT_EQ(t.Selected[2], 1);
  EXPECT_EQ(t.Selected[3], 0) << "the vacated last slot carries no mark";
  EXPECT_EQ(think.CountSelected(), 2);
}

TEST_F(HandsTest, RemovingOutsideTheHandChangesNothing) {
  SetHand(t, 2, "As 2s");
  think.RemoveFromHand(2, 2);
  think.RemoveFromHand(2, -1);
  EXPECT_EQ(HandOf(t, 2), Cards("As 2s"));
}

TEST_F(HandsTest, CountSelectedLooksOnlyAtValidSlots) {
  SetHand(t, kHumanSeat, "As 2s 3s");
  t.Selected = {1, 0, 1, 1, 1, 0, 0, 0};  // stale marks beyond the hand
  EXPECT_EQ(think.CountSelected(), 2);
}

TEST_F(HandsTest, PointsCountAcesOneCourtsTenJokersNothing) {
  SetHand(t, 3, "As 9h Td Jc Qs Kh Jk");
  EXPECT_EQ(think.HandPoints(3), 1 + 9 + 10 + 10 + 10 + 10 + 0);
  SetHand(t, 3, "");
  EXPECT_EQ(think.HandPoints(3), 0);
}

}  // namespace
}  // namespace tolva
