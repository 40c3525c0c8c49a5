// The human's declarations: when each is offered, its refusals (with and
// without the reminders), and what an accepted Reach sets in motion: the
// coin, the cue, and in cunning mode the badge.
#include <gtest/gtest.h>

#include "tests/support/FlowFixture.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::SetHand;

struct DeclarationsTest : testing::FlowFixture {
  void DrawnEightCards() {
    SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
    s.StockTop("3c");
    HumansTurn();
    view.DrawFromStock();
  }
};

TEST_F(DeclarationsTest, WhatTheMenuOffersFollowsTheTurn) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  s.Complete();
  view.PlayFrom(1);
  EXPECT_FALSE(view.DeclarationAllowed(Declaration::Tolva)) << "not his turn";
  t.TurnSeat = kHumanSeat;
  host.KillTimer(kTimerComputerTurn);
  EXPECT_TRUE(view.DeclarationAllowed(Declaration::Tolva));
  EXPECT_TRUE(view.DeclarationAllowed(Declaration::Seventy));
  EXPECT_FALSE(view.DeclarationAllowed(Declaration::Reach));
  view.DrawFromStock();
  EXPECT_TRUE(view.DeclarationAllowed(Declaration::Reach));
  EXPECT_FALSE(view.DeclarationAllowed(Declaration::Tolva));
  EXPECT_FALSE(view.DeclarationAllowed(Declaration::Seventy));
  view.MapShown = 1;
  EXPECT_FALSE(view.DeclarationAllowed(Declaration::Reach));
  view.MapShown = 0;
  t.PonSelect = 1;
  EXPECT_FALSE(view.DeclarationAllowed(Declaration::Reach));
  t.PonSelect = 0;
  t.ReachFlag[4] = 1;
  EXPECT_FALSE(view.DeclarationAllowed(Declaration::Reach));
}

TEST_F(DeclarationsTest, ReachBeforeDrawingIsRefused) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  HumansTurn();
  view.DeclareReach();
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgReachAfterDrawOnly});
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
  EXPECT_EQ(t.ReachFlag[4], 0);
  t.RuleRem = 0;
  host.ClearEvents();
  view.DeclareReach();
  EXPECT_TRUE(host.MessageIds().empty());
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
}

TEST_F(DeclarationsTest, ReachWithAnEmptyStockIsRefused) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  s.StockTop("3c");
  s.Complete(1);
  view.PlayFrom(kHumanSeat);
  host.Drop(PointerTarget::Stock(), PointerTarget::HandArea());  // the last card, by mouse
  ASSERT_EQ(t.StockCount, 0);
  view.DeclareReach();
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgStockEmptyNoReach});
  EXPECT_EQ(t.ReachPending, 0);
}

TEST_F(DeclarationsTest, AnAcceptedReachPaysACoinAndSendsItFlying) {
  DrawnEightCards();
  host.RightPress(PointerTarget::HandCard(2));
  t.CardSpeed = 2;
  const int purse = t.Purse[4];
  const int pool = t.PendingPool;
  host.ClearEvents();
  view.DeclareReach();
  EXPECT_EQ(t.Purse[4], purse - 1);
  EXPECT_EQ(t.PendingPool, pool + 1);
  EXPECT_EQ(t.ReachPending, 1);
  EXPECT_EQ(t.ReachFlag[4], 1);
  EXPECT_EQ(t.IppatsuFlag[4], 1);
  EXPECT_EQ(t.Selected, (TableState::Ints<kHandSlots>{}));
  EXPECT_EQ(view.ReachAnimSeat, 4);
  EXPECT_EQ(view.ReachStep, 0);
  EXPECT_EQ(host.TimerPeriod(kTimerReachCoin), 101);
  EXPECT_EQ(host.Waves(), (std::vector<int>{kWaveReach, kWaveReachSecond}));
  EXPECT_TRUE(host.Calls(HostCall::Badge).empty()) << "outside cunning mode: the second cue once, no badge";
  for (const auto& wave : host.Calls(HostCall::Wave)) EXPECT_TRUE(wave.flag) << "played to its end";
}

