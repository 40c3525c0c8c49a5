// The map advance between two cities: the map shown around the king's city,
// the route walked a pixel a tick with its sounds, the conquest at the end of
// the leg, the next city's first game after the pause, and the rebuilding of
// the conquered route at start-up.
#include <gtest/gtest.h>

#include "tests/support/CampaignFixture.h"
#include "tests/support/PixelArt.h"

namespace tolva {
namespace {

using testing::ArtColours;
using testing::HostCall;
using testing::kStandardLegs;
using testing::ReadArt;
using Rows = std::vector<std::string>;

using MapAdvance = testing::CampaignFixture;

TEST_F(MapAdvance, ShowsTheMapAtZoomTwoCentredOnTheKingsCityAndStartsTheLeg) {
  StartUp(0);
  view.MapZoom = 1;
  TenthGameEnds();
  EXPECT_EQ(view.MapShown, 1);
  EXPECT_EQ(view.MapZoom, 2);
  EXPECT_EQ(view.MapOrg, CentredAtZoom2(kStartCityPoint));
  EXPECT_EQ(view.MapOrg, (TablePoint{2 * 654 - 600, 2 * 260 - 450}));
  EXPECT_EQ(view.t.GameNo, 10) << "no game is started";
  EXPECT_EQ(host.PendingTimers(), std::vector<int>{kTimerRoute});
  EXPECT_EQ(host.TimerPeriod(kTimerRoute), 100);
  ASSERT_TRUE(view.Route());
  EXPECT_EQ(view.Route()->RoutePoint(), (MapPoint{658, 260})) << "the first pixel beside the ring";
  EXPECT_EQ(view.Route()->PreviousRoutePoint(), kNoMapPoint);
  EXPECT_EQ(view.Route()->RouteSteps(), 0);
}

TEST_F(MapAdvance, EachTickPaintsOnePixelAndRepaintsTheMap) {
  StartUp(0);
  TenthGameEnds();
  host.ClearEvents();
  const long long start = host.now;
  for (int tick = 1; tick <= 3; ++tick) {
    host.Step();
    EXPECT_EQ(host.now - start, 100 * tick);
    EXPECT_EQ(view.Route()->RouteSteps(), tick);
    EXPECT_EQ(host.Calls(HostCall::MapView).size(), static_cast<size_t>(tick));
  }
  EXPECT_EQ(ReadArt(host.map, {657, 260}, 7, 1), Rows{"emmmrrr"});
  EXPECT_EQ(view.Route()->RoutePoint(), (MapPoint{661, 260}));
  EXPECT_EQ(view.Route()->PreviousRoutePoint(), (MapPoint{660, 260}));
}

TEST_F(MapAdvance, EveryFifthStepSoundsOneWaveAndEveryTenthTheOther) {
  StartUp(3);  // the fourth leg: 46 pixels, 45 route steps
  TenthGameEnds();
  std::vector<std::pair<int, std::vector<int>>> wavesByStep;
  while (host.TimerPending(kTimerRoute)) {
    host.ClearEvents();
    host.Step();
    const int steps = view.Route() ? view.Route()->RouteSteps() : -1;
    wavesByStep.emplace_back(steps, host.Waves());
  }
  ASSERT_EQ(wavesByStep.size(), 46u) << "45 moves and the tick that finds the end";
  for (const auto& [steps, waves] : wavesByStep) {
    SCOPED_TRACE(steps);
    if (steps > 0 && steps % 10 == 0) {
      EXPECT_EQ(waves, std::vector<int>{kWaveRouteTenth});
    } else if (steps > 0 && steps % 5 == 0) {
      EXPECT_EQ(waves, std::vector<int>{kWaveRouteFifth});
    } else {
      EXPECT_TRUE(waves.empty());
    }
  }
  EXPECT_EQ(wavesByStep[4].first, 5);
  EXPECT_EQ(wavesByStep[44].first, 45);
  EXPECT_EQ(wavesByStep[45].first, -1) << "the leg has ended";
}

TEST_F(MapAdvance, TheRouteIsSilentWithTheSoundOff) {
  settings.SetKoukaon(0);
  StartUp(0);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  EXPECT_TRUE(host.Waves().empty());
}

TEST_F(MapAdvance, AtTheEndOfALegTheCityIsConqueredCentredAndCounted) {
  StartUp(0);
  TenthGameEnds();
  const long long start = host.now;
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(host.now - start, 23 * 100) << "22 steps and the tick that finds the end";
  EXPECT_EQ(view.CityPoint, AsTable(cities[0]));
  EXPECT_EQ(settings.ConqCity(), 1);
  EXPECT_EQ(view.MapOrg, CentredAtZoom2(cities[0]));
  EXPECT_EQ(view.MapScroll, view.MapOrg) << "the view scrolls there";
  // From the starting city's ring: the travelled leg of 23 pixels, the
  // conquered first city and the start of the second leg.
  const std::string gap(23, '.'), walked(23, 'm');
  EXPECT_EQ(ReadArt(host.map, {657, 257}, 32, 7), (Rows{
                                                     "." + gap + "..eee...",
                                                     "." + gap + ".eXXXe..",
                                                     "e" + gap + "eXXXXXe.",
                                                     "e" + walked + "eXXXXXer",
                                                     "e" + gap + "eXXXXXe.",
                                                     "." + gap + ".eXXXe..",
                                                     "." + gap + "..eee...",
                                                 }));
  EXPECT_EQ(host.PendingTimers(), std::vector<int>{kTimerNextCity});
  EXPECT_EQ(host.TimerPeriod(kTimerNextCity), 3000);
  EXPECT_FALSE(view.Route()) << "no leg is being walked";
  EXPECT_EQ(view.MapShown, 1) << "the map stays up during the pause";
}

TEST_F(MapAdvance, TheNextCitysFirstGameFollowsThePauseWithSalariesAndAnOpeningChoice) {
  for (int seat = 0; seat < kComputerSeats; ++seat) settings.SetPurse(seat, 10 * seat);
  settings.SetPurse(kHumanSeat, 1234);
  StartUp(0);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  host.ClearEvents();
  host.RunFor(2999);
  EXPECT_EQ(view.MapShown, 1);
  EXPECT_EQ(view.t.GameNo, 10);
  host.RunFor(1);
  ASSERT_EQ(host.Calls(HostCall::Dissolve).size(), 1u);
  EXPECT_FALSE(host.Calls(HostCall::Dissolve)[0].flag) << "the coarse dissolve brings the table back";
  EXPECT_EQ(view.MapShown, 0);
  EXPECT_EQ(view.t.GameNo, 1);
  EXPECT_EQ(view.TableActive, 1);
  EXPECT_EQ(view.t.Purse, (TableState::Ints<kSeats>{50, 60, 70, 80, 1034}))
      << "the stored purses with the new city's salaries";
  EXPECT_EQ(view.t.PendingPool, 0);
  EXPECT_EQ(view.ChoiceShown, 1);
  EXPECT_EQ(host.PendingTimers(), std::vector<int>{kTimerOpeningSeat});
  EXPECT_TRUE(host.ScriptDone());
}

TEST_F(MapAdvance, ALegThatEndsAtNoCityConquersNothing) {
  // A record of four cities on a map whose fifth leg is the last: the walk
  // ends, nothing is conquered or counted, and the games go on.
  StartUp(4);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(view.CityPoint, AsTable(cities[3]));
  EXPECT_EQ(settings.ConqCity(), 4);
  EXPECT_TRUE(host.Calls(HostCall::Quit).empty());
  EXPECT_EQ(host.PendingTimers(), std::vector<int>{kTimerNextCity});
}

TEST_F(MapAdvance, TheFinishedTableCannotBePlayedWhileTheMapIsHidden) {
  StartUp(0);
  view.t.GameNo = 9;
  view.StartGame();
  view.t.TurnSeat = kHumanSeat;  // he won the tenth game on his own draw
  view.t.ResultSeat = kHumanSeat;
  view.t.ResultKind = kTsumo;
  view.EndGame();
  view.ToggleMap();  // the player looks at the table during the walk
  ASSERT_EQ(view.MapShown, 0);
  const int stock = view.t.StockCount;
  host.ClearEvents();
  EXPECT_FALSE(view.HumansTurn());
  view.DrawFromStock();
  view.DeclareTolva();
  EXPECT_EQ(view.t.StockCount, stock);
  EXPECT_TRUE(host.Calls(HostCall::ResultPicture).empty()) << "no second settlement of the tenth game";
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(settings.ConqCity(), 1);
}

// --- start-up -----------------------------------------------------------------

TEST_F(MapAdvance, StartUpWithThreeCitiesConqueredShowsThreeLegsAndTheThirdCity) {
  StartUp(3);
  EXPECT_EQ(view.CityPoint, AsTable(cities[2]));
  const MapColours c = ArtColours();
  // Along the route row: three legs travelled and three cities conquered, the
  // fourth leg and city untouched.
  int travelled = 0, route = 0;
  for (int x = 658; x < cities[3].x - 1; ++x) {  // up to the fourth city's ring
    travelled += Pixel({x, 260}) == c.travelled;
    route += Pixel({x, 260}) == c.route;
  }
  EXPECT_EQ(travelled, 23 + 31 + 12);
  EXPECT_EQ(route, 46);
  for (int city = 0; city < 3; ++city) EXPECT_EQ(Pixel(cities[city]), c.conquered) << city;
  EXPECT_EQ(Pixel(cities[3]), c.city);
  EXPECT_EQ(settings.ConqCity(), 3) << "the record is only read";
}

TEST_F(MapAdvance, StartUpWithoutConquestsLeavesThePictureUntouched) {
  StartUp(0);
  EXPECT_TRUE(host.map == unmarked);
  EXPECT_EQ(view.CityPoint, AsTable(kStartCityPoint));
}

TEST_F(MapAdvance, RebuildingTwiceInOneRunGivesTheSamePicture) {
  StartUp(2);
  const MemoryPixelMap once = host.map;
  view.RebuildRoute();
  EXPECT_TRUE(host.map == once);
  EXPECT_EQ(view.CityPoint, AsTable(cities[1]));
}

TEST_F(MapAdvance, TheKeyColoursAreReadFromThePicture) {
  StartUp(0);
  EXPECT_EQ(view.MapKeyColours.route, ArtColours().route);
  EXPECT_EQ(view.MapKeyColours.cityEdge, ArtColours().cityEdge);
  EXPECT_EQ(view.MapKeyColours.city, ArtColours().city);
  EXPECT_EQ(view.MapKeyColours.conquered, 0xFF0000u);
  EXPECT_EQ(view.MapKeyColours.travelled, 0xFF00FFu);
}

}  // namespace
}  // namespace tolva
