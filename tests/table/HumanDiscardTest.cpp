// The human's discard: the card just taken from the river waits a turn unless
// it is his last; in Reach only the drawn card may go; a card that could join
// a meld is questioned once per row; a Reach is tested on the hand it leaves;
// then the checks after his discard run in their order.
#include <gtest/gtest.h>

#include <algorithm>

#include "rules/CThink.h"
#include "tests/support/FlowFixture.h"
#include "tests/support/ScriptedRulesHost.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::SetHand;
using testing::SetMeld;
using testing::SetRiver;

constexpr const char* kWinsWith2h = "5s 5h 9d 9c Kd Kh 2s";

struct DiscardTest : testing::FlowFixture {
  void SetComputerHand(int seat, std::string_view cards) {
    SetHand(t, seat, cards);
    std::sort(t.Hand[seat].begin(), t.Hand[seat].begin() + t.HandCount[seat]);
  }
  void CursorTo(int slot) { t.Cursor = slot; }
  // The melds a hand of one or two cards has laid before.
  void LaidMelds() {
    SetMeld(t, 8, "Jc Qc Kc");
    SetMeld(t, 9, "Jh Qh Kh");
  }
};

TEST_F(DiscardTest, TheRiverCardCannotBeThrownAtOnce) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  SetRiver(t, "9h");
  HumansTurn();
  view.TakeFromRiver();
  ASSERT_EQ(t.Cursor, 7);
  host.ClearEvents();
  host.Key(HumanKey::Up);
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgRiverCardNotAtOnce});
  EXPECT_EQ(t.HandCount[4], 8);
  t.RuleRem = 0;
  host.ClearEvents();
  host.Drop(PointerTarget::HandCard(7), PointerTarget::River());
  EXPECT_TRUE(host.MessageIds().empty());
  EXPECT_EQ(Hand(4).back(), C("9h")) << "the dragged card went back to its slot";
  // Another card may go, and that lifts the ban.
  CursorTo(0);
  host.Key(HumanKey::Up);
  EXPECT_EQ(RiverTop(), C("2s"));
  EXPECT_EQ(t.RiverTakenCard, kEmptySlot);
}

TEST_F(DiscardTest, TheRiverCardMayGoWhenItIsTheLastCardAndHeGoesOut) {
  SetHand(t, 4, "9h");
  LaidMelds();
  SetComputerHand(0, "2d 3d 4d 6d 7d 8d Td");
  HumansTurn();
  t.HasDrawn = 1;  // he took the 9h and laid the rest of his hand
  t.RiverTakenCard = C("9h");
  host.Key(HumanKey::Up);
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultKind, kWentOut);
  EXPECT_EQ(LastGame().table.ResultSeat, 4);
}

TEST_F(DiscardTest, InReachOnlyTheDrawnCardMayGo) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  t.ReachFlag[4] = 1;
  s.StockTop("3c");
  HumansTurn();
  view.DrawFromStock();
  EXPECT_EQ(t.Cursor, 7);
  host.Key(HumanKey::Left);
  EXPECT_EQ(t.Cursor, 7) << "the cursor stays on the drawn card";
  host.ClearEvents();
  host.Drop(PointerTarget::HandCard(2), PointerTarget::River());
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgReachOnlyStockCard});
  EXPECT_EQ(Hand(4), testing::Cards("5s 5h 9d 9c Kd Kh 2s 3c"));
  host.Key(HumanKey::Up);
  EXPECT_EQ(RiverTop(), C("3c"));
  EXPECT_EQ(t.TurnSeat, 0);
}

