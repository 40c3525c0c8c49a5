// The end of a game: the result picture, the hands face up, the winner's hand
// blinking, the settlement, and who opens the next game.
#include <gtest/gtest.h>

#include "table/SettingsSchema.h"
#include "tests/support/FlowFixture.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::SetHand;

constexpr const char* kWinsWith2h = "5s 5h 9d 9c Kd Kh 2s";

struct GameEndTest : testing::FlowFixture {
  // Seats 0 to 3 hold more points than a low hand of the human.
  void HighComputerHands() {
    SetHand(t, 0, "Td Jd Qd Kd 9h 8h 7h");
    SetHand(t, 1, "Tc Jc Qc Kc 9c 8c 7c");
    SetHand(t, 2, "Th Jh Qh Kh 9s 8s 7s");
    SetHand(t, 3, "Ts Js Qs Ks 9d 8d 7d");
  }
  std::vector<HostCall> CallsFrom(HostCall first) const {
    std::vector<HostCall> calls;
    bool on = false;
    for (const auto& e : host.events) {
      if (e.call == first) on = true;
      if (on && e.call != HostCall::TimerSet && e.call != HostCall::TimerKill) calls.push_back(e.call);
    }
    return calls;
  }
};

TEST_F(GameEndTest, AGameEndsWithPictureRevealBlinkSettlementThenTheNextGame) {
  SetHand(t, 4, kWinsWith2h);
  s.StockTop("2h");
  HumansTurn();
  host.Expect(kMsgAskTsumo, Answer::Yes);
  view.DrawFromStock();
  ASSERT_EQ(host.finished.size(), 1u);
  const std::vector<HostCall> expected{HostCall::ResultPicture, HostCall::Redraw, HostCall::Flash,
                                       HostCall::Message,       HostCall::Redraw, HostCall::Redraw};
  const auto calls = CallsFrom(HostCall::ResultPicture);
  ASSERT_GE(calls.size(), expected.size());
  EXPECT_EQ(std::vector<HostCall>(calls.begin(), calls.begin() + 6), expected);
  const auto flash = host.Calls(HostCall::Flash);
  EXPECT_EQ(flash[0].id, 4);
  EXPECT_EQ(flash[0].value, 1) << "the hands are face up while the winner's hand blinks";
  EXPECT_EQ(view.RevealHands, 0);
  const auto settlement = host.Calls(HostCall::Message).back();
  EXPECT_EQ(settlement.id, 0) << "a text built at run time: the prefix alone";
  EXPECT_EQ(settlement.style, MessageStyle::Information);
  EXPECT_EQ(settlement.text.rfind("『 アレクサンドロス のツモ上がり』", 0), 0u);
  EXPECT_EQ(Settings(host.store).Purse(kHumanSeat), t.Purse[kHumanSeat]) << "the purses are saved";
  // The winner opens the next game; the human opens it by waiting for his input.
  EXPECT_EQ(t.GameNo, 3);
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  EXPECT_TRUE(host.PendingTimers().empty());
  EXPECT_EQ(t.HandCount[kHumanSeat], 7);
}

TEST_F(GameEndTest, AfterADrawnGameItsOpenerOpensAgain) {
  t.ResultSeat = 2;
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  s.StockTop("9h");
  s.Complete(1);
  view.PlayFrom(kHumanSeat);
  view.DrawFromStock();  // the last card, drawn by key: the game is drawn at once
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultSeat, 7);
  EXPECT_NE(LastGame().settlement.find("打ち出し親は アンティゴノス が継続します。"), std::string::npos);
  EXPECT_EQ(t.TurnSeat, 2);
  EXPECT_TRUE(host.TimerPending(kTimerComputerTurn));
}

TEST_F(GameEndTest, AfterAFailedTolvaTheDeclarerOpens) {
  t.ResultSeat = 1;
  SetHand(t, 4, "Ks Kh Qs Qh Js Jh Ts");  // 70 points: someone holds fewer
  HumansTurn();
  view.DeclareTolva();
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultKind, kTolvaFailed);
  EXPECT_EQ(LastGame().picture, ResultPicture::TolvaFailed);
  EXPECT_EQ(host.Waves().front(), kWaveTolva);
  EXPECT_EQ(host.Calls(HostCall::Flash).at(0).id, 4);
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  EXPECT_TRUE(host.PendingTimers().empty());
}

TEST_F(GameEndTest, ASuccessfulTolvaShowsItsPicture) {
  HighComputerHands();
  SetHand(t, 4, "As Ah 2s 2h Ac 2d 3h");
  HumansTurn();
  view.DeclareTolva();
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultKind, kTolvaSucceeded);
  EXPECT_EQ(LastGame().picture, ResultPicture::TolvaSucceeded);
}

TEST_F(GameEndTest, SeventyShowsItsPictureAndWave) {
  SetHand(t, 4, "Ts Js Qs Ks Th Jh Qh");
  HumansTurn();
  view.DeclareSeventy();
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultKind, kSeventy);
  EXPECT_EQ(LastGame().table.ResultSeat, 4);
  EXPECT_EQ(LastGame().picture, ResultPicture::Seventy);
  EXPECT_EQ(host.Waves().front(), kWaveSeventy);
}

TEST_F(GameEndTest, InOpenModeTheFirstThreeGamesNeedNoReveal) {
  t.OpenMode = 1;
  SetHand(t, 4, "Ks Kh Qs Qh Js Jh Ts");
  HumansTurn();
  EXPECT_TRUE(view.ComputerHandsFaceUp());
  view.DeclareTolva();
  const auto calls = CallsFrom(HostCall::ResultPicture);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[1], HostCall::Flash) << "no reveal redraw between the picture and the blink";
  EXPECT_EQ(host.Calls(HostCall::Flash)[0].value, 0);
}

TEST_F(GameEndTest, OpenModeShowsTheHandsOnlyInGamesOneToThree) {
  t.OpenMode = 1;
  for (int game = 1; game <= 10; ++game) {
    t.GameNo = game;
    EXPECT_EQ(view.ComputerHandsFaceUp(), game <= 3) << "game " << game;
  }
  t.OpenMode = 0;
  t.GameNo = 1;
  EXPECT_FALSE(view.ComputerHandsFaceUp());
  view.RevealHands = 1;
  EXPECT_TRUE(view.ComputerHandsFaceUp()) << "the end of every game shows them";
}

TEST_F(GameEndTest, TheHumanCannotActWhileTheResultIsShown) {
  SetHand(t, 4, "Ks Kh Qs Qh Js Jh Ts");
  HumansTurn();
  int stockSeen = -1;
  size_t eventsBefore = 0;
  host.duringResult = [&] {
    eventsBefore = host.events.size();
    const int stock = t.StockCount;
    view.DrawFromStock();
    view.LeftPress(PointerTarget::Stock());
    view.DeclareSeventy();
    stockSeen = t.StockCount - stock;
    EXPECT_EQ(host.events.size(), eventsBefore) << "not even a refusal sound";
  };
  view.DeclareTolva();
  EXPECT_EQ(stockSeen, 0);
  EXPECT_EQ(host.finished.size(), 1u);
}

}  // namespace
}  // namespace tolva
