// A thousand simulated games kept by `tolva-sim --chronicle` and opened in the
// chronicle window: what the window works out must be what the simulator
// counted itself, game for game, kind for kind, turn for turn and coin for coin.
#include <gtest/gtest.h>

#include <QLabel>

#include "dialogs/ChronicleWindow.h"
#include "tests/chronicle/Samples.h"
#include "tools/simulator/SimChronicle.h"
#include "tools/simulator/Simulation.h"

namespace tolva {
namespace {

TEST(SimulatorChronicle, AThousandGamesInTheWindowMatchTheSimulatorsOwnTotals) {
  testing::ScratchFolder folder;
  const QString file = folder.File();
  sim::SimChronicle chronicle(file.toStdString());
  ASSERT_EQ(chronicle.Problem(), "");
  sim::SimOptions options;
  options.games = 1000;
  options.quiet = true;
  options.seed = 7;
  options.kingPurse = 600;  // poor enough to lose a campaign or two on the way
  options.chronicle = [&](const ChronicleEntry& entry) { chronicle.Keep(entry); };
  sim::Simulation simulation(options);
  for (int game = 0; game < options.games; ++game) ASSERT_TRUE(simulation.PlayGame()) << simulation.Fault();
  ASSERT_EQ(chronicle.Problem(), "");
  const sim::SimStats& stats = simulation.Stats();

  ChronicleWindow window(file, {});
  window.ShowCampaign({});  // all campaigns
  const ChronicleFigures& f = window.Figures();
  EXPECT_EQ(f.games, stats.games);
  EXPECT_EQ(f.drawn, stats.drawn);
  for (int kind = 0; kind < 7; ++kind) EXPECT_EQ(f.byKind[kind], stats.kinds[kind]) << kind;
  EXPECT_EQ(f.turns, stats.turns);
  ASSERT_FALSE(window.Data().games.empty());
  const GameFinished& last = window.Data().games.back().game;
  for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(last.seats[seat].purse, stats.purses[seat]) << seat;

  const auto& campaigns = window.Data().campaigns;
  ASSERT_GT(stats.campaignResets, 0) << "the scenario should lose a campaign";
  EXPECT_EQ(campaigns.size(), static_cast<std::size_t>(stats.campaignResets) + 1);
  long long lost = 0;
  for (const CampaignRow& c : campaigns) {
    EXPECT_EQ(c.startingPurses.value_or(std::array<int, kSeats>{})[kHumanSeat], 600);
    lost += c.ending == CampaignEnding::PurseUsedUp ? 1 : 0;
  }
  EXPECT_EQ(lost, stats.campaignResets);
  EXPECT_EQ(static_cast<long long>(window.Data().conquests.size()), stats.legs - stats.completions);

  // The overview says it in words.
  const auto* games = window.findChild<QLabel*>(QStringLiteral("games"));
  ASSERT_NE(games, nullptr);
  EXPECT_TRUE(games->text().startsWith(QStringLiteral("1000 局（流れ %1 局").arg(stats.drawn)))
      << games->text().toStdString();
}

}  // namespace
}  // namespace tolva
