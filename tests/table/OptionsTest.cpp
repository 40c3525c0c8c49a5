// The menu's options the table keeps a copy of: one operation sets the copy
// and the stored value together, so a restart sees what the game used; and
// the open mode's reach over the games of a city.
#include <gtest/gtest.h>

#include <utility>

#include "table/OpenMode.h"
#include "table/SettingsSchema.h"
#include "tests/support/ScriptedHost.h"

namespace tolva {
namespace {

struct OptionsTest : ::testing::Test {
  testing::ScriptedHost host;
  CTolvaView view{host};

  void SetUp() override { host.Attach(view); }
};

TEST_F(OptionsTest, EachOptionReachesTheTableAndTheStoreAndSurvivesARestart) {
  // Values unlike the defaults, and unlike each other, so a crossed field shows.
  const std::pair<TableOption, int> changes[] = {
      {TableOption::OpenMode, 1}, {TableOption::Koukaon, 0},   {TableOption::RuleRem, 0},
      {TableOption::DspRem, 0},   {TableOption::ManSpeed, 4},  {TableOption::CardSpeed, 3},
      {TableOption::PonSpeed, 5},
  };
  for (const auto& [option, value] : changes) view.SetOption(option, value);

  const Settings stored(host.store);
  const TableState& t = view.Table();
  const std::pair<int, int> tableAndStore[] = {
      {t.OpenMode, stored.OpenMode()},   {t.Koukaon, stored.Koukaon()},
      {t.RuleRem, stored.RuleRem()},     {t.DspRem, stored.DspRem()},
      {t.ManSpeed, stored.ManSpeed()},   {t.CardSpeed, stored.CardSpeed()},
      {t.PonSpeed, stored.PonSpeed()},
  };
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    EXPECT_EQ(tableAndStore[i].first, changes[i].second) << "option " << i << " in the table";
    EXPECT_EQ(tableAndStore[i].second, changes[i].second) << "option " << i << " in the store";
  }

  testing::ScriptedHost nextRun;
  nextRun.store = host.store;
  CTolvaView restarted{nextRun};
  nextRun.Attach(restarted);
  restarted.OnFirstShow();
  EXPECT_EQ(restarted.Table().ManSpeed, 4);
  EXPECT_EQ(restarted.Table().PonSpeed, 5);
  EXPECT_EQ(restarted.Table().OpenMode, 1);
}

TEST_F(OptionsTest, OpenModeShowsTheGeneralsHandsInTheFirstThreeGamesOnly) {
  view.TableActive = 1;
  view.SetOption(TableOption::OpenMode, 1);
  for (const int game : {1, 3}) {
    view.t.GameNo = game;
    EXPECT_TRUE(view.Display().ComputerHandsFaceUp) << "game " << game;
  }
  view.t.GameNo = 4;
  EXPECT_FALSE(OpenModeApplies(view.Table().GameNo));
  EXPECT_FALSE(view.Display().ComputerHandsFaceUp);
  // At the end of a game every hand is shown, open mode or not.
  view.RevealHands = 1;
  EXPECT_TRUE(view.Display().ComputerHandsFaceUp);
  view.RevealHands = 0;
  view.t.GameNo = 2;
  view.SetOption(TableOption::OpenMode, 0);
  EXPECT_FALSE(view.Display().ComputerHandsFaceUp);
}

}  // namespace
}  // namespace tolva
