// The ways a campaign ends or stops: the leg after the ninety-ninth city
// completes it; an empty purse at a city's start and the map reset command
// reset it (the king back at the starting city on an unmarked map); a map
// picture with no way on, or a walk that never ends, returns to the table
// with nothing lost.
#include <gtest/gtest.h>

#include "tests/support/CampaignFixture.h"
#include "tests/support/PixelArt.h"

namespace tolva {
namespace {

using testing::DrawArt;
using testing::HostCall;

using CampaignEnd = testing::CampaignFixture;

// --- completion ---------------------------------------------------------------

TEST_F(CampaignEnd, TheLegAfterTheNinetyNinthCityCompletesTheCampaignAndEndsTheProgram) {
  settings.SetCunNow(2);
  settings.SetCunningView(1);
  StartUp(99);  // the host's map has four cities: the rebuild stops at the dead end
  EXPECT_EQ(view.CityPoint, AsTable(cities[3]));
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());

  std::vector<HostCall> order;
  for (const auto& e : host.events)
    if (e.call == HostCall::ResultPicture || e.call == HostCall::Message || e.call == HostCall::Quit)
      order.push_back(e.call);
  EXPECT_EQ(order, (std::vector<HostCall>{HostCall::ResultPicture, HostCall::Message, HostCall::Quit}));
  ASSERT_EQ(host.Calls(HostCall::ResultPicture).size(), 1u);
  EXPECT_EQ(host.Calls(HostCall::ResultPicture)[0].id, static_cast<int>(ResultPicture::CampaignComplete));
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgCampaignComplete});
  EXPECT_EQ(host.Calls(HostCall::Message)[0].style, MessageStyle::Information);
  EXPECT_EQ(host.store.Stored("Last", "Coin4"), std::optional<std::string>(""));
  EXPECT_EQ(settings.ConqCity(), 0);
  EXPECT_EQ(host.store.Groups().back(), (std::vector<std::string>{"Last/Coin4", "Map/ConqCity"}))
      << "the end is written as one";
  EXPECT_EQ(settings.CunNow(), 4) << "any peek window closes";
  EXPECT_EQ(settings.CunningView(), 0) << "and none counts as running";
  EXPECT_TRUE(host.PendingTimers().empty()) << "no next city";
}

TEST_F(CampaignEnd, AfterTheCompletionTheNextRunBeginsWithTheCourseSelection) {
  StartUp(99);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  testing::ScriptedHost next;
  next.store = host.store;
  CTolvaView nextView{next};
  next.Attach(nextView);
  nextView.OnFirstShow();
  next.Step();
  EXPECT_EQ(next.Calls(HostCall::CourseSelection).size(), 1u);
  EXPECT_EQ(nextView.CityPoint, AsTable(kStartCityPoint));
  EXPECT_TRUE(next.map == unmarked);
}

// --- an empty purse at a city's start ----------------------------------------------

TEST_F(CampaignEnd, ExactlyTwoHundredCoinsAtTheNextCitysStartResetTheCampaign) {
  StartUp(2);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  ASSERT_EQ(settings.ConqCity(), 3);
  settings.SetPurse(kHumanSeat, 200);  // as the tenth game's settlement left it
  host.Expect(kMsgWarChestEmpty, Answer::No);
  host.RunFor(3000);
  EXPECT_TRUE(host.ScriptDone());
  EXPECT_EQ(view.TableActive, 0);
  EXPECT_EQ(settings.Purse(kHumanSeat), 0);
  EXPECT_EQ(settings.ConqCity(), 0);
  // The king is back at the starting city, and the map shows no march.
  EXPECT_EQ(view.CityPoint, AsTable(kStartCityPoint));
  EXPECT_TRUE(host.map == unmarked);
}

TEST_F(CampaignEnd, APurseBelowZeroPlaysOnUntilTheNextCity) {
  settings.SetPurse(kHumanSeat, 300);
  StartUp(0);
  view.StartGame();  // the start command: game 1, the salaries leave 100
  ASSERT_EQ(view.t.Purse[kHumanSeat], 100);
  view.t.Purse[kHumanSeat] = -250;  // a heavy loss, settled and saved
  view.SavePurses();
  for (int game = 2; game <= 10; ++game) {
    view.t.ResultSeat = kHumanSeat;
    view.t.ResultKind = kWentOut;
    view.EndGame();
    ASSERT_EQ(view.t.GameNo, game);
    EXPECT_EQ(view.TableActive, 1) << "no reset within the city";
    EXPECT_EQ(view.t.Purse[kHumanSeat], -250);
  }
  view.t.ResultSeat = kHumanSeat;
  view.EndGame();
  ASSERT_TRUE(WalkLeg());
  EXPECT_TRUE(host.ScriptDone()) << "nothing asked before the next city";
  host.Expect(kMsgWarChestEmpty, Answer::No);
  host.RunFor(3000);
  EXPECT_TRUE(host.ScriptDone());
  EXPECT_EQ(view.TableActive, 0);
}

