// Pon and Kan for the computer seats and the human, and the Tolva judgement.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "rules/Invariant.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::Cards;
using testing::HandOf;
using testing::MeldOf;
using testing::SetHand;
using testing::SetMeld;
using testing::SetRiver;

struct CallsTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};
  int Card(std::string_view name) { return Cards(name)[0]; }
};

TEST_F(CallsTest, CountForCallTellsPonFromKan) {
  SetHand(t, 1, "5s 5h 9d Kc Jk");
  EXPECT_EQ(think.CountForCall(1, Card("5d")), 1) << "two of the rank: Pon";
  SetHand(t, 1, "5s 5h 5c Kc Jk");
  EXPECT_EQ(think.CountForCall(1, Card("5d")), 2) << "three of the rank: Kan";
  SetHand(t, 1, "5s 5h 5c 5d Jk");
  EXPECT_EQ(think.CountForCall(1, Card("5d")), 0) << "four of the rank: neither";
  SetHand(t, 1, "9s 5h Jk Kc");
  EXPECT_EQ(think.CountForCall(1, Card("5d")), 0) << "a single: neither";
}

TEST_F(CallsTest, JokersAndSmallHandsCannotCall) {
  SetHand(t, 1, "Jk Jk 5s 5h");
  EXPECT_EQ(think.CountForCall(1, 55), 0) << "a joker cannot be called";
  SetHand(t, 1, "5s 5h Kc");
  EXPECT_EQ(think.CountForCall(1, Card("5d")), 0) << "three cards are too few";
  SetHand(t, 1, "5s 5h 5c");
  EXPECT_EQ(think.CountForCall(1, Card("5d")), 0);
}

TEST_F(CallsTest, JokersDoNotCountAsPartners) {
  // Code 53 has the rank index of an ace if read naively; it must not count.
  SetHand(t, 1, "As Jk Jk 9c Kd");
  EXPECT_EQ(think.CountForCall(1, Card("Ah")), 0);
}

TEST_F(CallsTest, ChooseCallAlwaysCallsWhenItCan) {
  SetHand(t, 2, "5s 5h 9d Kc Jk");
  EXPECT_EQ(think.ChooseCall(2), kNoCall) << "empty river";
  SetRiver(t, "9c 5d");
  EXPECT_EQ(think.ChooseCall(2), kCallPon);
  SetHand(t, 2, "5s 5h 5c Kc Jk");
  EXPECT_EQ(think.ChooseCall(2), kCallKan);
  SetRiver(t, "5d 9c");
  EXPECT_EQ(think.ChooseCall(2), kNoCall);
}

TEST_F(CallsTest, ComputerPonLaysTheRiverCardFirstInTheFirstFreeRow) {
  SetHand(t, 0, "2s 5s 5h 5c 9d Kc Jk");
  SetRiver(t, "9c 5d");
  SetMeld(t, 0, "As Ah Ad");
  ASSERT_EQ(think.ComputerCall(0, 1), 1);
  EXPECT_EQ(MeldOf(t, 1), Cards("5d 5s 5h")) << "river card, then the first two of the rank";
  EXPECT_EQ(HandOf(t, 0), Cards("2s 5c 9d Kc Jk"));
  EXPECT_EQ(t.RiverCount, 1);
  EXPECT_EQ(t.River[1], kEmptySlot);
  EXPECT_EQ(host.fullRedraws, 1);
}

TEST_F(CallsTest, ComputerKanTakesThreeFromTheHand) {
  SetHand(t, 3, "5s 5h 5c 9d Kc Jk Jk");
  SetRiver(t, "5d");
  ASSERT_EQ(think.ComputerCall(3, 0), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("5d 5s 5h 5c"));
  EXPECT_EQ(HandOf(t, 3), Cards("9d Kc Jk Jk"));
  EXPECT_EQ(t.RiverCount, 0);
}

TEST_F(CallsTest, ComputerCallWithoutTheCardsChangesNothing) {
  SetHand(t, 3, "5s 9h 9c 9d Kc Jk Jk");
  SetRiver(t, "5d");
  EXPECT_EQ(think.ComputerCall(3, 1), 0);
  EXPECT_EQ(think.ComputerCall(3, 0), 0);
  EXPECT_EQ(t.RiverCount, 1);
  EXPECT_EQ(t.HandCount[3], 7);
  SetRiver(t, "");
  EXPECT_EQ(think.ComputerCall(3, 1), 0) << "empty river";
}

