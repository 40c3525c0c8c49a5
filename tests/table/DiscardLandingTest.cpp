// When a computer's discard lands: Reach wins come first (in order of play
// from the seat after the discarder), then the human's Ron (only on seat 3's
// discard), going out, the human's Pon or Kan (never in Reach, never without a
// free row), and only then the next seat or the drawn game.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "tests/support/FlowFixture.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::MeldOf;
using testing::SetHand;
using testing::SetMeld;
using testing::SetRiver;
using Rest = testing::TableScenario::Rest;

constexpr const char* kWinsWith2h = "5s 5h 9d 9c Kd Kh 2s";  // four pairs with the 2h

struct DiscardLandingTest : testing::FlowFixture {
  // Seat `seat`, in Reach with a hand the card does not complete, draws `card`
  // and throws it; play runs until it has landed.
  void Throw(int seat, std::string_view card, int stockCount = 5,
             std::string_view hand = "3d 4d Tc Jc Qc 6c 8c") {
    SetHand(t, seat, hand);
    std::sort(t.Hand[seat].begin(), t.Hand[seat].begin() + t.HandCount[seat]);  // as the rules keep it
    t.ReachFlag[seat] = 1;
    s.StockTop(card);
    s.Complete(stockCount, Rest::InRow9);
    view.PlayFrom(seat);
    const size_t games = host.finished.size();
    host.RunUntil(
        [&] {
          const auto waves = host.Waves();
          return host.finished.size() > games ||
                 std::find(waves.begin(), waves.end(), kWaveDiscardLands) != waves.end();
        },
        "the landing");
  }
};

TEST_F(DiscardLandingTest, AReachWinBeatsGoingOut) {
  // Seat 1 makes a Kan on seat 0's 5d and throws its last card, the 9d, which
  // completes seat 2's Reach hand: the Reach win is taken, not the going out.
  SetRiver(t, "5d");
  SetHand(t, 1, "5s 5h 5c 9d");
  SetHand(t, 2, "9s 2s 2h 3s 3h 4s 4h");
  t.ReachFlag[2] = 1;
  s.Complete(5, Rest::InRow9);
  view.PlayFrom(1);
  ASSERT_TRUE(host.RunUntilGameEnds());
  EXPECT_EQ(LastGame().table.ResultKind, kReachWin);
  EXPECT_EQ(LastGame().table.ResultSeat, 2);
  EXPECT_EQ(LastGame().table.PayerSeat, 1);
  EXPECT_EQ(LastGame().picture, ResultPicture::Ron);
}

TEST_F(DiscardLandingTest, WithoutAReachWinTheLastCardGoesOut) {
  SetRiver(t, "5d");
  SetHand(t, 1, "5s 5h 5c 9d");
  s.Complete(5, Rest::InRow9);
  view.PlayFrom(1);
  ASSERT_TRUE(host.RunUntilGameEnds());
  EXPECT_EQ(LastGame().table.ResultKind, kWentOut);
  EXPECT_EQ(LastGame().table.ResultSeat, 1);
  EXPECT_EQ(LastGame().picture, ResultPicture::WentOut);
  EXPECT_TRUE(host.Calls(HostCall::Flash).empty()) << "a seat that went out has no hand to blink";
  EXPECT_NE(std::find(host.Waves().begin(), host.Waves().end(), kWaveWentOut), host.Waves().end());
}

TEST_F(DiscardLandingTest, ReachWinsAreTriedFromTheSeatAfterTheDiscarder) {
  // Seats 1 and 3 both wait on the 9d that seat 2 throws: seat 3 comes first.
  SetHand(t, 1, "9h 5s 5h 6s 6h 8s 8h");
  t.ReachFlag[1] = 1;
  SetHand(t, 3, "9s 2s 2h 3s 3h 4s 4h");
  t.ReachFlag[3] = 1;
  Throw(2, "9d");
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultSeat, 3);
  EXPECT_EQ(LastGame().table.ResultKind, kReachWin);
  EXPECT_EQ(LastGame().table.PayerSeat, 2);
}

TEST_F(DiscardLandingTest, TheHumanInReachWinsOnAnyDiscardWithoutBeingAsked) {
  SetHand(t, 4, kWinsWith2h);
  t.ReachFlag[4] = 1;
  Throw(1, "2h");
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultSeat, 4);
  EXPECT_EQ(LastGame().table.ResultKind, kReachWin);
  EXPECT_EQ(LastGame().table.PayerSeat, 1);
  EXPECT_TRUE(host.ScriptDone());
}

