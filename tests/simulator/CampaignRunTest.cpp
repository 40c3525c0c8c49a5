// The simulator's campaign mode on its stand-in map: a rich king walks all
// hundred legs and completes the campaign in exactly a thousand games; a poor
// one ends it when his purse is used up at a city's start; and without
// campaign mode a completed campaign starts the program again.
#include <gtest/gtest.h>

#include "table/MapTracing.h"
#include "tools/simulator/Simulation.h"

namespace tolva {
namespace {

using sim::Simulation;
using sim::SimOptions;

bool PlayToTheEnd(Simulation& simulation, long long games) {
  for (long long game = 0; game < games && !simulation.CampaignOver(); ++game)
    if (!simulation.PlayGame()) return false;
  return true;
}

SimOptions Campaign(int purse) {
  SimOptions options;
  options.campaign = true;
  options.kingPurse = purse;
  options.quiet = true;
  return options;
}

TEST(CampaignRun, ARichKingCompletesTheRouteInAThousandGames) {
  Simulation simulation(Campaign(1'000'000));
  ASSERT_TRUE(PlayToTheEnd(simulation, 5000)) << simulation.Fault();
  ASSERT_TRUE(simulation.CampaignOver());
  const auto& stats = simulation.Stats();
  EXPECT_EQ(stats.games, 1000);
  EXPECT_EQ(stats.legs, 100);
  EXPECT_EQ(stats.completions, 1);
  EXPECT_EQ(stats.cities, kEndCount);
  EXPECT_FALSE(stats.campaignLost);
  EXPECT_EQ(stats.runs, 1);
}

TEST(CampaignRun, APoorKingEndsTheCampaignAtTheStartOfACity) {
  Simulation simulation(Campaign(250));  // 50 coins after the first salaries
  ASSERT_TRUE(PlayToTheEnd(simulation, 5000)) << simulation.Fault();
  ASSERT_TRUE(simulation.CampaignOver());
  const auto& stats = simulation.Stats();
  EXPECT_TRUE(stats.campaignLost);
  EXPECT_EQ(stats.completions, 0);
  EXPECT_EQ(stats.games % 10, 0) << "a campaign is lost only when a city begins";
  EXPECT_EQ(stats.legs, stats.games / 10);
  EXPECT_EQ(stats.campaignResets, 1);
}

TEST(CampaignRun, WithoutCampaignModeACompletedCampaignStartsTheProgramAgain) {
  SimOptions options = Campaign(1'000'000);
  options.campaign = false;
  Simulation simulation(options);
  ASSERT_TRUE(PlayToTheEnd(simulation, 1011)) << simulation.Fault();  // into the new run's second city
  const auto& stats = simulation.Stats();
  EXPECT_FALSE(simulation.CampaignOver());
  EXPECT_EQ(stats.completions, 1);
  EXPECT_EQ(stats.runs, 2) << "the next run begins with the course selection";
  EXPECT_EQ(stats.legs, 101);
  EXPECT_EQ(stats.cities, 1);
}

}  // namespace
}  // namespace tolva
