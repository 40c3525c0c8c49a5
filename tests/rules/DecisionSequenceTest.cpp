// Whole games of computer decisions on dealt tables: calls, the turn's choice,
// the card taken, exposures and the discard, with every card in exactly one
// place and every hand sorted after each step.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "rules/Deal.h"
#include "rules/Invariant.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/SortedHands.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

struct Tally {
  int turns = 0;
  int riverTakes = 0;
  int exposures = 0;
  int calls = 0;
  int reaches = 0;
};

class Game {
 public:
  Game(int deckSize, std::uint32_t seed) {
    t.DeckSize = deckSize;
    host.seconds = static_cast<int>(seed % 60);
    host.tolvaRate = 2;
    ShuffleAndDeal(t, seed);
    for (int seat = 0; seat < kComputerSeats; ++seat) think.PlanStrategy(seat);
    t.TurnSeat = static_cast<int>(seed % kSeats);
  }

  // Plays until the game ends, stopping at the first failed check.
  void Play(Tally& tally) {
    for (int turn = 0; turn < 200; ++turn) {
      ++tally.turns;
      host.seconds = (host.seconds + 7) % 60;
      if (!Turn(tally) || ::testing::Test::HasFailure()) return;
    }
    ADD_FAILURE() << "the game did not end";
  }

 private:
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};

  void ExpectSound(std::span<const int> inFlight = {}) {
    EXPECT_EQ(CheckCardConservation(t, inFlight), "");
    for (int seat = 0; seat < kSeats; ++seat)
      EXPECT_TRUE(testing::IsSortedHand(t, seat)) << "seat " << seat;
  }

  bool CallMade(Tally& tally) {
    if (t.RiverCount == 0) return false;
    const int discarder = PreviousSeat(t.TurnSeat);
    for (int seat = 0; seat < kComputerSeats; ++seat) {
      if (seat == discarder || t.ReachFlag[seat]) continue;
      const int call = think.ChooseCall(seat);
      if (call == kNoCall) continue;
      if (think.ComputerCall(seat, call == kCallPon ? 1 : 0) == 1) {
        ++tally.calls;
        t.TurnSeat = seat;
        return true;
      }
    }
    return false;
  }

  // One seat's turn; false when the game ended.
  bool Turn(Tally& tally) {
    const bool called = CallMade(tally);
    ExpectSound();
    const int seat = t.TurnSeat;
    int mayDiscardTaken = 1;
    t.DrawnCard = kEmptySlot;
    if (!called) {
      const TableState before = t;
      const int action = think.ChooseTurnAction();
      EXPECT_EQ(t.Hand, before.Hand) << "deciding changes no card";
      EXPECT_EQ(t.HandCount, before.HandCount);
      EXPECT_EQ(t.River, before.River);
      EXPECT_EQ(t.Meld, before.Meld);
      if (action == kActionRon || action == kActionTolva || action == kActionSeventy) return false;
      if (action == kActionTakeRiver) {
        EXPECT_GT(t.RiverCount, 0);
        t.DrawnCard = t.River[--t.RiverCount];
        t.River[t.RiverCount] = kEmptySlot;
        mayDiscardTaken = 0;
        ++tally.riverTakes;
      } else {
        EXPECT_EQ(action, kActionDrawStock);
        if (t.StockCount == 0) return false;  // a drawn game
        t.DrawnCard = t.Stock[--t.StockCount];
      }
      const int inFlight[] = {t.DrawnCard};
      ExpectSound(inFlight);
      if (t.ReachFlag[seat]) return Discard(t.DrawnCard);
      think.InsertIntoHand(seat, t.DrawnCard);
    }

    const int mode = IsComputerSeat(seat) ? t.StrategyMode[seat] : kModeShedHigh;
    if (mode == kModeLowHand || mode == kModeShedHigh) {
      for (int k = 0; k < 7 && t.HandCount[seat] > 1; ++k) {
        if (think.ExposeFromHand() == 0) break;
        ++tally.exposures;
        ExpectSound();
        EXPECT_EQ(t.DraggedCount, 0);
      }
    }
    int index = 0;
    if (t.HandCount[seat] > 1) {
      index = think.ChooseReachDiscard(seat);
      if (index >= 0) {
        t.ReachFlag[seat] = 1;
        ++tally.reaches;
      } else {
        index = think.ChooseDiscard(t.DrawnCard, mayDiscardTaken);
      }
    }
    EXPECT_GE(index, 0);
    EXPECT_LT(index, t.HandCount[seat]);
    if (index < 0 || index >= t.HandCount[seat]) return false;
    const int card = t.Hand[seat][index];
    think.RemoveFromHand(seat, index);
    return Discard(card) && t.HandCount[seat] > 0;
  }

  bool Discard(int card) {
    t.River[t.RiverCount++] = card;
    ExpectSound();
    t.TurnSeat = NextSeat(t.TurnSeat);
    return true;
  }
};

TEST(DecisionSequence, DealtGamesKeepEveryCardInOnePlace) {
  Tally tally;
  for (const int deckSize : {54, 56, 58}) {
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
      SCOPED_TRACE(::testing::Message() << "deck " << deckSize << " seed " << seed);
      Game(deckSize, seed).Play(tally);
      if (::testing::Test::HasFailure()) return;
    }
  }
  // The games really went through the decisions under test.
  EXPECT_GT(tally.riverTakes, 0);
  EXPECT_GT(tally.exposures, 0);
  EXPECT_GT(tally.calls, 0);
  EXPECT_GT(tally.reaches, 0);
}

}  // namespace
}  // namespace tolva
