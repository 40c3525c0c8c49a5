// A computer seat attaching single cards to the rows already out, and the
// default plan's wish for a river card that fits one. These go through the
// meld validation's CanAttachToMeld and the attachment ExposeSelection uses.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "rules/Invariant.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/SortedHands.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::Cards;
using testing::HandOf;
using testing::MeldOf;
using testing::SetMeld;

constexpr int kSeat = 0;

struct AttachTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};

  AttachTest() { t.TurnSeat = kSeat; }
  void Hand(std::string_view cards) { testing::SetSortedHand(t, kSeat, cards); }
};

TEST_F(AttachTest, TheWalkLeavesTheCardThatMovesUpForTheNextCall) {
  SetMeld(t, 0, "5s 6s 7s");
  Hand("4s 8s 9h Kd");
  EXPECT_EQ(think.ExposeFromHand(), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("4s 5s 6s 7s"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("8s 9h Kd")) << "8s slid into the freed place and waits";

  EXPECT_EQ(think.ExposeFromHand(), 1);
  EXPECT_EQ(MeldOf(t, 4), Cards("4s 5s 6s 7s 8s")) << "five cards move to the middle rows";
  EXPECT_EQ(t.MeldLength[0], 0);
  EXPECT_EQ(HandOf(t, kSeat), Cards("9h Kd"));

  EXPECT_EQ(think.ExposeFromHand(), 0);
  EXPECT_TRUE(host.waves.empty());
  EXPECT_TRUE(host.messages.empty()) << "a computer seat's refusals show nothing";
}

TEST_F(AttachTest, ASetTakesItsRank) {
  SetMeld(t, 2, "9c 9d 9h");
  Hand("2s 9s Kd");
  EXPECT_EQ(think.ExposeFromHand(), 1);
  EXPECT_EQ(MeldOf(t, 2), Cards("9c 9d 9h 9s"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("2s Kd"));
}

TEST_F(AttachTest, ThreeCardsOrFewerOnlyAttach) {
  SetMeld(t, 0, "6h 7h 8h");
  Hand("3h 4h 5h");
  EXPECT_EQ(think.ExposeFromHand(), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("5h 6h 7h 8h"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("3h 4h"));
}

TEST_F(AttachTest, JokersStayInTheHand) {
  SetMeld(t, 0, "5s 6s Jk");
  Hand("3h 8d J54");
  EXPECT_EQ(think.ExposeFromHand(), 0);
  EXPECT_EQ(HandOf(t, kSeat), Cards("3h 8d J54"));
}

TEST_F(AttachTest, ARowThatCannotGrowIsPassedForTheNextThatFits) {
  // Row 0 would take the 4 of spades, but a fifth card needs a larger row and
  // rows 4 to 9 are all taken.
  SetMeld(t, 0, "5s 6s 7s 8s");
  SetMeld(t, 1, "4h 4d 4c");
  const char* full[] = {"Ah Ad Ac", "2h 2d 2c", "3h 3d 3c", "6h 6d 6c", "Th Td Tc", "Jh Jd Jc"};
  for (int row = 4; row < kMeldRows; ++row) SetMeld(t, row, full[row - 4]);
  Hand("4s 9h Kd");
  EXPECT_EQ(think.ExposeFromHand(), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("5s 6s 7s 8s"));
  EXPECT_EQ(MeldOf(t, 1), Cards("4h 4d 4c 4s"));
}

TEST_F(AttachTest, TheLastCardIsKeptForTheDiscard) {
  SetMeld(t, 0, "5s 6s 7s");
  Hand("4s 8s");
  EXPECT_EQ(think.ExposeFromHand(), 1);
  EXPECT_EQ(HandOf(t, kSeat), Cards("8s"));
  EXPECT_EQ(think.ExposeFromHand(), 0);
  EXPECT_EQ(HandOf(t, kSeat), Cards("8s"));
}

TEST_F(AttachTest, TheHumansSelectionIsLeftAlone) {
  SetMeld(t, 0, "5s 6s 7s");
  Hand("4s 9h Kd");
  t.Dragged[0] = kEmptySlot;
  EXPECT_EQ(think.ExposeFromHand(), 1);
  EXPECT_EQ(t.DraggedCount, 0);
  EXPECT_EQ(t.Dragged[0], kEmptySlot);
}

TEST_F(AttachTest, AttachmentsKeepEveryCardInOnePlace) {
  SetMeld(t, 0, "5s 6s 7s");
  SetMeld(t, 1, "9c 9d 9h");
  Hand("3s 4s 8s 9s Kd Jk");
  testing::DealTheRest(t);
  for (int call = 0; call < 7 && t.HandCount[kSeat] > 1; ++call) {
    if (think.ExposeFromHand() == 0) break;
    EXPECT_TRUE(testing::IsSortedHand(t, kSeat));
    EXPECT_EQ(CheckCardConservation(t), "");
  }
  EXPECT_EQ(MeldOf(t, 2), Cards("3s 4s Jk")) << "first the joker run";
  EXPECT_EQ(MeldOf(t, 4), Cards("5s 6s 7s 8s 9s")) << "then one card per call";
  EXPECT_EQ(HandOf(t, kSeat), Cards("Kd"));
}

TEST_F(AttachTest, TheDefaultPlanTakesARiverCardThatFitsARow) {
  SetMeld(t, 0, "5s 6s 7s");
  Hand("2h 9d Jc");
  testing::SetRiver(t, "8s");
  EXPECT_EQ(think.ChooseTurnAction(), kActionTakeRiver);
  testing::SetRiver(t, "8h");
  EXPECT_EQ(think.ChooseTurnAction(), kActionDrawStock);
}

}  // namespace
}  // namespace tolva
