// A computer seat's choice at the start of its turn: Ron on the river card,
// Seventy, Tolva, the river card, or the stock, first match winning.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/SortedHands.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::SetRiver;

constexpr int kSeat = 1;

struct TurnActionTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};

  TurnActionTest() { t.TurnSeat = kSeat; }
  void Hand(std::string_view cards) { testing::SetSortedHand(t, kSeat, cards); }
  // Every other seat holds seven cards except `seat`, which holds `count`.
  void Smallest(int seat, int count) {
    for (int s = 0; s < kSeats; ++s)
      if (s != kSeat) t.HandCount[s] = s == seat ? count : kDealtCards;
  }
};

// --- Ron and Seventy ------------------------------------------------------------

TEST_F(TurnActionTest, RonWhenTheRiverCardCompletesFourPairs) {
  Hand("As Ah 5s 5d 9c 9h Kd");
  t.Hand[kSeat][7] = 44;  // whatever the eighth slot held before
  const auto before = t.Hand[kSeat];
  SetRiver(t, "2c Ks");
  EXPECT_EQ(think.ChooseTurnAction(), kActionRon);
  EXPECT_EQ(t.HandCount[kSeat], 7);
  EXPECT_EQ(t.Hand[kSeat], before) << "the offered card leaves no trace";
  EXPECT_EQ(t.RiverCount, 2);

  SetRiver(t, "Ks 2c");
  EXPECT_EQ(think.ChooseTurnAction(), kActionDrawStock);
  EXPECT_EQ(t.HandCount[kSeat], 7);
  EXPECT_EQ(t.Hand[kSeat], before);
}

TEST_F(TurnActionTest, RonOnlyWithSevenCardsAndARiverCard) {
  Hand("As Ah 5s 5d 9c 9h Kd");
  EXPECT_EQ(think.ChooseTurnAction(), kActionDrawStock) << "empty river";
  Hand("As Ah 5s 5d 9c Kd");
  SetRiver(t, "Ks");
  EXPECT_NE(think.ChooseTurnAction(), kActionRon) << "six cards cannot make four pairs";
  EXPECT_EQ(t.HandCount[kSeat], 6);
}

TEST_F(TurnActionTest, SevenTenPointersDeclareSeventy) {
  Hand("Ts Th Jd Jc Qs Kd Kh");
  EXPECT_EQ(think.ChooseTurnAction(), kActionSeventy);
  Hand("Ts Th Jd Jc Qs Kd Jk");
  EXPECT_NE(think.ChooseTurnAction(), kActionSeventy) << "a joker is worth nothing";
  Hand("Ts Th Jd Jc Qs Kd");
  EXPECT_NE(think.ChooseTurnAction(), kActionSeventy) << "six cards";
}

TEST_F(TurnActionTest, RonComesBeforeSeventy) {
  Hand("Ts Th Js Jh Qs Qh Kd");
  SetRiver(t, "Kc");
  EXPECT_EQ(think.ChooseTurnAction(), kActionRon);
}

// --- Tolva ----------------------------------------------------------------------

struct TolvaBoundsTest : TurnActionTest {
  // Declares at "TolvaRitu" 1 with a hand worth `points` holding `jokers`?
  bool Declares(int points, int jokers = 0) {
    Hand(testing::HandWorth(points, jokers));
    host.tolvaRate = 1;
    return think.ChooseTurnAction() == kActionTolva;
  }
};

TEST_F(TolvaBoundsTest, BoundsForThreeToSevenCardsFollowTheDeck) {
  struct Row {
    int deckSize;
    int bounds[5];  // n = 3, 4, 5, 6, 7
  };
  const Row rows[] = {{54, {3, 12, 15, 24, 28}}, {56, {2, 8, 10, 18, 21}}, {58, {1, 4, 5, 12, 14}}};
  for (const auto& row : rows) {
    t.DeckSize = row.deckSize;
    for (int n = 3; n <= 7; ++n) {
      Smallest(3, n);
      const int bound = row.bounds[n - 3];
      EXPECT_TRUE(Declares(bound - 1)) << "D " << row.deckSize << " n " << n;
      EXPECT_FALSE(Declares(bound)) << "D " << row.deckSize << " n " << n;
      // Each joker in the hand lowers the bound by one.
      EXPECT_FALSE(Declares(bound - 1, 1)) << "D " << row.deckSize << " n " << n;
      if (bound >= 2) {
        EXPECT_TRUE(Declares(bound - 2, 1)) << "D " << row.deckSize << " n " << n;
        EXPECT_FALSE(Declares(bound - 2, 2)) << "D " << row.deckSize << " n " << n;
      }
      if (bound >= 3) {
        EXPECT_TRUE(Declares(bound - 3, 2)) << "D " << row.deckSize << " n " << n;
      }
    }
  }
}

