// The figures of a small chronicle worked out by hand: two campaigns, eight
// games of every sort (the king's wins, a failed and a successful Tolva, a
// drawn game that breaks no streak and makes none, Reach declarations that
// won and that did not), three conquests.
#include <gtest/gtest.h>

#include "chronicle/ChronicleFigures.h"
#include "tests/chronicle/Samples.h"

namespace tolva {
namespace {

using testing::Game;

ChronicleData SmallChronicle() {
  ChronicleData data;
  CampaignRow first;
  first.key = "a";
  first.startingPurses = std::array<int, kSeats>{0, 0, 0, 0, 5000};
  CampaignRow second;
  second.key = "b";  // began before the chronicle
  data.campaigns = {first, second};

  std::vector<GameFinished> games = {
      Game("", kTsumo, 4, 8, 5008, 1, 1),         // won
      Game("", kRon, 4, 16, 5024, 1, 2),          // won, in Reach
      Game("", kTolvaFailed, 4, -12, 5012, 1, 3), // lost
      Game("", kDrawnResult, 0, 0, 5012, 1, 4),   // neither
      Game("", kTsumo, 1, -2, 5010, 2, 1),        // lost to seat 1 in Reach
      Game("", kTolvaSucceeded, 4, 20, 5030, 2, 2),
      Game("", kRon, 3, -32, 968, 6, 1),          // second campaign: lost twice
      Game("", kWentOut, 2, -1, 967, 6, 2),
  };
  games[1].seats[4].reach = true;
  games[3].seats[1].reach = true;
  games[4].seats[1].reach = true;
  games[1].seats[4].calls = 2;
  for (std::size_t i = 0; i < games.size(); ++i)
    data.games.push_back({i < 6 ? 0u : 1u, static_cast<std::int64_t>(i) * 60, games[i], true});
  data.games[7].callsKnown = false;
  data.games[7].game.seats[4].calls = 9;  // not counted: an older record

  data.conquests = {{0, 100, 1, "アンフィポリス"},
                    {0, 200, 3, "グラニコス"},  // none of its games recorded: after city 2's
                    {1, 300, 6, "ゴルディオン"}};
  return data;
}

TEST(ChronicleFigures, ResultsBySeatAndKindAndTheSuccessOfTolvaAndReach) {
  const ChronicleFigures f = FiguresOf(SmallChronicle());
  EXPECT_EQ(f.games, 8);
  EXPECT_EQ(f.drawn, 1);
  EXPECT_EQ(f.turns, 8 * 12);
  EXPECT_EQ(f.byKind, (std::array<int, 7>{1, 1, 1, 0, 2, 0, 2}));

  std::array<int, kSeats> wins{};
  for (int seat = 0; seat < kSeats; ++seat) wins[seat] = f.seats[seat].wins;
  EXPECT_EQ(wins, (std::array<int, kSeats>{0, 1, 1, 1, 3})) << "a failed Tolva is no win";

  const SeatFigures& king = f.seats[kHumanSeat];
  EXPECT_EQ(king.tolva.tries, 2);
  EXPECT_EQ(king.tolva.successes, 1);
  EXPECT_DOUBLE_EQ(king.tolva.Share().value(), 0.5);
  EXPECT_EQ(king.reach.tries, 1);
  EXPECT_EQ(king.reach.successes, 1);
  EXPECT_EQ(f.seats[1].reach.tries, 2) << "declared in the drawn game and in its win";
  EXPECT_EQ(f.seats[1].reach.successes, 1);
  EXPECT_FALSE(f.seats[0].tolva.Share()) << "no rate without a declaration";
  EXPECT_EQ(king.calls, 2) << "calls of an older record are not counted";
}

TEST(ChronicleFigures, TheKingsBestAndWorstGamesAndHisStreaks) {
  const ChronicleFigures f = FiguresOf(SmallChronicle());
  ASSERT_TRUE(f.best && f.worst);
  EXPECT_EQ(f.best->game, 5u);
  EXPECT_EQ(f.best->payment, 20);
  EXPECT_EQ(f.worst->game, 6u);
  EXPECT_EQ(f.worst->payment, -32);
  EXPECT_EQ(f.longestWinningStreak, 2);
  EXPECT_EQ(f.longestLosingStreak, 2) << "the drawn game parts the first two losses";
  EXPECT_EQ(f.currentStreak, -2);

  ChronicleData won = SmallChronicle();
  won.games.resize(6);
  EXPECT_EQ(FiguresOf(won).currentStreak, 1);
  EXPECT_EQ(FiguresOf(ChronicleData{}).currentStreak, 0);
  EXPECT_FALSE(FiguresOf(ChronicleData{}).best);
}

TEST(ChronicleFigures, ThePurseRunsOfEachCampaignAndWhereItsCitiesFell) {
  const ChronicleFigures f = FiguresOf(SmallChronicle());
  ASSERT_EQ(f.purse.size(), 2u);
  EXPECT_EQ(f.purse[0].firstGame, 0u);
  EXPECT_EQ(f.purse[0].startingPurse, 5000);
  EXPECT_EQ(f.purse[0].afterGame, (std::vector<int>{5008, 5024, 5012, 5012, 5010, 5030}));
  EXPECT_EQ(f.purse[1].firstGame, 6u);
  EXPECT_FALSE(f.purse[1].startingPurse);
  EXPECT_EQ(f.purse[1].afterGame, (std::vector<int>{968, 967}));

  ASSERT_EQ(f.cities.size(), 3u);
  EXPECT_EQ(f.cities[0].afterGame, 3u) << "after the first city's last game";
  EXPECT_EQ(f.cities[1].afterGame, 5u);
  EXPECT_EQ(f.cities[2].afterGame, 7u);

  ChronicleData noGames = SmallChronicle();
  noGames.games.clear();
  EXPECT_FALSE(FiguresOf(noGames).cities[0].afterGame);
}

}  // namespace
}  // namespace tolva
