// Marking the human's cards with the right button or the Down key: at most
// three marks, none while a Reach discard is pending, and the Pon with two
// chosen cards, which accepts only cards of the river card's rank.
#include <gtest/gtest.h>

#include "tests/support/FlowFixture.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::MeldOf;
using testing::SetHand;
using testing::SetRiver;

struct MarkingTest : testing::FlowFixture {
  void Mark(int slot) { host.RightPress(PointerTarget::HandCard(slot)); }
  // The state a "No" to the Kan question leaves: seat 3's 7d on the river and
  // the human choosing two of his three sevens.
  void ChoosingPonCards() {
    SetRiver(t, "7d");
    SetHand(t, 4, "7s 7h 7c J53 Ks Kh Ac");
    s.Complete();
    t.PonSelect = 1;
    t.TurnSeat = kHumanSeat;
    t.HasDrawn = 0;
  }
};

TEST_F(MarkingTest, ARightClickTogglesAMarkWithItsSound) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  Mark(2);
  EXPECT_EQ(t.Selected[2], 1);
  Mark(2);
  EXPECT_EQ(t.Selected[2], 0);
  EXPECT_EQ(host.Waves(), (std::vector<int>{kWaveMarkToggle, kWaveMarkToggle}));
}

TEST_F(MarkingTest, AFourthMarkIsRefusedSilently) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  for (int slot = 0; slot < 4; ++slot) Mark(slot);
  EXPECT_EQ(view.think.CountSelected(), 3);
  EXPECT_EQ(t.Selected[3], 0);
  EXPECT_TRUE(host.MessageIds().empty());
  EXPECT_EQ(host.Waves(), std::vector<int>(4, kWaveMarkToggle)) << "only the toggle sound";
}

TEST_F(MarkingTest, MarkingWorksDuringTheComputersTurns) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  s.Complete();
  view.PlayFrom(1);
  Mark(5);
  EXPECT_EQ(t.Selected[5], 1);
  host.Key(HumanKey::Down);  // the key works only on his own turn
  EXPECT_EQ(t.Selected[t.Cursor], t.Cursor == 5 ? 1 : 0);
  EXPECT_EQ(view.think.CountSelected(), 1);
}

TEST_F(MarkingTest, NothingIsMarkedWhileAReachDiscardIsPending) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  s.StockTop("3c");
  HumansTurn();
  view.DrawFromStock();
  view.DeclareReach();
  ASSERT_EQ(t.ReachPending, 1);
  Mark(1);
  EXPECT_EQ(t.Selected[1], 0);
}

TEST_F(MarkingTest, APonSelectionAcceptsOnlyNonJokersOfTheRiverCardsRank) {
  ChoosingPonCards();
  Mark(3);  // the joker
  Mark(4);  // a king
  EXPECT_EQ(view.think.CountSelected(), 0);
  Mark(0);
  EXPECT_EQ(t.Selected[0], 1);
  host.Expect(kMsgAskPonWithSelection, Answer::Yes);
  Mark(1);
  EXPECT_TRUE(host.ScriptDone());
  EXPECT_EQ(MeldOf(t, 0), testing::Cards("7d 7s 7h"));
  EXPECT_EQ(Hand(4), testing::Cards("7c J53 Ks Kh Ac"));
  EXPECT_EQ(t.HasDrawn, 1);
  EXPECT_EQ(t.PonSelect, 0);
  EXPECT_EQ(t.Selected, (TableState::Ints<kHandSlots>{}));
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
}

TEST_F(MarkingTest, AnsweringNoLetsTheHumanChooseAgain) {
  ChoosingPonCards();
  Mark(0);
  host.Expect(kMsgAskPonWithSelection, Answer::No);
  Mark(1);
  EXPECT_EQ(t.Selected, (TableState::Ints<kHandSlots>{}));
  EXPECT_EQ(t.PonSelect, 1);
  Mark(1);
  host.Expect(kMsgAskPonWithSelection, Answer::Yes);
  Mark(2);
  EXPECT_EQ(MeldOf(t, 0), testing::Cards("7d 7h 7c"));
  EXPECT_EQ(Hand(4), testing::Cards("7s J53 Ks Kh Ac"));
}

TEST_F(MarkingTest, CancellingThePonLeavesTheTurnToTheHuman) {
  ChoosingPonCards();
  Mark(0);
  host.Expect(kMsgAskPonWithSelection, Answer::Cancel);
  Mark(2);
  EXPECT_EQ(t.PonSelect, 0);
  EXPECT_EQ(t.Selected, (TableState::Ints<kHandSlots>{}));
  EXPECT_EQ(t.MeldLength[0], 0);
  EXPECT_TRUE(host.PendingTimers().empty()) << "no timer was recorded, none is restarted";
  EXPECT_TRUE(view.HumansTurn());
  view.DrawFromStock();
  EXPECT_EQ(t.HasDrawn, 1) << "the game goes on with his ordinary turn";
}

TEST_F(MarkingTest, CancellingThePonSetsTheRecordedTimerAgain) {
  ChoosingPonCards();
  t.ManSpeed = 2;
  view.PlayFrom(1);  // leaves timer 2 as the last timer recorded
  t.TurnSeat = kHumanSeat;
  host.ClearEvents();
  Mark(0);
  host.Expect(kMsgAskPonWithSelection, Answer::Cancel);
  Mark(1);
  const auto sets = host.Calls(HostCall::TimerSet);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].id, kTimerComputerTurn);
  EXPECT_EQ(sets[0].value, 1001) << "with its recorded period";
}

}  // namespace
}  // namespace tolva