TEST_F(TolvaBoundsTest, OneJokerNeverQualifiesAgainstThreeCardsWithFiftyEight) {
  t.DeckSize = 58;
  Smallest(0, 3);
  EXPECT_FALSE(Declares(0, 1)) << "bound 1 - 1 = 0";
  EXPECT_TRUE(Declares(0, 0));
}

TEST_F(TolvaBoundsTest, TheHumanCountsAsAnOpponent) {
  Smallest(kHumanSeat, 3);
  EXPECT_TRUE(Declares(2));
  EXPECT_FALSE(Declares(3));
}

TEST_F(TolvaBoundsTest, OneOrTwoCardsNeedOthersInReach) {
  Smallest(2, 1);
  t.ReachFlag = {1, 0, 0, 0, 0};
  EXPECT_FALSE(Declares(0)) << "n 1 with only one seat in Reach";
  t.ReachFlag = {1, 1, 0, 0, 0};
  EXPECT_FALSE(Declares(0)) << "the seat's own Reach does not count";
  t.ReachFlag = {1, 0, 1, 0, 0};
  EXPECT_TRUE(Declares(0));
  EXPECT_TRUE(Declares(0, 3)) << "jokers do not lower these bounds";
  EXPECT_FALSE(Declares(1));

  Smallest(2, 2);
  t.ReachFlag = {0, 0, 0, 0, 0};
  EXPECT_FALSE(Declares(0)) << "n 2 with nobody in Reach";
  t.ReachFlag = {0, 0, 0, 0, 1};
  EXPECT_TRUE(Declares(1));
  EXPECT_FALSE(Declares(2));
}

TEST_F(TolvaBoundsTest, NeverAgainstAnEmptyHandOrMoreThanSevenCards) {
  t.ReachFlag = {1, 0, 1, 1, 1};
  Smallest(0, 0);
  EXPECT_FALSE(Declares(0));
  for (int s = 0; s < kSeats; ++s) t.HandCount[s] = kHandSlots;
  EXPECT_FALSE(Declares(0));
}

TEST_F(TurnActionTest, TheTolvaRateDecidesWithTheSeconds) {
  Hand("As 2h");  // 3 points against a smallest hand of 7: a candidate at every rate
  Smallest(0, 7);
  for (int rate : {1, 2, 3, 0, 4, 99}) {
    host.tolvaRate = rate;
    for (int seconds = 0; seconds < 60; ++seconds) {
      host.seconds = seconds;
      const bool always = rate != 2 && rate != 3;
      const int expected = always || seconds % 3 == 2 ? kActionTolva : kActionDrawStock;
      EXPECT_EQ(think.ChooseTurnAction(), expected) << "rate " << rate << " second " << seconds;
    }
  }
}

TEST_F(TurnActionTest, WithoutAClockTheMiddleAndLowRatesStillDeclare) {
  // -1 is neither 0 nor 1.
  Hand("As 2h");
  Smallest(0, 7);
  host.seconds = -1;
  for (int rate : {1, 2, 3}) {
    host.tolvaRate = rate;
    EXPECT_EQ(think.ChooseTurnAction(), kActionTolva) << rate;
  }
}

TEST_F(TurnActionTest, TolvaComesBeforeTheRiverCard) {
  Hand("As 2h");
  Smallest(0, 7);
  host.tolvaRate = 1;
  t.StrategyMode[kSeat] = kModeLowHand;
  SetRiver(t, "Ad");
  EXPECT_EQ(think.ChooseTurnAction(), kActionTolva);
  host.tolvaRate = 2;
  host.seconds = 3;
  EXPECT_EQ(think.ChooseTurnAction(), kActionTakeRiver) << "not declaring, the river test follows";
}

// --- the river card -----------------------------------------------------------------

struct RiverTest : TurnActionTest {
  int Wants(int mode, std::string_view hand, std::string_view river) {
    t.StrategyMode[kSeat] = mode;
    Hand(hand);
    SetRiver(t, river);
    return think.ChooseTurnAction();
  }
};

