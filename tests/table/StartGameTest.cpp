// The start of a game: its resets, the salaries of a city's first game (and
// the campaign's end when they empty the king's purse), the deck, and the
// choice of the opening seat with its blink.
#include <gtest/gtest.h>

#include "rules/Invariant.h"
#include "table/SettingsSchema.h"
#include "tests/support/FlowFixture.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::SetStock;

struct FirstGameTest : ::testing::Test {
  testing::ScriptedHost host;
  CTolvaView view{host};
  Settings settings{host.store};

  void SetUp() override {
    host.Attach(view);
    view.Initialising = 0;
    for (int seat = 0; seat < kComputerSeats; ++seat) settings.SetPurse(seat, 10);
    settings.SetPurse(kHumanSeat, 1000);
  }
  // The five bottom cards of the stock lie beside seats 0 to 4.
  void ShowOpeningCards(std::string_view cards) {
    const auto codes = testing::Cards(cards);
    // Swap the wanted cards into the bottom five, wherever the deal put them.
    for (int i = 0; i < 5; ++i) {
      for (int seat = 0; seat < kSeats; ++seat)
        for (int k = 0; k < view.t.HandCount[seat]; ++k)
          if (view.t.Hand[seat][k] == codes[i]) std::swap(view.t.Hand[seat][k], view.t.Stock[i]);
      for (int k = 0; k < view.t.StockCount; ++k)
        if (view.t.Stock[k] == codes[i]) std::swap(view.t.Stock[k], view.t.Stock[i]);
    }
    ASSERT_EQ(CheckCardConservation(view.t), "");
  }
};

TEST_F(FirstGameTest, SalariesAreLoadedPaidAndThePoolEmptied) {
  view.t.PendingPool = 7;
  view.StartGame();
  EXPECT_EQ(view.t.GameNo, 1);
  EXPECT_EQ(view.t.Purse, (TableState::Ints<kSeats>{60, 60, 60, 60, 800}));
  EXPECT_EQ(view.t.PendingPool, 0);
  EXPECT_EQ(view.TableActive, 1);
}

TEST_F(FirstGameTest, AKingWithExactlyTwoHundredCoinsLosesTheCampaign) {
  settings.SetPurse(kHumanSeat, 200);
  settings.SetConqCity(5);
  host.Expect(kMsgWarChestEmpty, Answer::No);
  view.StartGame();
  EXPECT_TRUE(host.ScriptDone());
  EXPECT_EQ(view.TableActive, 0);
  EXPECT_EQ(view.t.GameNo, 0);
  EXPECT_EQ(settings.Purse(kHumanSeat), 0);
  EXPECT_EQ(settings.Purse(0), 0) << "all five purses are reset";
  EXPECT_EQ(settings.ConqCity(), 0);
  EXPECT_TRUE(host.PendingTimers().empty()) << "no game until the start command";
}

TEST_F(FirstGameTest, AgreeingToStartOverRunsTheCourseSelectionAndANewCity) {
  settings.SetPurse(kHumanSeat, 150);
  host.Expect(kMsgWarChestEmpty, Answer::Yes);
  host.courseChosen = 2;
  view.StartGame();
  EXPECT_EQ(host.Calls(HostCall::CourseSelection).size(), 1u);
  EXPECT_EQ(view.t.GameNo, 1);
  EXPECT_EQ(view.t.Purse[kHumanSeat], 5000 - 200) << "the new course's purse, less the salaries";
  EXPECT_TRUE(host.TimerPending(kTimerOpeningSeat));
}

TEST_F(FirstGameTest, CancellingTheNewCourseSelectionEndsTheProgram) {
  settings.SetPurse(kHumanSeat, 100);
  host.Expect(kMsgWarChestEmpty, Answer::Yes);
  host.courseSelectionOk = false;
  view.StartGame();
  EXPECT_EQ(host.Calls(HostCall::Quit).size(), 1u);
  EXPECT_EQ(view.TableActive, 0);
}

TEST_F(FirstGameTest, TheDeckFollowsTheJokerSetting) {
  for (const auto& [jokers, stock] : {std::pair{2, 19}, {4, 21}, {6, 23}, {5, 19}}) {
    settings.SetJoker(jokers);
    view.t.GameNo = 3;
    view.StartGame();
    EXPECT_EQ(view.t.DeckSize, 52 + (jokers == 5 ? 2 : jokers)) << jokers << " jokers";
    EXPECT_EQ(view.t.StockCount, stock);
    EXPECT_EQ(CheckCardConservation(view.t), "");
  }
}

TEST_F(FirstGameTest, EveryGameStartsFromAClearTable) {
  view.t.GameNo = 4;
  view.StartGame();
  TableState& t = view.t;
  t.ReachFlag[2] = t.IppatsuFlag[2] = t.TolvaMark[1] = 1;
  t.MeldLength[3] = 3;
  t.Selected[1] = 1;
  t.PonSelect = t.HasDrawn = t.ReachPending = 1;
  t.RiverTakenCard = 9;
  view.RevealHands = 1;
  view.StartGame();
  EXPECT_EQ(t.GameNo, 6);
  EXPECT_EQ(t.FirstRound, 1);
  EXPECT_EQ(t.ReachFlag, (TableState::Ints<kSeats>{}));
  EXPECT_EQ(t.IppatsuFlag, (TableState::Ints<kSeats>{}));
  EXPECT_EQ(t.TolvaMark, (TableState::Ints<kSeats>{}));
  EXPECT_EQ(t.MeldLength, (TableState::Ints<kMeldRows>{}));
  EXPECT_EQ(t.RiverCount, 0);
  EXPECT_EQ(t.ReachPending, 0);
  EXPECT_EQ(view.RevealHands, 0);
  // The human's working state of the last game does not carry over.
  EXPECT_EQ(t.Selected, (TableState::Ints<kHandSlots>{}));
  EXPECT_EQ(t.PonSelect, 0);
  EXPECT_EQ(t.HasDrawn, 0);
  EXPECT_EQ(t.RiverTakenCard, kEmptySlot);
  EXPECT_FALSE(host.TimerPending(kTimerOpeningSeat)) << "only a city's first game chooses its opener";
}