TEST_F(DiscardLandingTest, TheHumanIsOfferedRonOnSeatThreesDiscard) {
  SetHand(t, 4, kWinsWith2h);
  host.Expect(kMsgAskRon, Answer::Yes);
  Throw(3, "2h");
  EXPECT_TRUE(host.ScriptDone());
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultSeat, 4);
  EXPECT_EQ(LastGame().table.ResultKind, kRon);
  EXPECT_EQ(LastGame().table.PayerSeat, 3);
}

TEST_F(DiscardLandingTest, ARonDeclinedHandsTheTurnToTheHuman) {
  SetHand(t, 4, kWinsWith2h);
  host.Expect(kMsgAskRon, Answer::No);
  Throw(3, "2h");
  EXPECT_TRUE(host.finished.empty());
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  EXPECT_EQ(t.HasDrawn, 0);
  EXPECT_TRUE(view.HumansTurn());
  EXPECT_FALSE(view.GameTimerPending());
}

TEST_F(DiscardLandingTest, TheHumanIsNotOfferedRonOnAnotherSeatsDiscard) {
  SetHand(t, 4, kWinsWith2h);
  Throw(2, "2h");  // an unscripted question would fail the test
  EXPECT_TRUE(host.finished.empty());
  EXPECT_EQ(t.TurnSeat, 3);
  EXPECT_TRUE(host.TimerPending(kTimerTurnPause));
}

TEST_F(DiscardLandingTest, TheHumanIsAskedPonAndCallsIt) {
  SetHand(t, 4, "7s 7h Qs Qh Ks Kh Ac");
  t.FirstRound = 1;
  t.IppatsuFlag[2] = 1;
  host.Expect(kMsgAskPon, Answer::Yes);
  Throw(3, "7d");
  EXPECT_EQ(MeldOf(t, 0), testing::Cards("7d 7s 7h"));
  EXPECT_EQ(Hand(4), testing::Cards("Qs Qh Ks Kh Ac"));
  EXPECT_EQ(t.HasDrawn, 1) << "he discards next, without drawing";
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  EXPECT_EQ(t.FirstRound, 0);
  EXPECT_EQ(t.IppatsuFlag, (TableState::Ints<kSeats>{}));
  EXPECT_FALSE(view.GameTimerPending());
}

TEST_F(DiscardLandingTest, AfterHisPonEveryWayToDrawSaysThatADiscardIsDue) {
  SetHand(t, 4, "7s 7h Qs Qh Ks Kh Ac");
  host.Expect(kMsgAskPon, Answer::Yes);
  Throw(3, "7d");
  ASSERT_EQ(t.TurnSeat, kHumanSeat);
  t.River[t.RiverCount++] = t.Stock[--t.StockCount];  // something to take, so only the call refuses it
  const TableState called = t;
  const std::pair<const char*, std::function<void()>> tries[] = {
      {"F7", [&] { view.DrawFromStock(); }},
      {"F8", [&] { view.TakeFromRiver(); }},
      {"a press on the stock", [&] { host.LeftPress(PointerTarget::Stock()); }},
      {"a press on the river", [&] { host.LeftPress(PointerTarget::River()); }},
  };
  for (const int reminders : {1, 0}) {
    t.RuleRem = reminders;
    for (const auto& [how, attempt] : tries) {
      host.ClearEvents();
      attempt();
      EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused}) << how;
      EXPECT_EQ(host.MessageIds(), reminders ? std::vector<int>{kMsgDiscardDue} : std::vector<int>{})
          << how << ", reminders " << reminders;
      EXPECT_EQ(view.Dragging, DragKind::None) << how;
    }
  }
  t.RuleRem = called.RuleRem;
  EXPECT_TRUE(t == called) << "nothing was drawn or taken";
}

TEST_F(DiscardLandingTest, WithThreeOfTheRankTheHumanChoosesKanPonOrNeither) {
  SetHand(t, 4, "7s 7h 7c Qh Ks Kh Ac");
  host.Expect(kMsgAskKan, Answer::Yes);
  Throw(3, "7d");
  EXPECT_EQ(MeldOf(t, 0), testing::Cards("7d 7s 7h 7c"));
  EXPECT_EQ(t.HasDrawn, 1);
}

TEST_F(DiscardLandingTest, AnsweringNoToKanStartsAPonWithChosenCards) {
  SetHand(t, 4, "7s 7h 7c Qh Ks Kh Ac");
  t.Selected[5] = 1;  // a mark left over from the computers' turns
  host.Expect(kMsgAskKan, Answer::No);
  Throw(3, "7d");
  EXPECT_EQ(t.PonSelect, 1);
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  EXPECT_EQ(t.FirstRound, 0);
  EXPECT_EQ(t.MeldLength[0], 0) << "nothing is called yet";
  EXPECT_EQ(t.Selected, (TableState::Ints<kHandSlots>{})) << "the choice starts from no marks";
  const auto ids = host.MessageIds();
  EXPECT_EQ(ids.back(), kMsgChooseTwoPonCards);
}