TEST_F(RiverTest, AnEmptyRiverMeansTheStock) {
  for (int mode : {1, 2, 3, 9}) EXPECT_EQ(Wants(mode, "As Ah Jk Ks", ""), kActionDrawStock);
}

TEST_F(RiverTest, ALowHandTakesAcesJokersAndOnOddSecondsTwos) {
  const std::string_view hand = "3s 5h 9d Kc";
  EXPECT_EQ(Wants(kModeLowHand, hand, "Ad"), kActionTakeRiver);
  EXPECT_EQ(Wants(kModeLowHand, hand, "Jk"), kActionTakeRiver);
  EXPECT_EQ(Wants(kModeLowHand, hand, "3d"), kActionDrawStock);
  EXPECT_EQ(Wants(kModeLowHand, hand, "Kd"), kActionDrawStock);
  host.seconds = 7;
  EXPECT_EQ(Wants(kModeLowHand, hand, "2d"), kActionTakeRiver);
  host.seconds = 8;
  EXPECT_EQ(Wants(kModeLowHand, hand, "2d"), kActionDrawStock);
  host.seconds = -1;
  EXPECT_EQ(Wants(kModeLowHand, hand, "2d"), kActionDrawStock) << "no clock: an even flip";
}

TEST_F(RiverTest, TenPointerCollectorsTakeTensButNoJoker) {
  const std::string_view hand = "3s Ts Jh Qd Kc";
  EXPECT_EQ(Wants(kModeTenPointers, hand, "Td"), kActionTakeRiver);
  EXPECT_EQ(Wants(kModeTenPointers, hand, "Kd"), kActionTakeRiver);
  EXPECT_EQ(Wants(kModeTenPointers, hand, "9d"), kActionDrawStock);
  EXPECT_EQ(Wants(kModeTenPointers, hand, "Jk"), kActionDrawStock);
}

TEST_F(RiverTest, PairCollectorsTakeARankTheyHoldOrAJoker) {
  const std::string_view hand = "3s 7h 9d Kc Jk";
  EXPECT_EQ(Wants(kModePairs, hand, "7d"), kActionTakeRiver);
  EXPECT_EQ(Wants(kModePairs, hand, "J55"), kActionTakeRiver);
  EXPECT_EQ(Wants(kModePairs, hand, "8d"), kActionDrawStock);
  EXPECT_EQ(Wants(kModePairs, hand, "Ad"), kActionDrawStock) << "a joker in hand matches no rank";
}

TEST_F(RiverTest, TheDefaultPlanTakesNeighboursAndRanksItHolds) {
  const std::string_view hand = "As 7h 9d Jk";
  const int mode = kModeShedHigh;
  EXPECT_EQ(Wants(mode, hand, "7d"), kActionTakeRiver) << "same rank";
  EXPECT_EQ(Wants(mode, hand, "8h"), kActionTakeRiver) << "one code above";
  EXPECT_EQ(Wants(mode, hand, "6h"), kActionTakeRiver) << "one code below";
  EXPECT_EQ(Wants(mode, hand, "Ks"), kActionTakeRiver) << "twelve codes apart: King and Ace";
  EXPECT_EQ(Wants(mode, hand, "J55"), kActionTakeRiver) << "a joker";
  EXPECT_EQ(Wants(mode, hand, "5h"), kActionDrawStock) << "two codes apart";
  EXPECT_EQ(Wants(mode, "3s 7h Jk", "Ad"), kActionDrawStock) << "a joker in hand matches no rank";
  EXPECT_EQ(Wants(mode, "3s 7h Jk", "Kc"), kActionDrawStock) << "King of clubs beside joker codes";
}

TEST_F(RiverTest, TheTakenCardDoesNotChangeTheTable) {
  ASSERT_EQ(Wants(kModeShedHigh, "As 7h 9d Jk", "7d"), kActionTakeRiver);
  const TableState before = t;
  think.ChooseTurnAction();
  EXPECT_EQ(t.River, before.River);
  EXPECT_EQ(t.Hand, before.Hand);
  EXPECT_EQ(t.HandCount, before.HandCount);
  EXPECT_EQ(t.StrategyMode, before.StrategyMode);
}

TEST_F(TurnActionTest, ASeatOutOfRangeDrawsFromTheStock) {
  t.TurnSeat = -1;
  EXPECT_EQ(think.ChooseTurnAction(), kActionDrawStock);
  t.TurnSeat = 5;
  EXPECT_EQ(think.ChooseTurnAction(), kActionDrawStock);
}

}  // namespace
}  // namespace tolva
