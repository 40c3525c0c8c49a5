// The flights' seven points with their truncation, the timer periods the
// speeds give, and what happens when the platform refuses a timer.
#include <gtest/gtest.h>

#include "tests/support/FlowFixture.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::SetHand;

std::vector<int> Ys(const FlightPath& path) {
  std::vector<int> ys;
  for (const auto& p : path) ys.push_back(p.y);
  return ys;
}
std::vector<int> Xs(const FlightPath& path) {
  std::vector<int> xs;
  for (const auto& p : path) xs.push_back(p.x);
  return xs;
}

TEST(Flights, StockToSeatOneRunsTheTruncatedSevenths) {
  testing::ScriptedHost host;
  CTolvaView view(host);
  // (667 - 345) / 7 = 46, (0 - 398) / 7 = -56.86, truncated to -56.
  EXPECT_EQ(Xs(view.StockFlight[1]), (std::vector<int>{391, 437, 483, 529, 575, 621, 667}));
  EXPECT_EQ(Ys(view.StockFlight[1]), (std::vector<int>{342, 286, 230, 174, 118, 62, 6}));
}

TEST(Flights, TruncationTowardsZeroStopsShortOfTheTarget) {
  // Stock to seat 3: -345 / 7 = -49.3 gives -49 (not -50): the card stops at x 2.
  const FlightPath path = MakeFlight(kStockPoint, kSeatPlaces[3]);
  EXPECT_EQ(Xs(path), (std::vector<int>{296, 247, 198, 149, 100, 51, 2}));
  EXPECT_EQ(Ys(path), (std::vector<int>(7, 398)));
}

TEST(Flights, EveryTableFollowsItsPlaces) {
  testing::ScriptedHost host;
  CTolvaView view(host);
  EXPECT_EQ(view.RiverFlight[0], MakeFlight({514, 398}, {1010, 398}));
  EXPECT_EQ(view.RiverFlight[0][6], (TablePoint{514 + 7 * 70, 398}));
  EXPECT_EQ(view.DiscardFlight[2], MakeFlight({209, 0}, {514, 398}));
  EXPECT_EQ(view.DiscardFlight[2][0], (TablePoint{209 + 43, 56}));
  EXPECT_EQ(view.ReachFlight[4], MakeFlight({505, 1010}, {485, 702}));
  EXPECT_EQ(view.ReachFlight[4][6], (TablePoint{505 - 14, 1010 - 308}));
  EXPECT_EQ(view.ReachFlight[1], MakeFlight({667, 0}, {570, 288}));
}

struct TimersTest : testing::FlowFixture {};

TEST_F(TimersTest, TheTurnPauseFollowsManSpeed) {
  t.ManSpeed = 3;
  s.Complete();
  view.PlayFrom(2);
  EXPECT_EQ(host.TimerPeriod(kTimerComputerTurn), 2001);
}

TEST_F(TimersTest, PeriodsOfTheFlightAndThePause) {
  t.CardSpeed = 2;
  t.PonSpeed = 2;
  SetHand(t, 1, "2s 3s 4s 5s 6s 7s 8s");
  t.ReachFlag[1] = 1;
  s.StockTop("9h");
  s.Complete(5, testing::TableScenario::Rest::InRow9);
  view.PlayFrom(1);
  host.Step();  // the turn: seat 1 draws
  EXPECT_EQ(host.TimerPeriod(kTimerStockFlight), 101);
  for (int tick = 0; tick < 7; ++tick) host.Step();
  EXPECT_EQ(host.TimerPeriod(kTimerDiscardFlight), 101);
  for (int tick = 0; tick < 7; ++tick) host.Step();
  EXPECT_EQ(host.TimerPeriod(kTimerTurnPause), 1200) << "PonSpeed × 600";
  host.Step();
  EXPECT_EQ(host.TimerPeriod(kTimerComputerTurn), 1) << "ManSpeed 1: one millisecond";
}

TEST_F(TimersTest, ATimerThatCannotBeSetStopsTheGameWhereItIs) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  view.DrawFromStock();
  host.failSetTimer.insert(kTimerComputerTurn);
  host.ClearEvents();
  host.Key(HumanKey::Up);
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgTimerSetFailed});
  EXPECT_EQ(host.Calls(HostCall::Message)[0].style, MessageStyle::Error);
  EXPECT_TRUE(host.PendingTimers().empty()) << "the step is not taken, nothing is retried";
  EXPECT_EQ(view.LastTimer(), TimerRecord{});
  EXPECT_EQ(t.TurnSeat, 0);
  EXPECT_FALSE(host.Step());
}

TEST_F(TimersTest, ATimerThatCannotBeKilledIsReportedAndTheFlowGoesOn) {
  SetHand(t, 3, "2s 3s 4s 5s 6s 7s 8s");
  t.ReachFlag[3] = 1;
  SetHand(t, 4, "9s 9h Ts Th Js Jh Qs");
  s.StockTop("Kd");
  s.Complete(5, testing::TableScenario::Rest::InRow9);
  view.PlayFrom(3);
  host.failKillTimer.insert(kTimerDiscardFlight);
  ASSERT_TRUE(host.RunUntilHumanTurn());
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgTimerKillFailed});
  EXPECT_EQ(host.Calls(HostCall::Message)[0].style, MessageStyle::Error);
  EXPECT_EQ(RiverTop(), C("Kd")) << "the discard landed once";
  EXPECT_EQ(view.LastTimer(), TimerRecord{}) << "the record is cleared all the same";
  // The platform's timer keeps ticking; the game ignores it.
  const int river = t.RiverCount;
  host.Step();
  EXPECT_EQ(t.RiverCount, river);
}

TEST_F(TimersTest, TheLastTimerRecordHoldsTheMostRecentTimerUntilAKill) {
  s.Complete();
  t.ManSpeed = 2;
  view.PlayFrom(1);
  EXPECT_EQ(view.LastTimer(), (TimerRecord{kTimerComputerTurn, 1001}));
  host.ClearEvents();
  view.TolvaDeclared(1);  // Tolva kills the last timer first, then sounds
  ASSERT_GE(host.events.size(), 2u);
  EXPECT_EQ(host.events[0].call, HostCall::TimerKill);
  EXPECT_EQ(host.events[0].id, kTimerComputerTurn);
  EXPECT_EQ(host.events[1].call, HostCall::Wave);
  EXPECT_EQ(host.events[1].id, kWaveTolva);
}

TEST_F(TimersTest, AStaleTickOfAKilledTimerDoesNothing) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  host.ClearEvents();
  const TableState before = t;
  view.OnTimer(kTimerDiscardFlight);
  view.OnTimer(kTimerComputerTurn);
  EXPECT_EQ(t.TurnSeat, before.TurnSeat);
  EXPECT_EQ(t.RiverCount, before.RiverCount);
  EXPECT_TRUE(host.events.empty());
}

}  // namespace
}  // namespace tolva
