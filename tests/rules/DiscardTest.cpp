// The computer seats' discards: the ordinary choice by plan (re-planned first),
// never the card just taken from the river, and the discard that declares Reach.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "rules/CardText.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/SortedHands.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::Cards;

constexpr int kSeat = 3;
constexpr int kMayDiscard = 1;
constexpr int kFromRiver = 0;

struct DiscardTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};

  DiscardTest() { t.TurnSeat = kSeat; }
  int Card(std::string_view name) { return Cards(name)[0]; }
  // Jokers by code ("J54"), so that the answer tells which joker goes.
  static std::string Name(int code) {
    return IsJoker(code) ? "J" + std::to_string(code) : CardName(code);
  }
  // The card the seat discards from `hand`, after `taken` came in.
  std::string Discards(std::string_view hand, std::string_view taken = "", int may = kMayDiscard) {
    testing::SetSortedHand(t, kSeat, hand);
    const int takenCode = taken.empty() ? kEmptySlot : Card(taken);
    const int index = think.ChooseDiscard(takenCode, may);
    if (index < 0 || index >= t.HandCount[kSeat]) return "index " + std::to_string(index);
    return Name(t.Hand[kSeat][index]);
  }
};

TEST_F(DiscardTest, AOneCardHandDiscardsItWithoutReplanning) {
  t.StrategyMode[kSeat] = kModeTenPointers;
  testing::SetSortedHand(t, kSeat, "As");
  EXPECT_EQ(think.ChooseDiscard(Card("As"), kFromRiver), 0);
  EXPECT_EQ(t.StrategyMode[kSeat], kModeTenPointers);
}

TEST_F(DiscardTest, ThePlanIsMadeAgainFirst) {
  t.StrategyMode[kSeat] = kModeTenPointers;
  EXPECT_EQ(Discards("As 2h 3d 4c 5s 6h Jk 7d"), "7d") << "a low hand sheds its highest";
  EXPECT_EQ(t.StrategyMode[kSeat], kModeLowHand);
}

// --- low hand and the default: the highest rank goes ---------------------------------

TEST_F(DiscardTest, TheHighestRankGoesTheLastOfEquals) {
  EXPECT_EQ(Discards("Ks 5h Kd 9c Jk"), "Kd");  // average 6.8: the default plan
  EXPECT_EQ(t.StrategyMode[kSeat], kModeShedHigh);
  EXPECT_EQ(Discards("Th Jd Qc 9s 8h 2d"), "Qc") << "Queen above Jack above 10";
  EXPECT_EQ(Discards("Th Ts 9c 9h 2d"), "Th") << "equal tens: the last in hand order";
  EXPECT_EQ(Discards("As 2h 3d 4c 5s 6h Jk"), "6h") << "low hand";
}

TEST_F(DiscardTest, TheCardTakenFromTheRiverStays) {
  EXPECT_EQ(Discards("Ks 5h Kd 9c Jk", "Kd", kFromRiver), "Ks");
  EXPECT_EQ(Discards("Ks 5h 9c 8d Jk", "Ks", kFromRiver), "9c");
  EXPECT_EQ(Discards("Ks 5h Kd 9c Jk", "Kd", kMayDiscard), "Kd") << "a stock card may go";
}

TEST_F(DiscardTest, WithOnlyJokersLeftPositionZeroGoes) {
  EXPECT_EQ(Discards("Jk Jk Jk"), "J53");
  EXPECT_EQ(Discards("Ks Jk Jk", "Ks", kFromRiver), "Ks") << "position 0, taken or not";
}

// --- ten-pointers: the lowest card below ten goes ---------------------------------------

TEST_F(DiscardTest, TenPointerCollectorsShedTheLowestNonTen) {
  const std::string_view hand = "3h 7s Ts Jh Qd Kc Td Jk";  // 60 points, five ten-pointers
  EXPECT_EQ(Discards(hand), "3h");
  EXPECT_EQ(t.StrategyMode[kSeat], kModeTenPointers);
  EXPECT_EQ(Discards(hand, "3h", kFromRiver), "7s");
  EXPECT_EQ(Discards("3h 3s Ts Jh Qd Kc Td 9c"), "3s") << "equal ranks: the first in hand order";
  EXPECT_EQ(Discards("9c Ts Jh Qd Kc Td Js"), "9c") << "a nine is below ten";
}

