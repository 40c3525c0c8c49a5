// A computer seat's turn: who gets a discard that several seats could call,
// which seats are not asked, the waves played to their end, the flight of the
// drawn card, and a seat in Reach that throws what it draws unless it wins.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/FlowFixture.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::MeldOf;
using testing::SetHand;
using testing::SetRiver;
using Rest = testing::TableScenario::Rest;

struct ComputerTurnTest : testing::FlowFixture {
  bool PlayedToItsEnd(int wave) const {
    for (const auto& e : host.Calls(HostCall::Wave))
      if (e.id == wave) return e.flag;
    return false;
  }
};

TEST_F(ComputerTurnTest, TheLowestSeatCallsEvenWhenItComesLaterInPlay) {
  // Seat 1 discarded the 7d; seat 2 is to move, but seat 0 calls first.
  SetRiver(t, "7d");
  SetHand(t, 0, "7s 7h 2c 5d 9s Jh Kd");
  SetHand(t, 2, "7c 3d 4h 6s 8d Tc Qh");
  s.Complete();
  t.FirstRound = 1;
  t.IppatsuFlag[3] = 1;
  view.PlayFrom(2);
  host.Step();
  EXPECT_EQ(MeldOf(t, 0), testing::Cards("7d 7s 7h"));
  EXPECT_EQ(t.TurnSeat, 0) << "the caller discards without drawing";
  EXPECT_TRUE(PlayedToItsEnd(kWaveComputerPon));
  EXPECT_EQ(t.FirstRound, 0) << "a call ends the first go-around at once";
  EXPECT_EQ(t.IppatsuFlag, (TableState::Ints<kSeats>{}));
  EXPECT_TRUE(host.TimerPending(kTimerDiscardFlight));
  EXPECT_EQ(host.Redraws(true) > 0, true);
}

TEST_F(ComputerTurnTest, OfTwoSeatsThatCouldCallTheLowerGetsTheCard) {
  // A deck holds four of a rank, so two Pon hands need a doctored table: seat 3
  // (whose turn it is, ahead in play) and seat 1 hold the same two sevens.
  host.checkConservation = false;
  SetRiver(t, "7d");
  SetHand(t, 1, "7s 7h 2c 5d 9s Jh Kd");
  SetHand(t, 3, "7s 7h 3d 4h 6s 8d Qh");
  s.Complete();
  view.PlayFrom(3);
  host.Step();
  EXPECT_EQ(MeldOf(t, 0), testing::Cards("7d 7s 7h"));
  EXPECT_EQ(t.TurnSeat, 1);
  EXPECT_EQ(t.HandCount[3], 7) << "seat 3 keeps its sevens";
}

TEST_F(ComputerTurnTest, TheDiscarderIsNotOfferedItsOwnCard) {
  SetRiver(t, "7d");
  SetHand(t, 0, "7s 7h 2c 5d 9s Jh Kd");  // seat 0 threw the 7d
  s.Complete();
  const auto before = Hand(0);
  view.PlayFrom(1);
  host.Step();
  EXPECT_EQ(t.MeldLength[0], 0);
  EXPECT_EQ(Hand(0), before);
  EXPECT_FALSE(PlayedToItsEnd(kWaveComputerPon));
}

TEST_F(ComputerTurnTest, ASeatInReachMakesNoCall) {
  SetRiver(t, "7d");
  SetHand(t, 0, "7s 7h 2c 5d 9s Jh Kd");
  t.ReachFlag[0] = 1;
  s.Complete();
  const auto before = Hand(0);
  view.PlayFrom(2);
  host.Step();
  EXPECT_EQ(t.MeldLength[0], 0);
  EXPECT_EQ(Hand(0), before);
}