TEST_F(CallsTest, WithEveryRowTakenNoCallLosesAnyCard) {
  // The row is looked for first: nothing leaves the hand or the river.
  for (int row = 0; row < kMeldRows; ++row) t.MeldLength[row] = 3;
  SetHand(t, 0, "5s 5h 9d Kc Jk");
  SetHand(t, kHumanSeat, "5c 5h 9d Kc Jk");
  SetRiver(t, "5d");
  EXPECT_EQ(think.ChooseCall(0), kNoCall) << "a call with no row for its meld is not chosen";
  EXPECT_EQ(think.ComputerCall(0, 1), 0);
  think.HumanCall(1);
  EXPECT_EQ(t.RiverCount, 1);
  EXPECT_EQ(t.HandCount[0], 5);
  EXPECT_EQ(t.HandCount[kHumanSeat], 5);
}

TEST_F(CallsTest, HumanPonTakesTheCardsOfTheRankAndBecomesTheCurrentSeat) {
  SetHand(t, kHumanSeat, "2s 5s 9d 5h Kc Jk 5c");
  t.Selected = {1, 0, 0, 0, 0, 1, 0, 0};
  SetRiver(t, "5d");
  t.TurnSeat = 1;
  think.HumanCall(1);
  EXPECT_EQ(MeldOf(t, 0), Cards("5d 5s 5h"));
  EXPECT_EQ(HandOf(t, kHumanSeat), Cards("2s 9d Kc Jk 5c"));
  EXPECT_EQ(t.Selected[0], 1) << "marks moved with their cards";
  EXPECT_EQ(t.Selected[3], 1);
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  EXPECT_EQ(host.timerRecordClears, 1);
}

TEST_F(CallsTest, HumanPonSelectionUsesTheMarkedCards) {
  SetHand(t, kHumanSeat, "5s 5h 9d 5c Kc Jk");
  t.PonSelect = 1;
  t.Selected = {0, 1, 0, 1, 0, 0, 0, 0};
  SetRiver(t, "5d");
  think.HumanCall(1);
  EXPECT_EQ(MeldOf(t, 0), Cards("5d 5h 5c"));
  EXPECT_EQ(HandOf(t, kHumanSeat), Cards("5s 9d Kc Jk"));
  EXPECT_EQ(think.CountSelected(), 0) << "the marks left with their cards";
}

TEST_F(CallsTest, HumanKanTakesThree) {
  SetHand(t, kHumanSeat, "5s 5h 9d 5c Kc Jk Jk");
  SetRiver(t, "5d");
  think.HumanCall(0);
  EXPECT_EQ(MeldOf(t, 0), Cards("5d 5s 5h 5c"));
  EXPECT_EQ(t.HandCount[kHumanSeat], 4);
}

TEST_F(CallsTest, CallsConserveTheCards) {
  SetHand(t, 0, "5s 5h 9d Kc Jk 2s 3s");
  SetHand(t, kHumanSeat, "5c 6h 9s Ks 2h 3h 4h");
  SetRiver(t, "5d");
  testing::DealTheRest(t);
  ASSERT_EQ(CheckCardConservation(t), "") << "setup";
  ASSERT_EQ(think.ComputerCall(0, 1), 1);
  EXPECT_EQ(CheckCardConservation(t), "");
}

TEST_F(CallsTest, TolvaSucceedsOnlyWhenEveryOtherHandIsHigher) {
  SetHand(t, 0, "As 2s");      // 3 points
  SetHand(t, 1, "Ks");         // 10
  SetHand(t, 2, "4h");         // 4
  SetHand(t, 3, "9d 9c");      // 18
  SetHand(t, 4, "Qd Jk");      // 10
  EXPECT_EQ(think.JudgeTolva(0), 1);
  EXPECT_EQ(t.ResultKind, kTolvaSucceeded);
  EXPECT_EQ(t.ResultSeat, 0);
  EXPECT_EQ(t.TolvaMark, (TableState::Ints<kSeats>{0, 0, 0, 0, 0}));
}

TEST_F(CallsTest, TolvaFailsOnEqualPointsAndMarksEveryoneNotHigher) {
  SetHand(t, 0, "3s Jk");  // 3
  SetHand(t, 1, "2s");     // 2
  SetHand(t, 2, "Ks");     // 10
  SetHand(t, 3, "3h");     // 3 (declarer)
  SetHand(t, 4, "As 2h");  // 3
  EXPECT_EQ(think.JudgeTolva(3), 0);
  EXPECT_EQ(t.ResultKind, kTolvaFailed);
  EXPECT_EQ(t.ResultSeat, 3);
  EXPECT_EQ(t.TolvaMark, (TableState::Ints<kSeats>{1, 1, 0, 0, 1}));
}

}  // namespace
}  // namespace tolva