TEST_F(FirstGameTest, TheOpeningSeatBlinksEightTimesAfterFiveTicks) {
  view.StartGame();
  ShowOpeningCards("Ks Th Qd Jc Qs");  // all keys 10: the lowest seat opens
  host.ClearEvents();
  for (int tick = 1; tick <= 4; ++tick) host.Step();
  EXPECT_EQ(view.ChoiceTick, 4);
  EXPECT_EQ(host.Redraws(true) + host.Redraws(false), 0) << "nothing is drawn during the first ticks";
  EXPECT_EQ(host.now, 400);
  host.Step();
  EXPECT_EQ(view.t.ResultSeat, 0);
  std::vector<std::pair<HostCall, int>> blink;
  for (const auto& e : host.events)
    if (e.call == HostCall::Redraw || e.call == HostCall::Wait)
      blink.emplace_back(e.call, e.call == HostCall::Wait ? e.id : int(e.flag));
  std::vector<std::pair<HostCall, int>> expected;
  for (int flip = 0; flip < 8; ++flip) {
    expected.emplace_back(HostCall::Redraw, 1);
    expected.emplace_back(HostCall::Wait, 100);
  }
  expected.emplace_back(HostCall::Redraw, 1);  // the five cards disappear
  expected.emplace_back(HostCall::Redraw, 0);  // the opener's plate lights
  EXPECT_EQ(blink, expected);
  EXPECT_EQ(view.ChoiceShown, 0);
  EXPECT_EQ(view.ChoiceBlink, 0);
  EXPECT_FALSE(host.TimerPending(kTimerOpeningSeat));
  EXPECT_EQ(view.t.TurnSeat, 0);
  EXPECT_TRUE(host.TimerPending(kTimerComputerTurn));
}

TEST_F(FirstGameTest, AJokerWinsTheOpeningTheMomentItsSeatIsExamined) {
  view.StartGame();
  ShowOpeningCards("5s 7h As J53 2c");
  for (int tick = 0; tick < 5; ++tick) host.Step();
  EXPECT_EQ(view.t.ResultSeat, 3);
  EXPECT_EQ(view.t.TurnSeat, 3);
}

TEST_F(FirstGameTest, WhenTheHumanOpensNoTimerIsSet) {
  view.StartGame();
  ShowOpeningCards("5s 7h 4d 9c As");
  for (int tick = 0; tick < 5; ++tick) host.Step();
  EXPECT_EQ(view.t.TurnSeat, kHumanSeat);
  EXPECT_TRUE(host.PendingTimers().empty()) << "nothing moves until he acts";
  EXPECT_TRUE(view.HumansTurn());
  EXPECT_EQ(view.t.HasDrawn, 0);
  EXPECT_EQ(host.LastRedrawnTurnSeat(), kHumanSeat) << "his plate is lit while the game waits";
}

// After the opening choice a general's plate lights before his turn pause, and
// a new city's choice does not leave the plate of the last city's mover lit.
TEST_F(FirstGameTest, TheOpenersPlateIsLitWhenPlayBegins) {
  view.t.TurnSeat = 2;  // he moved last in the previous city
  view.StartGame();
  ShowOpeningCards("Ks Th Qd Jc Qs");
  for (int tick = 0; tick < 5; ++tick) host.Step();
  ASSERT_EQ(view.t.TurnSeat, 0);
  ASSERT_TRUE(host.TimerPending(kTimerComputerTurn));
  EXPECT_EQ(host.LastRedrawnTurnSeat(), 0);
}

TEST_F(FirstGameTest, TheHumanCannotActWhileTheOpeningSeatIsChosen) {
  view.t.TurnSeat = kHumanSeat;  // he won the last game of the previous city
  view.StartGame();
  const int stock = view.t.StockCount;
  view.DrawFromStock();
  view.LeftPress(PointerTarget::Stock());
  EXPECT_EQ(view.t.StockCount, stock);
  EXPECT_FALSE(view.DeclarationAllowed(Declaration::Tolva));
}

TEST_F(FirstGameTest, AfterTheTenthGameTheMapAdvancesAndTheNextCityBeginsAfterThePause) {
  view.t.GameNo = 9;
  view.StartGame();
  view.t.ResultSeat = 1;
  view.t.ResultKind = kTsumo;
  view.EndGame();
  EXPECT_EQ(view.MapShown, 1);
  EXPECT_EQ(view.t.GameNo, 10) << "no game is started";
  EXPECT_EQ(host.PendingTimers(), std::vector<int>{kTimerRoute});
  ASSERT_TRUE(host.RunUntil([&] { return host.TimerPending(kTimerNextCity); }, "the end of the route"));
  EXPECT_EQ(host.TimerPeriod(kTimerNextCity), 3000);
  host.RunFor(2999);
  EXPECT_EQ(view.MapShown, 1);
  host.RunFor(1);
  EXPECT_EQ(view.MapShown, 0);
  EXPECT_EQ(host.Calls(HostCall::Dissolve).size(), 1u);
  EXPECT_FALSE(host.Calls(HostCall::Dissolve)[0].flag);
  EXPECT_EQ(view.t.GameNo, 1);
  EXPECT_EQ(view.t.Purse[0], 60) << "the salaries of the new city";
  EXPECT_TRUE(host.TimerPending(kTimerOpeningSeat));
}

}  // namespace
}  // namespace tolva