TEST_F(ComputerTurnTest, WithEveryRowTakenNoCallIsAnnounced) {
  // Seat 0 could Pon the 7d, but its meld would have no row to go to: the
  // call is not chosen, so its sound does not play either.
  SetRiver(t, "7d");
  SetHand(t, 0, "7s 7h 2c 5d 9s Jh Kd");
  s.Complete();
  // The rows are only marked taken: thirty cards more would leave too few
  // for the hands.
  host.checkConservation = false;
  t.MeldLength.fill(3);
  const auto before = Hand(0);
  view.PlayFrom(2);
  host.Step();
  EXPECT_EQ(Hand(0), before);
  EXPECT_EQ(t.TurnSeat, 2) << "the seat to move plays on";
  const auto waves = host.Waves();
  EXPECT_EQ(std::count(waves.begin(), waves.end(), kWaveComputerPon), 0);
}

TEST_F(ComputerTurnTest, AKanIsAnnouncedToItsEndAndLaysFourCards) {
  SetRiver(t, "7d");
  SetHand(t, 0, "7s 7h 7c 5d 9s Jh Kd");
  s.Complete();
  view.PlayFrom(2);
  host.Step();
  EXPECT_EQ(MeldOf(t, 0), testing::Cards("7d 7s 7h 7c"));
  EXPECT_TRUE(PlayedToItsEnd(kWaveComputerKan));
}

TEST_F(ComputerTurnTest, TheStockCardFliesSevenStepsThenASeatInReachThrowsIt) {
  SetHand(t, 1, "2s 3s 4s 5s 6s 7s 8s");
  t.ReachFlag[1] = 1;
  t.IppatsuFlag[1] = 1;
  s.StockTop("9h");
  s.Complete(5, Rest::InRow9);
  view.PlayFrom(1);
  host.Step();  // the turn: no call (the river is empty), the seat draws
  EXPECT_EQ(view.StockStep, 0);
  for (int step = 1; step <= 6; ++step) {
    host.ClearEvents();
    host.Step();
    EXPECT_EQ(view.StockStep, step);
    EXPECT_EQ(host.Redraws(true), 1);
    EXPECT_EQ(t.StockCount, 5) << "the card leaves the stock when it arrives";
  }
  host.Step();
  EXPECT_EQ(view.StockStep, -1);
  EXPECT_EQ(t.StockCount, 4);
  EXPECT_EQ(t.DiscardCard, C("9h"));
  EXPECT_EQ(view.DiscardStep, 0);
  EXPECT_EQ(Hand(1), testing::Cards("2s 3s 4s 5s 6s 7s 8s")) << "the card never enters the hand";
  EXPECT_EQ(t.IppatsuFlag[1], 0) << "the draw without a win ends the ippatsu";
  EXPECT_EQ(view.CardsInFlight(), std::vector<int>{C("9h")});
  for (int step = 1; step <= 7; ++step) host.Step();
  EXPECT_EQ(RiverTop(), C("9h"));
  EXPECT_EQ(host.Waves().back(), kWaveDiscardLands);
  EXPECT_EQ(t.TurnSeat, 2);
  EXPECT_TRUE(host.TimerPending(kTimerTurnPause));
  host.Step();
  EXPECT_TRUE(host.TimerPending(kTimerComputerTurn)) << "the pause leads to the next turn";
}

TEST_F(ComputerTurnTest, ASeatInReachWinsByTsumoAndKeepsTheWinningCard) {
  SetHand(t, 1, "2s 5s 9c Kh 5h 9d Kd");
  std::sort(t.Hand[1].begin(), t.Hand[1].begin() + 7);  // computer hands are kept in code order
  t.ReachFlag[1] = 1;
  s.StockTop("2h");
  s.Complete(5, Rest::InRow9);
  view.PlayFrom(1);
  ASSERT_TRUE(host.RunUntilGameEnds());
  const TableState& end = LastGame().table;
  EXPECT_EQ(end.ResultKind, kTsumo);
  EXPECT_EQ(end.ResultSeat, 1);
  EXPECT_EQ(LastGame().picture, ResultPicture::Tsumo);
  // The winning card lies in the revealed hand, in its sorted place.
  std::vector<int> expected = testing::Cards("2s 2h 5s 5h 9d 9c Kd Kh");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(testing::HandOf(end, 1), expected);
  EXPECT_EQ(host.Calls(HostCall::Flash).at(0).id, 1);
}

}  // namespace
}  // namespace tolva
