// New melds a computer seat lays from its hand: triples, natural runs, runs and
// pairs with a joker, in the order its searches find them, into the first free
// row. (Attachments to rows already out are in AttachTest.cpp.)
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "rules/Invariant.h"
#include "rules/MeldRows.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/SortedHands.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::Cards;
using testing::HandOf;
using testing::MeldOf;
using testing::SetMeld;

constexpr int kSeat = 2;

struct ExposeTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};

  ExposeTest() { t.TurnSeat = kSeat; }
  void Hand(std::string_view cards) { testing::SetSortedHand(t, kSeat, cards); }
  // Lays from `hand` at the given second onto a bare table; expects the
  // answer 1 and returns row 0.
  std::vector<int> Lays(std::string_view hand, int seconds = 0) {
    for (int row = 0; row < kMeldRows; ++row) ClearMeldRow(t, row);
    Hand(hand);
    host.seconds = seconds;
    EXPECT_EQ(think.ExposeFromHand(), 1) << hand << " at second " << seconds;
    return MeldOf(t, 0);
  }
};

constexpr int kOdd = 1;
constexpr int kEven = 0;

// --- triples and natural runs ------------------------------------------------------------

TEST_F(ExposeTest, ATripleLeavesTheHandHighestPositionFirst) {
  EXPECT_EQ(Lays("5s 5h 5d 9c Kd"), Cards("5s 5h 5d"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("Kd 9c"));
  EXPECT_EQ(t.MeldLength[0], 3);
  EXPECT_TRUE(host.waves.empty()) << "the flow plays the exposure cue";
}

TEST_F(ExposeTest, FourOfARankLayTheFirstThree) {
  EXPECT_EQ(Lays("7s 7h 7d 7c 2s"), Cards("7s 7h 7d"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("2s 7c"));
}

TEST_F(ExposeTest, ATripleGivesWayToANaturalRunOnAnEvenFlip) {
  const std::string_view hand = "5s 6s 7s 7h 7d 9c";
  EXPECT_EQ(Lays(hand, kOdd), Cards("7s 7h 7d"));
  EXPECT_EQ(Lays(hand, kEven), Cards("5s 6s 7s"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("7h 7d 9c"));
  EXPECT_EQ(Lays(hand, -1), Cards("5s 6s 7s")) << "no clock: an even flip";
}

TEST_F(ExposeTest, ANaturalRunIsThreeNeighbouringCodes) {
  EXPECT_EQ(Lays("3h 4h 5h 9c Kd", kOdd), Cards("3h 4h 5h"));
  EXPECT_EQ(Lays("9c Tc Jc Qc 2s"), Cards("9c Tc Jc")) << "the first run found";
  EXPECT_EQ(Lays("Jd Qd Kd 2s"), Cards("Jd Qd Kd"));
}

TEST_F(ExposeTest, KingAceTwoIsLaidInThatOrder) {
  EXPECT_EQ(Lays("As 2s Ks 9h"), Cards("Ks As 2s"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("9h"));
  EXPECT_EQ(Lays("Ad 2d Kd 9h"), Cards("Kd Ad 2d"));
}

TEST_F(ExposeTest, QueenKingAceComesBeforeKingAceTwo) {
  EXPECT_EQ(Lays("As Qs Ks 5h"), Cards("Qs Ks As"));
  EXPECT_EQ(Lays("As 2s 3s Qs Ks 7d"), Cards("Qs Ks As"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("2s 3s 7d"));
}

TEST_F(ExposeTest, AceTwoThreeWithoutTheKing) {
  EXPECT_EQ(Lays("Ah 2h 3h 8s"), Cards("Ah 2h 3h"));
}

TEST_F(ExposeTest, RunsDoNotCrossIntoTheNextSuit) {
  // Q-K of spades and the Ace of hearts have consecutive codes; K-A-2 needs one suit.
  Hand("Qs Ks Ah 9d");
  EXPECT_EQ(think.ExposeFromHand(), 0);
  Hand("Ks Ah 2h 9d");
  EXPECT_EQ(think.ExposeFromHand(), 0);
  EXPECT_EQ(HandOf(t, kSeat), Cards("Ks Ah 2h 9d"));
  EXPECT_EQ(t.MeldLength[0], 0);
}

TEST_F(ExposeTest, ThreeCardsOrFewerLayNothingNew) {
  Hand("3h 4h 5h");
  EXPECT_EQ(think.ExposeFromHand(), 0);
  Hand("5s 5h 5d");
  EXPECT_EQ(think.ExposeFromHand(), 0);
  EXPECT_EQ(HandOf(t, kSeat), Cards("5s 5h 5d"));
}

// --- rows ------------------------------------------------------------------------------------

TEST_F(ExposeTest, TheMeldGoesIntoTheFirstFreeRow) {
  SetMeld(t, 0, "As Ah Ad");
  SetMeld(t, 1, "2s 2h 2d");
  SetMeld(t, 3, "3s 3h 3d");
  Hand("5s 5h 5d 9c Kd");
  EXPECT_EQ(think.ExposeFromHand(), 1);
  EXPECT_EQ(MeldOf(t, 2), Cards("5s 5h 5d"));
  EXPECT_EQ(MeldOf(t, 3), Cards("3s 3h 3d"));
}

TEST_F(ExposeTest, WithEveryRowTakenNothingIsLaidButTheAnswerIsOne) {
  const char* sets[] = {"As Ah Ad", "2s 2h 2d", "3s 3h 3d", "4s 4h 4d", "6s 6h 6d",
                        "7s 7h 7d", "8s 8h 8d", "9s 9h 9d", "Ts Th Td", "Js Jh Jd"};
  for (int row = 0; row < kMeldRows; ++row) SetMeld(t, row, sets[row]);
  const auto rowsBefore = t.Meld;
  Hand("5s 5h 5d Kc Qc");
  EXPECT_EQ(think.ExposeFromHand(), 1);
  Hand("5s 6s 9c Kc Jk");
  EXPECT_EQ(think.ExposeFromHand(), 1) << "a joker run with nowhere to go";
  EXPECT_EQ(HandOf(t, kSeat), Cards("5s 6s 9c Kc Jk"));
  EXPECT_EQ(t.Meld, rowsBefore);
}

// --- melds with the joker --------------------------------------------------------------------

TEST_F(ExposeTest, AJokerRunPutsTheJokerLeftOnAnOddFlip) {
  EXPECT_EQ(Lays("5s 6s 9h Kd Jk", kOdd), Cards("Jk 5s 6s"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("9h Kd"));
  EXPECT_EQ(Lays("5s 6s 9h Kd Jk", kEven), Cards("5s 6s Jk"));
}

TEST_F(ExposeTest, AJokerRunOnAnAceUsesItsKing) {
  EXPECT_EQ(Lays("As Ks 9h Jk", kOdd), Cards("Jk Ks As"));
  EXPECT_EQ(Lays("As Ks 9h Jk", kEven), Cards("Ks As Jk"));
  EXPECT_EQ(Lays("Ah 2h 9c Jk", kEven), Cards("Ah 2h Jk")) << "without the King: Ace and 2";
}

TEST_F(ExposeTest, AJokerRunTakesTheFirstJoker) {
  EXPECT_EQ(Lays("5s 6s 9h Jk Jk", kEven), Cards("5s 6s J53"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("9h J54"));
}

TEST_F(ExposeTest, AKingAndTheNextSuitsAceMakeNoJokerRun) {
  Hand("Ks Ah 9d Jk");
  EXPECT_EQ(think.ExposeFromHand(), 0);
  EXPECT_EQ(HandOf(t, kSeat), Cards("Ks Ah 9d Jk"));
}

TEST_F(ExposeTest, APairTakesTheLastJoker) {
  EXPECT_EQ(Lays("5s 5h 9d Kc Jk Jk"), Cards("5s 5h J54"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("9d Kc J53"));
}

TEST_F(ExposeTest, APairBesideAJokerRunTakesTheRunOnAnEvenFlip) {
  const std::string_view hand = "5s 6s 9h 9d Jk";
  EXPECT_EQ(Lays(hand, kEven), Cards("5s 6s Jk"));
  EXPECT_EQ(Lays(hand, kOdd), Cards("9h 9d Jk"));
}

TEST_F(ExposeTest, AGapPairAloneFillsItsGap) {
  EXPECT_EQ(Lays("5s 7s 9h Jk", kOdd), Cards("5s Jk 7s"));
  EXPECT_EQ(Lays("5s 7s 9h Jk", kEven), Cards("5s Jk 7s")) << "no joker run to prefer";
}

TEST_F(ExposeTest, AGapPairBesideAJokerRunTakesTheRunOnAnEvenFlip) {
  const std::string_view hand = "5s 7s 9h Th Jk";
  EXPECT_EQ(Lays(hand, kEven), Cards("9h Th Jk"));
  EXPECT_EQ(Lays(hand, kOdd), Cards("5s Jk 7s"));
}

TEST_F(ExposeTest, GapRunsAroundTheKingWrapToTheAce) {
  EXPECT_EQ(Lays("As Qs 9h Jk"), Cards("Qs Jk As"));
  EXPECT_EQ(Lays("2d Kd 5c Jk"), Cards("Kd Jk 2d"));
}

TEST_F(ExposeTest, GapPairPairAndJokerRunChooseByThreeWays) {
  // Gap pair 5s-7s, pair 4d 4c, joker run 9h Th.
  const std::string_view hand = "5s 7s 9h Th 4d 4c Jk";
  EXPECT_EQ(Lays(hand, 1), Cards("4d 4c Jk")) << "1: the pair with the joker";
  EXPECT_EQ(Lays(hand, 4), Cards("4d 4c Jk")) << "4 mod 3 = 1";
  EXPECT_EQ(Lays(hand, 2), Cards("9h Th Jk")) << "2: the joker run, even flip";
  EXPECT_EQ(Lays(hand, 5), Cards("Jk 9h Th")) << "2: the joker run, odd flip";
  EXPECT_EQ(Lays(hand, 0), Cards("5s Jk 7s")) << "0: the gap run";
  EXPECT_EQ(Lays(hand, 3), Cards("5s Jk 7s"));
  EXPECT_EQ(Lays(hand, -1), Cards("5s Jk 7s")) << "no clock: -1 is no 1 and no 2";
}

TEST_F(ExposeTest, GapPairAndPairWithoutAJokerRunFollowTheFlip) {
  const std::string_view hand = "5s 7s 4d 4c Jk";
  EXPECT_EQ(Lays(hand, kEven), Cards("4d 4c Jk"));
  EXPECT_EQ(Lays(hand, kOdd), Cards("5s Jk 7s"));
}

TEST_F(ExposeTest, AGapPairWhoseCardsAreNotNeighboursLaysNothingButAnswersOne) {
  // Queen and Ace of spades are a gap pair; the 5 between them spoils the gap run.
  EXPECT_EQ(Lays("As 5s Qs 9h Jk"), std::vector<int>{});
  EXPECT_EQ(HandOf(t, kSeat), Cards("As 5s Qs 9h Jk"));
}

TEST_F(ExposeTest, TheLastCardBeforeTheJokersIsNoGapPairCard) {
  // Qc is the last non-joker, so Qc with Ac is no gap pair, and nothing else applies.
  Hand("2h 5h Ac Qc Jk");
  EXPECT_EQ(think.ExposeFromHand(), 0);
  EXPECT_EQ(HandOf(t, kSeat), Cards("2h 5h Ac Qc Jk"));
}

TEST_F(ExposeTest, AGapPairStaysInItsSuit) {
  // Two codes above a Queen lie in the next suit, or among the jokers' codes
  // for the Queen of clubs: neither makes a gap pair.
  Hand("Qs Ah 5d 9c Jk");
  EXPECT_EQ(think.ExposeFromHand(), 0);
  EXPECT_EQ(HandOf(t, kSeat), Cards("Qs Ah 5d 9c Jk"));
  EXPECT_EQ(Lays("3h 9d Qc Kc Jk", kOdd), Cards("Jk Qc Kc")) << "only the joker run is left";
}

TEST_F(ExposeTest, JokersWithoutMaterialLayNothing) {
  Hand("3s 9h Kd Jk Jk");
  EXPECT_EQ(think.ExposeFromHand(), 0);
  EXPECT_EQ(HandOf(t, kSeat), Cards("3s 9h Kd Jk Jk"));
}

TEST_F(ExposeTest, ExposuresKeepTheHandSortedAndEveryCardInOnePlace) {
  SetMeld(t, 0, "As Ah Ad");
  Hand("4s 5s 6s 8h 8d 9c Jk Jk");
  testing::DealTheRest(t);
  host.seconds = kEven;
  for (int call = 0; call < 7 && t.HandCount[kSeat] > 1; ++call) {
    if (think.ExposeFromHand() == 0) break;
    EXPECT_TRUE(testing::IsSortedHand(t, kSeat));
    EXPECT_EQ(CheckCardConservation(t), "");
  }
  EXPECT_EQ(MeldOf(t, 1), Cards("4s 5s 6s"));
  EXPECT_EQ(MeldOf(t, 2), Cards("8h 8d J54"));
  EXPECT_EQ(HandOf(t, kSeat), Cards("9c J53"));
}

TEST_F(ExposeTest, NoSeatNoExposure) {
  t.TurnSeat = -3;
  EXPECT_EQ(think.ExposeFromHand(), 0);
}

}  // namespace
}  // namespace tolva