TEST_F(DiscardTest, ACardThatFitsTwoMeldsIsQuestionedTwice) {
  {
    TableState scratch = testing::EmptyTable();
    testing::ScriptedRulesHost rules;
    CThink think(scratch, rules);
    SetMeld(scratch, 0, "6s 7s 8s");
    if (think.CanAttachToMeld(0, C("5s")) != 1) GTEST_SKIP() << "the rules engine does not judge attachments yet";
  }
  SetMeld(t, 0, "6s 7s 8s");
  SetMeld(t, 1, "2s 3s 4s");
  SetHand(t, 4, "5s 9h 9d Jc Qc Kd Ah");
  HumansTurn();
  view.DrawFromStock();
  host.Expect(kMsgAskDiscardAttachable, Answer::Yes);
  host.Expect(kMsgAskDiscardAttachable, Answer::No);
  CursorTo(0);
  host.Key(HumanKey::Up);
  EXPECT_TRUE(host.ScriptDone());
  EXPECT_EQ(Hand(4).front(), C("5s")) << "No at the second row keeps the card";
  host.Expect(kMsgAskDiscardAttachable, Answer::Yes);
  host.Expect(kMsgAskDiscardAttachable, Answer::Yes);
  host.Key(HumanKey::Up);
  EXPECT_EQ(RiverTop(), C("5s"));
}

TEST_F(DiscardTest, AReachDiscardThatLeavesAReachHandStands) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  s.StockTop("3c");
  HumansTurn();
  view.DrawFromStock();
  view.DeclareReach();
  host.Key(HumanKey::Up);  // the 3c
  EXPECT_EQ(RiverTop(), C("3c"));
  EXPECT_EQ(t.ReachPending, 0);
  EXPECT_EQ(t.ReachFlag[4], 1);
  EXPECT_EQ(t.TurnSeat, 0);
}

TEST_F(DiscardTest, AReachDiscardThatSpoilsTheHandIsQuestioned) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  s.StockTop("3c");
  HumansTurn();
  view.DrawFromStock();
  const int purse = t.Purse[4];
  const int pool = t.PendingPool;
  view.DeclareReach();
  // No: the dragged card returns to its own slot and the Reach stays declared.
  host.Expect(kMsgCannotReachWithThisDiscard, Answer::No);
  host.Drop(PointerTarget::HandCard(0), PointerTarget::River());
  EXPECT_EQ(Hand(4), testing::Cards("5s 5h 9d 9c Kd Kh 2s 3c"));
  EXPECT_EQ(t.ReachPending, 1);
  EXPECT_EQ(t.HasDrawn, 1);
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  // Yes: the card comes back as the eighth and the Reach is withdrawn.
  host.Expect(kMsgCannotReachWithThisDiscard, Answer::Yes);
  CursorTo(1);
  host.Key(HumanKey::Up);
  EXPECT_EQ(Hand(4), testing::Cards("5s 9d 9c Kd Kh 2s 3c 5h"));
  EXPECT_EQ(t.ReachPending, 0);
  EXPECT_EQ(t.ReachFlag[4], 0);
  EXPECT_EQ(t.IppatsuFlag[4], 0);
  EXPECT_EQ(t.Purse[4], purse);
  EXPECT_EQ(t.PendingPool, pool);
  EXPECT_EQ(t.HasDrawn, 1);
}

// The Reach coin is still flying (timer 6 redraws the table behind the box)
// when a discard that spoils the hand is questioned: the table must not show
// that card in the river, by key or by mouse, whatever the answer.
TEST_F(DiscardTest, AQuestionedReachDiscardNeverLiesInTheRiver) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  SetRiver(t, "7d");
  s.StockTop("3c");
  HumansTurn();
  view.DrawFromStock();
  view.DeclareReach();
  ASSERT_TRUE(host.TimerPending(kTimerReachCoin)) << "the coin flies beside his discard";
  std::vector<int> riverDuringQuestion;
  host.duringQuestion = [&](int) { riverDuringQuestion.push_back(RiverTop()); };
  host.Expect(kMsgCannotReachWithThisDiscard, Answer::No);
  CursorTo(1);  // the 5h leaves a single pair of fives no more
  host.Key(HumanKey::Up);
  host.Expect(kMsgCannotReachWithThisDiscard, Answer::Yes);
  host.Drop(PointerTarget::HandCard(0), PointerTarget::River());
  EXPECT_EQ(riverDuringQuestion, (std::vector<int>{C("7d"), C("7d")}));
  EXPECT_EQ(t.RiverCount, 1);
  EXPECT_EQ(RiverTop(), C("7d"));
  EXPECT_EQ(t.ReachFlag[4], 0);
  EXPECT_EQ(Hand(4), testing::Cards("9d 9c Kd Kh 2s 3c 5h 5s"));
}