TEST_F(CampaignEnd, AnsweringNoLeavesAnEmptyTableAndTheNextStartResetsAgainAtOnce) {
  settings.SetPurse(kHumanSeat, 150);
  settings.SetPurse(1, 900);
  StartUp(2);
  host.Expect(kMsgWarChestEmpty, Answer::No);
  view.StartGame();
  EXPECT_TRUE(host.ScriptDone());
  EXPECT_EQ(view.TableActive, 0);
  EXPECT_EQ(view.t.GameNo, 0);
  for (int seat = 0; seat < kSeats; ++seat)
    EXPECT_EQ(host.store.Stored("Last", kKeyCoin[seat]), std::optional<std::string>("0")) << seat;
  EXPECT_EQ(host.store.Groups().back(),
            (std::vector<std::string>{"Last/Coin0", "Last/Coin1", "Last/Coin2", "Last/Coin3",
                                      "Last/Coin4", "Map/ConqCity"}))
      << "the reset is written as one";
  EXPECT_TRUE(host.PendingTimers().empty());

  host.ClearEvents();
  host.Expect(kMsgWarChestEmpty, Answer::No);
  view.StartGame();  // the start command again
  EXPECT_TRUE(host.ScriptDone()) << "the salaries empty the purse of 0 at once";
  EXPECT_EQ(view.TableActive, 0);
  EXPECT_TRUE(host.Calls(HostCall::CourseSelection).empty());
  EXPECT_TRUE(host.map == unmarked);
}

TEST_F(CampaignEnd, StartingOverAfterAResetMarchesFromTheStartingCityAgain) {
  StartUp(3);
  settings.SetPurse(kHumanSeat, 100);
  host.Expect(kMsgWarChestEmpty, Answer::Yes);
  view.StartGame();  // the new course's purse, then the first city's games
  ASSERT_EQ(view.t.GameNo, 1);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(view.CityPoint, AsTable(cities[0])) << "the first leg again, not the fourth";
  EXPECT_EQ(settings.ConqCity(), 1);
}

// --- the map reset command -------------------------------------------------------------

TEST_F(CampaignEnd, TheMapResetCommandAsksTwiceAndNoChangesNothing) {
  StartUp(1);
  view.StartGame();
  host.Expect(kMsgAskResetMap, Answer::No);
  view.MapResetCommand();
  EXPECT_EQ(view.TableActive, 1);
  EXPECT_EQ(settings.ConqCity(), 1);
  EXPECT_TRUE(host.TimerPending(kTimerOpeningSeat));
  host.Expect(kMsgAskResetMap, Answer::Yes);
  host.Expect(kMsgWarChestEmpty, Answer::No);
  view.MapResetCommand();
  EXPECT_TRUE(host.ScriptDone());
  EXPECT_EQ(view.TableActive, 0);
  EXPECT_EQ(settings.ConqCity(), 0);
  EXPECT_EQ(settings.Purse(kHumanSeat), 0);
  EXPECT_TRUE(host.PendingTimers().empty());
  EXPECT_TRUE(host.map == unmarked);
}

TEST_F(CampaignEnd, TheMapResetDuringTheRouteStopsTheWalkAndTakesOffItsMarks) {
  StartUp(2);
  TenthGameEnds();
  for (int tick = 0; tick < 7; ++tick) host.Step();
  host.Expect(kMsgAskResetMap, Answer::Yes);
  host.Expect(kMsgWarChestEmpty, Answer::No);
  view.MapResetCommand();
  EXPECT_TRUE(host.PendingTimers().empty()) << "neither the walk nor the next city goes on";
  EXPECT_FALSE(view.Route());
  EXPECT_TRUE(host.map == unmarked);
  EXPECT_EQ(view.CityPoint, AsTable(kStartCityPoint));
}

TEST_F(CampaignEnd, TheMapResetCommandIsRefusedWithoutAGame) {
  StartUp(1);
  view.MapResetCommand();  // greyed: nothing is asked
  EXPECT_TRUE(host.MessageIds().empty());
  EXPECT_EQ(settings.ConqCity(), 1);
}

// --- no way on -------------------------------------------------------------------------

// A smudge of land over the east half of the starting city: the search finds
// neither the city's ring nor a leg.
void SmudgeTheStartingCity(MemoryPixelMap& map) {
  for (int y = 255; y <= 265; ++y) DrawArt(map, {655, y}, {"################"});
}

TEST_F(CampaignEnd, ADamagedMapShowsItsMessageAndReturnsToAnEmptyTableWithNothingLost) {
  SmudgeTheStartingCity(host.map);
  settings.SetPurse(0, 70);
  StartUp(0);
  TenthGameEnds();
  ASSERT_EQ(host.MessageIds(), std::vector<int>{kMsgNoNextCity});
  EXPECT_EQ(host.Calls(HostCall::Message)[0].style, MessageStyle::Error);
  EXPECT_EQ(view.MapShown, 0) << "back to the table";
  EXPECT_EQ(view.TableActive, 0);
  EXPECT_EQ(view.t.GameNo, 0);
  EXPECT_TRUE(host.PendingTimers().empty());
  EXPECT_EQ(settings.Purse(kHumanSeat), 5000);
  EXPECT_EQ(settings.Purse(0), 70);
  EXPECT_EQ(settings.ConqCity(), 0);

  // The start command plays the city again, as a restart of the program would.
  host.ClearEvents();
  view.StartGame();
  EXPECT_EQ(view.t.GameNo, 1);
  EXPECT_EQ(view.TableActive, 1);
  EXPECT_EQ(view.t.Purse[kHumanSeat], 4800);
  EXPECT_TRUE(host.TimerPending(kTimerOpeningSeat));
}

TEST_F(CampaignEnd, AWalkLongerThanAnyLegEndsLikeAMissingLegAndGivesItsPixelsBack) {
  // A picture without key colours: every pixel reads as the route colour, so
  // the walk would wander over the whole picture.
  host.map = MemoryPixelMap(1831, 649, 0x204060);
  const MemoryPixelMap blank = host.map;
  StartUp(0);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgNoNextCity});
  EXPECT_LE(host.Calls(HostCall::MapView).size(), 1005u) << "about a thousand ticks";
  EXPECT_TRUE(host.map == blank);
  EXPECT_EQ(view.MapShown, 0);
  EXPECT_TRUE(host.PendingTimers().empty());
}

}  // namespace
}  // namespace tolva