TEST_F(DiscardTest, TenPointerCollectorsShedTheLastJokerThenPositionZero) {
  EXPECT_EQ(Discards("Ts Jh Qd Kc Td Jk Jk"), "J54");
  EXPECT_EQ(Discards("Ts Jh Qd Kc Td Jk Jk", "J54", kFromRiver), "J53");
  EXPECT_EQ(Discards("Ts Jh Qd Kc Td Js Qh"), "Ts");
}

// --- pairs: the first single goes -------------------------------------------------------

TEST_F(DiscardTest, PairCollectorsShedTheFirstSingle) {
  const std::string_view hand = "5s 5h 9d 9c Kd Qs 2h";  // sorted: 5s Qs 2h 5h 9d Kd 9c
  EXPECT_EQ(Discards(hand), "Qs");
  EXPECT_EQ(t.StrategyMode[kSeat], kModePairs);
  EXPECT_EQ(Discards(hand, "Qs", kFromRiver), "2h");
  EXPECT_EQ(Discards("5s 5h 9d 9c Kd Ks Jk Jk"), "5s") << "no single: position 0";
  EXPECT_EQ(Discards("5s 5h 5d 9c Kd Ks 2h Jk"), "2h") << "three of a rank are no single";
}

// --- the Reach discard --------------------------------------------------------------------

struct ReachDiscardTest : DiscardTest {
  std::string Reach(std::string_view hand) {
    testing::SetSortedHand(t, kSeat, hand);
    const int index = think.ChooseReachDiscard(kSeat);
    return index < 0 ? "none" : Name(t.Hand[kSeat][index]);
  }
};

TEST_F(ReachDiscardTest, OneCardFromFourPairsForEachJokerCount) {
  EXPECT_EQ(Reach("As Ah 5s 5d 9c 9h Kd 2c"), "Kd") << "no joker, three pairs";
  EXPECT_EQ(Reach("As Ah 5s 5d 9c Kd 2c Jk"), "Kd") << "one joker, two pairs";
  EXPECT_EQ(Reach("As Ah 5s 9c Kd 2c Jk Jk"), "5s") << "two jokers, one pair";
  EXPECT_EQ(Reach("As 5s 9c Kd 2c Jk Jk Jk"), "As") << "three jokers";
  EXPECT_EQ(Reach("As Ah 5s 5d Jk Jk Jk Jk"), "none") << "four jokers and no single";
}

TEST_F(ReachDiscardTest, OtherShapesDeclareNoReach) {
  EXPECT_EQ(Reach("As Ah 5s 5d 9c Kd 2c Qh"), "none") << "no joker, two pairs";
  EXPECT_EQ(Reach("As Ah 5s 5d 9c 9h Kd Kc"), "none") << "four pairs already win";
  EXPECT_EQ(Reach("As Ah 5s 5d 9c 9h Kd Jk"), "none") << "one joker, three pairs";
  EXPECT_EQ(Reach("As Ah 5s 5d 9c Kd Jk Jk"), "none") << "two jokers, two pairs";
  EXPECT_EQ(Reach("As 5s 9c Kd 2c 3h Qh Jk"), "none") << "one joker, no pair";
  EXPECT_EQ(Reach("5s 5h 5d 9c 2c Jk Jk Jk"), "none") << "three of a rank";
  EXPECT_EQ(Reach("5s 5h 5d 5c 2c Jk Jk Jk"), "none") << "four of a rank";
  EXPECT_EQ(Reach("As Ah 5s 5d 9c 9h Kd"), "none") << "only an eight-card hand";
  EXPECT_EQ(think.ChooseReachDiscard(-1), -1);
  EXPECT_EQ(think.ChooseReachDiscard(9), -1);
}

}  // namespace
}  // namespace tolva