TEST_F(DiscardTest, AfterHisDiscardReachWinsAreTriedFromSeatZero) {
  SetComputerHand(1, "2s 2d 5c 5d 9s 9h Kc");
  t.ReachFlag[1] = 1;
  SetComputerHand(3, "2c 3s 3h 4s 4h Ts Th");
  t.ReachFlag[3] = 1;
  SetHand(t, 4, "Kd 6s 7s 8s Jd Qd 3c");
  s.StockTop("Ad");
  HumansTurn();
  view.DrawFromStock();
  CursorTo(0);
  host.Key(HumanKey::Up);  // the Kd completes both seat 1's and seat 3's hands
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultSeat, 1);
  EXPECT_EQ(LastGame().table.ResultKind, kReachWin);
  EXPECT_EQ(LastGame().table.PayerSeat, 4);
}

TEST_F(DiscardTest, SeatZeroWinsOnHisDiscardAtOnce) {
  SetComputerHand(0, "2s 2d 5c 5d 9s 9h Kc");
  SetHand(t, 4, "Kd 6s 7s 8s Jd Qd 3c");
  s.StockTop("Ad");
  HumansTurn();
  view.DrawFromStock();
  CursorTo(0);
  host.Key(HumanKey::Up);
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultSeat, 0);
  EXPECT_EQ(LastGame().table.ResultKind, kRon);
  EXPECT_EQ(LastGame().table.PayerSeat, 4);
}

TEST_F(DiscardTest, AnEmptyStockDrawsTheGameEvenWhenHisHandIsEmptyToo) {
  SetHand(t, 4, "3c");
  LaidMelds();
  s.Complete(1);
  view.PlayFrom(kHumanSeat);
  // Drawing with the mouse does not end the game when it empties the stock.
  host.Drop(PointerTarget::Stock(), PointerTarget::HandArea());
  EXPECT_EQ(t.StockCount, 0);
  EXPECT_TRUE(host.finished.empty());
  t.HandCount[4] = 1;  // pretend the drawn card was laid on a meld
  t.Meld[7][0] = t.Hand[4][1];
  t.MeldLength[7] = 1;
  host.Key(HumanKey::Up);
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().picture, ResultPicture::DrawnGame);
}

TEST_F(DiscardTest, HisLastCardThrownGoesOut) {
  SetHand(t, 4, "3c");
  LaidMelds();
  HumansTurn();
  t.HasDrawn = 1;
  host.Key(HumanKey::Up);
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultKind, kWentOut);
  EXPECT_TRUE(host.Calls(HostCall::Flash).empty());
}

TEST_F(DiscardTest, OtherwiseSeatZeroMovesNext) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  t.ResultSeat = 0;
  t.FirstRound = 1;
  HumansTurn();
  view.DrawFromStock();
  host.ClearEvents();
  CursorTo(0);
  host.Key(HumanKey::Enter);
  EXPECT_EQ(RiverTop(), C("2s"));
  EXPECT_EQ(host.Waves().front(), kWaveDiscardLands);
  EXPECT_EQ(t.TurnSeat, 0);
  EXPECT_EQ(t.HasDrawn, 0);
  EXPECT_EQ(t.FirstRound, 0) << "seat 0 opened this game";
  EXPECT_TRUE(host.TimerPending(kTimerComputerTurn));
  EXPECT_FALSE(view.HumansTurn());
  EXPECT_EQ(host.LastRedrawnTurnSeat(), 0) << "seat 0's plate is lit for the turn pause";
}

}  // namespace
}  // namespace tolva