TEST_F(DiscardLandingTest, CancellingTheKanQuestionMakesNoCall) {
  SetHand(t, 4, "7s 7h 7c Qh Ks Kh Ac");
  host.Expect(kMsgAskKan, Answer::Cancel);
  Throw(3, "7d");
  EXPECT_EQ(t.MeldLength[0], 0);
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  EXPECT_EQ(t.HasDrawn, 0);
}

TEST_F(DiscardLandingTest, NoPonIsOfferedToTheHumanInReach) {
  SetHand(t, 4, "7s 7h Qs Qh Ks Kh Ac");
  t.ReachFlag[4] = 1;
  Throw(3, "7d");  // 30019 would be unscripted
  EXPECT_EQ(t.MeldLength[0], 0);
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
}

TEST_F(DiscardLandingTest, NoCallIsOfferedWithoutAFreeRow) {
  SetHand(t, 4, "7s 7h Qs Qh Ks Kh Ac");
  SetHand(t, 0, "5c");
  SetHand(t, 1, "6c");
  SetHand(t, 2, "8c");
  const char* rows[] = {"As Ah Ad", "2s 2h 2d", "3s 3h 3d", "4s 4h 4d", "5s 5h 5d",
                        "6s 6h 6d", "8s 8h 8d", "9s 9h 9d", "Ts Th Td", "Js Jh Jd"};
  for (int row = 0; row < kMeldRows; ++row) SetMeld(t, row, rows[row]);
  Throw(3, "7d", -1, "Qd Qc Kd Kc 2c 3c 4c");
  EXPECT_TRUE(host.finished.empty());
  EXPECT_EQ(t.TurnSeat, kHumanSeat) << "no question, the turn passes";
}

TEST_F(DiscardLandingTest, TheLastStockCardStillOffersTheRonBeforeTheDrawnGame) {
  SetHand(t, 4, kWinsWith2h);
  host.Expect(kMsgAskRon, Answer::No);
  Throw(3, "2h", 1);
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().picture, ResultPicture::DrawnGame);
  EXPECT_EQ(LastGame().table.ResultSeat, 0 + 5) << "the opener, plus five";
  EXPECT_EQ(host.MessageIds().front(), kMsgAskRon);
}

TEST_F(DiscardLandingTest, TheLastStockCardStillOffersThePon) {
  SetHand(t, 4, "7s 7h Qs Qh Ks Kh Ac");
  host.Expect(kMsgAskPon, Answer::Yes);
  Throw(3, "7d", 1);
  EXPECT_TRUE(host.finished.empty()) << "the Pon comes before the drawn game";
  EXPECT_EQ(MeldOf(t, 0), testing::Cards("7d 7s 7h"));
  host.Key(HumanKey::Up);  // his discard: now the empty stock draws the game
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().picture, ResultPicture::DrawnGame);
}

TEST_F(DiscardLandingTest, TheLastStockCardStillGivesAReachWin) {
  SetHand(t, 0, kWinsWith2h);
  t.ReachFlag[0] = 1;
  Throw(3, "2h", 1);
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultKind, kReachWin);
  EXPECT_EQ(LastGame().table.ResultSeat, 0);
}

TEST_F(DiscardLandingTest, AnEmptyStockAfterTheChecksDrawsTheGame) {
  Throw(2, "2h", 1);
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().picture, ResultPicture::DrawnGame);
  EXPECT_TRUE(host.Calls(HostCall::Flash).empty());
  EXPECT_EQ(LastGame().settlement.rfind("『流れ』", 0), 0u);
}

TEST_F(DiscardLandingTest, TheFirstRoundEndsWhenPlayReachesTheOpenerAgain) {
  t.ResultSeat = kHumanSeat;  // the human opened
  t.FirstRound = 1;
  Throw(3, "2h");
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  EXPECT_EQ(t.FirstRound, 0);
}

TEST_F(DiscardLandingTest, TheFirstRoundGoesOnUntilTheOpenerIsReached) {
  t.ResultSeat = 0;
  t.FirstRound = 1;
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  Throw(3, "2h");
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  EXPECT_EQ(t.FirstRound, 1);
  view.DrawFromStock();
  host.Key(HumanKey::Up);
  EXPECT_EQ(t.TurnSeat, 0);
  EXPECT_EQ(t.FirstRound, 0) << "seat 0 opened: its turn comes round again";
}

}  // namespace
}  // namespace tolva
