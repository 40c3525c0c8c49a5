// The computer seats' plan for the game: low hand, ten-pointers, pairs or the
// default, with bounds that tighten as the deck holds more jokers.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/SortedHands.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

struct StrategyPlanTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};

  int Plan(std::string_view cards, int deckSize = 54) {
    t.DeckSize = deckSize;
    testing::SetSortedHand(t, 2, cards);
    t.StrategyMode[2] = 0;
    think.PlanStrategy(2);
    return t.StrategyMode[2];
  }
};

struct PointBound {
  int deckSize;
  std::string_view atBound;     // exactly the bound
  std::string_view aboveBound;  // one point more, no pairs, at most one joker
};

TEST_F(StrategyPlanTest, SevenCardsAtThePointBoundPlanALowHand) {
  const PointBound bounds[] = {
      {54, "As 2h 3d 4c 6s 9h Kd", "As 2h 3d 4c 7s 9h Kd"},  // 35 / 36
      {56, "As 2h 3d 4c 5s 6h 7d", "As 2h 3d 4c 5s 6h 8d"},  // 28 / 29
      {58, "As 2h 3d 4c 5s 6h Jk", "As 2h 3d 4c 5s 7h Jk"},  // 21 / 22
  };
  for (const auto& b : bounds) {
    EXPECT_EQ(Plan(b.atBound, b.deckSize), kModeLowHand) << b.deckSize;
    EXPECT_EQ(Plan(b.aboveBound, b.deckSize), kModeShedHigh) << b.deckSize;
  }
}

TEST_F(StrategyPlanTest, EightCardsUseTheSamePointBound) {
  EXPECT_EQ(Plan("As Ah 2s 2h 5d 4c Qs Kd"), kModeLowHand) << "35 points";
  EXPECT_EQ(Plan("As Ah 2s 2h 6d 4c Qs Kd"), kModePairs) << "36 points, two pairs";
  EXPECT_EQ(Plan("As Ah 2s 2h 3d 4c 5s Jk", 58), kModeLowHand) << "19 points";
}

TEST_F(StrategyPlanTest, SmallHandsAreJudgedByTheirAverageRoundedDown) {
  // Six cards: the average bound is 5, 4 or 3.
  EXPECT_EQ(Plan("As 2h 3d 4c Kd Ks", 54), kModeLowHand) << "30 / 6 = 5";
  EXPECT_EQ(Plan("As 2h 3d 9c Kd Ks", 54), kModeLowHand) << "35 / 6 = 5.8 counts as 5";
  EXPECT_EQ(Plan("As 2h 3d Tc Kd Ks", 54), kModeShedHigh) << "36 / 6 = 6";
  EXPECT_EQ(Plan("As 2h 3d 4c 4s Ks", 56), kModeLowHand) << "24 / 6 = 4";
  EXPECT_EQ(Plan("As 2h 3d 4c Ks Kd", 56), kModeShedHigh) << "30 / 6 = 5";
  EXPECT_EQ(Plan("As 2h 3d 4c 8s Jk", 58), kModeLowHand) << "18 / 6 = 3";
  EXPECT_EQ(Plan("As 2h 3d 4c Ks Jk", 58), kModeLowHand) << "20 / 6 = 3.3 counts as 3";
  EXPECT_EQ(Plan("As 2h 3d 4c Ks Kh", 58), kModeShedHigh) << "30 / 6 = 5";
  EXPECT_EQ(Plan("Ks Qh 2d", 56), kModeShedHigh) << "22 / 3 = 7";
  EXPECT_EQ(Plan("Ks 2d", 54), kModeShedHigh) << "12 / 2 = 6";
  EXPECT_EQ(Plan("Ks", 54), kModeShedHigh) << "one card: 10";
  EXPECT_EQ(Plan("5s", 54), kModeLowHand) << "one card: 5";
}

TEST_F(StrategyPlanTest, SmallHandsNeverPlanTenPointersOrPairs) {
  EXPECT_EQ(Plan("Ts Th Jd Jc Qs Kd"), kModeShedHigh) << "six ten-pointers, three pairs";
  EXPECT_EQ(Plan("9s 9h Td Tc Jk Jk"), kModeShedHigh) << "pairs and jokers, average 6";
}

TEST_F(StrategyPlanTest, AnEmptyHandCountsAsLow) {
  EXPECT_EQ(Plan(""), kModeLowHand) << "no division by zero";
}

TEST_F(StrategyPlanTest, FiveTenPointersAboveTheBoundCollectForSeventy) {
  EXPECT_EQ(Plan("Ts Jh Qd Kc Th As 2d"), kModeTenPointers);
  EXPECT_EQ(Plan("Ts Th Jd Jc Qs As 2s"), kModeTenPointers) << "before the two pairs";
  EXPECT_EQ(Plan("Ts Jh Qd Kc 9h 8s 2d"), kModeShedHigh) << "four ten-pointers, no pair";
}

TEST_F(StrategyPlanTest, PairsAndJokersAboveTheBoundCollectPairs) {
  EXPECT_EQ(Plan("5s 5h 9d 9c Kd Qs 2h"), kModePairs) << "two pairs";
  EXPECT_EQ(Plan("5s 5h 9d Kd Qs Th Jk"), kModePairs) << "one pair and one joker";
  EXPECT_EQ(Plan("5s 8h 9d Kd Qs Jk Jk"), kModePairs) << "two jokers, no pair";
  EXPECT_EQ(Plan("5s 8h 9d Kd Qs 7c Jk"), kModeShedHigh) << "one joker, no pair";
  EXPECT_EQ(Plan("5s 5h 9d 8c Kd Qs 7c"), kModeShedHigh) << "one pair, no joker";
  EXPECT_EQ(Plan("5s 5h 5d 9c Kd Qs 8h"), kModeShedHigh) << "three of a rank are no pair";
}

TEST_F(StrategyPlanTest, ALowHandComesBeforePairs) {
  EXPECT_EQ(Plan("As Ah 2s 2h 3d 3c 4s"), kModeLowHand);
}

TEST_F(StrategyPlanTest, OnlyComputerSeatsArePlanned) {
  testing::SetSortedHand(t, kHumanSeat, "As 2h");
  think.PlanStrategy(kHumanSeat);
  think.PlanStrategy(-1);
  think.PlanStrategy(7);
  EXPECT_EQ(t.StrategyMode, (TableState::Ints<kComputerSeats>{9, 9, 9, 9}));
}

}  // namespace
}  // namespace tolva
