// The four-pair winning hand and the Reach hand.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::SetHand;

struct WinningTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};

  int Wins(std::string_view cards) {
    SetHand(t, 2, cards);
    return think.IsWinningHand(2);
  }
  int Reach(std::string_view cards) {
    SetHand(t, 2, cards);
    return think.IsReachHand(2);
  }
};

TEST_F(WinningTest, FourPairsOfFourRanksWin) {
  EXPECT_EQ(Wins("As Ah 5s 5d 9c 9h Kd Ks"), 1);
}

TEST_F(WinningTest, JokersStandInForMissingPartners) {
  EXPECT_EQ(Wins("Jk Jk Jk Jk 2s 5h 9d Kc"), 1) << "four jokers and four singles";
  EXPECT_EQ(Wins("As Ah 5s 5d Jk Jk 9c Kd"), 1) << "two pairs, two jokers, two singles";
  EXPECT_EQ(Wins("As Ah 5s 5d 9c 9h Jk Kd"), 1) << "three pairs, a joker and a single";
  EXPECT_EQ(Wins("As Ah 5s 5d 9c 9h Jk Jk"), 1) << "three pairs and two jokers";
}

TEST_F(WinningTest, TooFewPairsAndJokersDoNotWin) {
  EXPECT_EQ(Wins("As Ah 5s 5d 9c 9h Kd Qc"), 0) << "three pairs and two singles";
  EXPECT_EQ(Wins("As Ah 5s 5d Jk 9c Kd Qc"), 0) << "two pairs, one joker, three singles";
}

TEST_F(WinningTest, ThreeOrFourOfARankNeverWin) {
  EXPECT_EQ(Wins("5s 5h 5d Jk Jk Jk Jk 2c"), 0) << "three 5s, whatever the jokers";
  EXPECT_EQ(Wins("5s 5h 5d 5c 9s 9h Kd Kc"), 0) << "four of a kind are not two pairs";
}

TEST_F(WinningTest, OnlyAnEightCardHandCanWin) {
  EXPECT_EQ(Wins("As Ah 5s 5d 9c 9h Jk"), 0);
}

TEST_F(WinningTest, ReachHandsAreOneCardFromFourPairs) {
  EXPECT_EQ(Reach("As Ah 5s 5d 9c 9h Kd"), 1) << "three pairs and a single";
  EXPECT_EQ(Reach("As Ah 5s 5d Jk 9c Kd"), 1) << "two pairs, a joker, two singles";
  EXPECT_EQ(Reach("As Ah 5s 5d 9c Kd Qh"), 0) << "two pairs and three singles";
  EXPECT_EQ(Reach("As Ah Ad 5d Jk Jk Jk"), 0) << "a triple spoils it";
  EXPECT_EQ(Reach("As Ah 5s 5d 9c 9h Kd Kc"), 0) << "only a seven-card hand";
}

}  // namespace
}  // namespace tolva