TEST_F(DeclarationsTest, TheReachCoinFliesBesideTheNextSteps) {
  DrawnEightCards();
  view.DeclareReach();
  host.Key(HumanKey::Up);  // the 3c leaves a Reach hand; seat 0's turn is set
  EXPECT_TRUE(host.TimerPending(kTimerReachCoin));
  EXPECT_TRUE(host.TimerPending(kTimerComputerTurn));
  int coinTicks = 0;
  while (host.TimerPending(kTimerReachCoin) && coinTicks < 20) {
    const int before = view.ReachStep;
    host.Step();
    if (view.ReachStep != before) ++coinTicks;
  }
  EXPECT_EQ(coinTicks, 7);
  EXPECT_EQ(view.ReachStep, -1);
  EXPECT_EQ(view.ReachAnimSeat, -1);
  EXPECT_NE(t.TurnSeat, kHumanSeat) << "the game went on meanwhile";
}

TEST_F(DeclarationsTest, InCunningModeTheReachCueShowsTheBadges) {
  DrawnEightCards();
  view.CunningMode = 1;
  host.ClearEvents();
  view.DeclareReach();
  std::vector<std::pair<HostCall, int>> cue;
  for (const auto& e : host.events)
    if (e.call == HostCall::Wave || e.call == HostCall::Badge) cue.emplace_back(e.call, e.id);
  const std::vector<std::pair<HostCall, int>> expected{
      {HostCall::Wave, kWaveReach},       {HostCall::Badge, 169}, {HostCall::Wave, kWaveReachSecond},
      {HostCall::Badge, 168},             {HostCall::Wave, kWaveReachSecond}, {HostCall::Badge, 0}};
  EXPECT_EQ(cue, expected);
}

TEST_F(DeclarationsTest, WithoutSoundTheBadgesStillShow) {
  DrawnEightCards();
  view.CunningMode = 1;
  t.Koukaon = 0;
  host.ClearEvents();
  view.DeclareReach();
  EXPECT_TRUE(host.Waves().empty());
  std::vector<int> badges;
  for (const auto& e : host.Calls(HostCall::Badge)) badges.push_back(e.id);
  EXPECT_EQ(badges, (std::vector<int>{169, 168, 0}));
}

TEST_F(DeclarationsTest, TolvaAfterDrawingIsRefused) {
  DrawnEightCards();
  host.ClearEvents();
  view.DeclareTolva();
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgCannotDeclareNow});
  EXPECT_TRUE(host.finished.empty());
}

TEST_F(DeclarationsTest, TolvaInReachIsRefused) {
  SetHand(t, 4, "As Ah 2s 2h Ac 2d 3h");
  t.ReachFlag[4] = 1;
  HumansTurn();
  view.DeclareTolva();
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgCannotDeclareNow});
}

TEST_F(DeclarationsTest, SeventyNeedsSevenTenPointers) {
  SetHand(t, 4, "Ts Js Qs Ks Th Jh J53");  // a joker counts nothing: 60 points
  HumansTurn();
  view.DeclareSeventy();
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgNotSeventyPoints});
  t.RuleRem = 0;
  host.ClearEvents();
  view.DeclareSeventy();
  EXPECT_TRUE(host.MessageIds().empty());
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
  EXPECT_TRUE(host.finished.empty());
}

TEST_F(DeclarationsTest, SeventyAfterDrawingIsRefusedAsNotNow) {
  SetHand(t, 4, "Ts Js Qs Ks Th Jh Qh");
  s.StockTop("3c");
  HumansTurn();
  view.DrawFromStock();
  view.DeclareSeventy();
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgCannotDeclareNow});
}

}  // namespace
}  // namespace tolva
