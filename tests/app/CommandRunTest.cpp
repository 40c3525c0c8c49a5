// What the commands do: the options they toggle and write, the messages they
// show, the screen size, the dialogs, and the function keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QWidget>

#include "app/CommandIds.h"
#include "app/CommandMenus.h"
#include "res/StringTable.h"
#include "table/CTolvaView.h"
#include "table/SettingsSchema.h"
#include "tests/app/support/RecordingShell.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/TableScenario.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::HostCall;
using Calls = std::vector<std::string>;

struct CommandRunTest : ::testing::Test {
  testing::ScriptedHost host;
  CTolvaView view{host};
  testing::RecordingShell shell;
  CommandMenus commands{view, host, shell};
  Settings settings{host.store};

  void SetUp() override {
    host.Attach(view);
    view.Initialising = 0;
  }
  std::vector<testing::HostEvent> Messages() const { return host.Calls(HostCall::Message); }
};

// --- option toggles --------------------------------------------------------------------

TEST_F(CommandRunTest, OpenModeTogglesWritesAndRedrawsOnlyWithATable) {
  commands.RunCommand(kCmdOpenMode);
  EXPECT_EQ(view.t.OpenMode, 1);
  EXPECT_EQ(settings.OpenMode(), 1);
  EXPECT_EQ(host.Calls(HostCall::Redraw).size(), 0u);

  view.TableActive = 1;
  view.t.GameNo = 2;
  commands.RunCommand(kCmdOpenMode);
  EXPECT_EQ(view.t.OpenMode, 0);
  EXPECT_EQ(settings.OpenMode(), 0);
  const auto redraws = host.Calls(HostCall::Redraw);
  ASSERT_EQ(redraws.size(), 1u);
  EXPECT_FALSE(redraws[0].flag);  // the hands only: RedrawScene(0)
}

TEST_F(CommandRunTest, OpenModeChangesNothingFromTheFourthGame) {
  view.TableActive = 1;
  view.t.GameNo = 4;
  commands.RunCommand(kCmdOpenMode);
  EXPECT_EQ(view.t.OpenMode, 0);
  EXPECT_EQ(host.store.WriteCount(), 0);
}

TEST_F(CommandRunTest, SoundAndRuleHintsTurnOffFromOneAndOnFromAnythingElse) {
  commands.RunCommand(kCmdKoukaon);
  commands.RunCommand(kCmdRuleRem);
  EXPECT_EQ(view.t.Koukaon, 0);
  EXPECT_EQ(view.t.RuleRem, 0);
  EXPECT_EQ(settings.Koukaon(), 0);
  EXPECT_EQ(settings.RuleRem(), 0);

  view.t.Koukaon = 7;  // a damaged store: not 1, so on is what choosing gives
  commands.RunCommand(kCmdKoukaon);
  EXPECT_EQ(view.t.Koukaon, 1);
  EXPECT_EQ(settings.Koukaon(), 1);
}

TEST_F(CommandRunTest, HoverHelpSwitchedOffClearsTheTooltip) {
  commands.RunCommand(kCmdDspRem);
  EXPECT_EQ(view.t.DspRem, 0);
  EXPECT_EQ(settings.DspRem(), 0);
  EXPECT_EQ(shell.calls, (Calls{"ClearTooltip"}));

  shell.calls.clear();
  commands.RunCommand(kCmdDspRem);
  EXPECT_EQ(view.t.DspRem, 1);
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(CommandRunTest, AutoStartSaysWhetherItWasSetOrCleared) {
  commands.RunCommand(kCmdAutoStart);
  EXPECT_EQ(settings.AutoStart(), 1);
  commands.RunCommand(kCmdAutoStart);
  EXPECT_EQ(settings.AutoStart(), 0);

  const auto shown = Messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "自動スタート" "に設定しました\n");
  EXPECT_EQ(shown[1].text, "自動スタート" "の設定を解除しました\n");
  for (const auto& message : shown) {
    EXPECT_EQ(message.id, kMsgFromNextStart);
    EXPECT_EQ(message.style, MessageStyle::Information);
  }
}

// --- speeds, Tolva rate, jokers ----------------------------------------------------------------

TEST_F(CommandRunTest, EachSpeedItemSetsItsFieldAndWritesItsKey) {
  for (int speed = 1; speed <= 5; ++speed) {
    commands.RunCommand(kCmdManSpeed[speed - 1]);
    commands.RunCommand(kCmdCardSpeed[speed - 1]);
    commands.RunCommand(kCmdPonSpeed[speed - 1]);
    EXPECT_EQ(view.t.ManSpeed, speed);
    EXPECT_EQ(view.t.CardSpeed, speed);
    EXPECT_EQ(view.t.PonSpeed, speed);
    EXPECT_EQ(host.store.Stored(kSectionSettei, kKeyManSpeed), std::to_string(speed));
    EXPECT_EQ(host.store.Stored(kSectionSettei, kKeyCardSpeed), std::to_string(speed));
    EXPECT_EQ(host.store.Stored(kSectionSettei, kKeyPonSpeed), std::to_string(speed));
  }
}

TEST_F(CommandRunTest, TheTolvaRateIsWrittenOnlyWhenItChanges) {
  commands.RunCommand(kCmdTolvaRate[1]);  // medium, the default
  EXPECT_EQ(host.store.WriteCount(), 0);
  commands.RunCommand(kCmdTolvaRate[0]);
  EXPECT_EQ(host.store.Stored(kSectionSettei, kKeyTolvaRitu), "1");
  commands.RunCommand(kCmdTolvaRate[2]);
  EXPECT_EQ(host.store.Stored(kSectionSettei, kKeyTolvaRitu), "3");
  EXPECT_EQ(host.store.WriteCount(), 2);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CommandRunTest, TheStoredJokerCountShowsNoMessageAndWritesNothing) {
  commands.RunCommand(kCmdJoker[0]);  // 2, the default
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(host.store.WriteCount(), 0);
}

TEST_F(CommandRunTest, ANewJokerCountIsWrittenAndAnnouncedForTheNextGame) {
  view.TableActive = 1;
  view.t.DeckSize = 54;
  commands.RunCommand(kCmdJoker[2]);
  EXPECT_EQ(settings.Joker(), 6);
  EXPECT_EQ(view.t.DeckSize, 54);  // the game in progress keeps its deck
  const auto shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "ジョーカーの使用枚数 6枚\n");
  EXPECT_EQ(shown[0].id, kMsgFromNextGame);
  EXPECT_EQ(shown[0].style, MessageStyle::Information);
}

// --- screen size -------------------------------------------------------------------------------

TEST_F(CommandRunTest, AScreenSizeIsStoredBeforeTheFrameResizesAndGivesNewScaleFactors) {
  shell.clientAfterResize = QSize(800, 600);
  int storedWhenResized = 0;  // the frame's size limits read it
  shell.onResize = [&] { storedWhenResized = settings.Gamen(); };
  commands.RunCommand(kCmdScreenSize[1]);
  EXPECT_EQ(storedWhenResized, 800);
  EXPECT_EQ(shell.calls,
            (Calls{"Resize 800", "SetScale", "ClearView"}));
  EXPECT_EQ(settings.Gamen(), 800);
  EXPECT_DOUBLE_EQ(shell.scale.x(), 800 / 1200.0);
  EXPECT_DOUBLE_EQ(shell.scale.y(), 600 / 900.0);
}

TEST_F(CommandRunTest, TheScaleFactorsComeFromTheViewsOwnSize) {
  // The view's area can differ from the outer size asked for.
  shell.clientAfterResize = QSize(1184, 861);
  commands.RunCommand(kCmdScreenSize[3]);
  EXPECT_EQ(settings.Gamen(), 1200);
  EXPECT_DOUBLE_EQ(shell.scale.x(), 1184 / 1200.0);
  EXPECT_DOUBLE_EQ(shell.scale.y(), 861 / 900.0);
}

TEST_F(CommandRunTest, AViewWithoutAreaKeepsTheFactorsOfTheSizeAskedFor) {
  shell.clientAfterResize = QSize(0, 0);
  commands.RunCommand(kCmdScreenSize[5]);
  EXPECT_DOUBLE_EQ(shell.scale.x(), 1600 / 1200.0);
  EXPECT_DOUBLE_EQ(shell.scale.y(), 1200 / 900.0);
}

// --- the map --------------------------------------------------------------------------------

TEST_F(CommandRunTest, TheMapCommandShowsAndHidesTheMap) {
  commands.RunCommand(kCmdWorldMap);
  EXPECT_EQ(view.MapShown, 1);
  commands.RunCommand(kCmdWorldMap);
  EXPECT_EQ(view.MapShown, 0);
}

TEST_F(CommandRunTest, TheMapZoomItemsZoomAndWriteTheZoom) {
  view.ToggleMap();
  commands.RunCommand(kCmdMapZoom[1]);
  EXPECT_EQ(view.MapZoom, 2);
  EXPECT_EQ(settings.Zoom(), 2);
  commands.RunCommand(kCmdMapZoom[0]);
  EXPECT_EQ(view.MapZoom, 1);
  EXPECT_EQ(view.MapOrg, (TablePoint{0, 0}));
}

TEST_F(CommandRunTest, TheMapResetAsksFirstAndNoKeepsTheGame) {
  testing::TableScenario s;
  testing::RecordingShell sceneShell;
  CommandMenus sceneCommands(s.view, s.host, sceneShell);
  s.host.Expect(kMsgAskResetMap, Answer::No);
  sceneCommands.RunCommand(kCmdResetMap);
  EXPECT_EQ(s.view.TableActive, 1);
  EXPECT_TRUE(s.host.ScriptDone());
}

TEST_F(CommandRunTest, TheMapResetOnYesResetsTheCampaign) {
  testing::TableScenario s;
  testing::RecordingShell sceneShell;
  CommandMenus sceneCommands(s.view, s.host, sceneShell);
  s.host.Expect(kMsgAskResetMap, Answer::Yes);
  s.host.Expect(kMsgWarChestEmpty, Answer::No);
  sceneCommands.RunCommand(kCmdResetMap);
  EXPECT_EQ(s.view.TableActive, 0);
  EXPECT_EQ(s.view.t.GameNo, 0);
  EXPECT_EQ(Settings(s.host.store).Purse(kHumanSeat), 0);
  EXPECT_EQ(Settings(s.host.store).ConqCity(), 0);
  EXPECT_TRUE(s.host.ScriptDone());
}

TEST_F(CommandRunTest, TheMapResetDoesNothingWithoutATable) {
  commands.RunCommand(kCmdResetMap);  // an unscripted question would fail the test
  EXPECT_TRUE(Messages().empty());
}

// --- card back, help, about, exit -------------------------------------------------------------

TEST_F(CommandRunTest, TheCardBackCommandWaitsForATable) {
  commands.RunCommand(kCmdCardBack);
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(CommandRunTest, ARebuiltCardBackRedrawsTheWholeTable) {
  view.TableActive = 1;
  commands.RunCommand(kCmdCardBack);
  EXPECT_EQ(shell.calls, (Calls{"CardBack"}));
  const auto redraws = host.Calls(HostCall::Redraw);
  ASSERT_EQ(redraws.size(), 1u);
  EXPECT_TRUE(redraws[0].flag);
}

TEST_F(CommandRunTest, AnUnchangedOrFailedCardBackRedrawsNothing) {
  view.TableActive = 1;
  for (const CardBackOutcome outcome : {CardBackOutcome::Unchanged, CardBackOutcome::Failed}) {
    shell.cardBack = outcome;
    commands.RunCommand(kCmdCardBack);
  }
  EXPECT_TRUE(host.Calls(HostCall::Redraw).empty());
}

TEST_F(CommandRunTest, TheHelpItemsOpenTheirPagesWithTheirTitles) {
  commands.RunCommand(kCmdHelpRules);
  commands.RunCommand(kCmdHelpControls);
  commands.RunCommand(kCmdChronicle);
  commands.RunCommand(kCmdAbout);
  EXPECT_EQ(shell.calls, (Calls{
                             "Help tolvagame_rule.html トルヴァゲームのルール",
                             "Help tolvagame_sousa.html トルヴァゲームの操作方法",
                             "Chronicle",
                             "About",
                         }));
}

TEST_F(CommandRunTest, GameEndClosesTheMainWindow) {
  commands.RunCommand(kCmdExit);
  EXPECT_EQ(shell.calls, (Calls{"Close"}));
}

TEST_F(CommandRunTest, TheStartItemStartsTheFirstGameOnlyWithoutATable) {
  Settings(host.store).SetPurse(kHumanSeat, 10000);
  commands.RunCommand(kCmdStartGame);
  EXPECT_EQ(view.TableActive, 1);
  EXPECT_EQ(view.t.GameNo, 1);
  commands.RunCommand(kCmdStartGame);  // greyed now
  EXPECT_EQ(view.t.GameNo, 1);
}

TEST_F(CommandRunTest, TheStartItemWaitsForTheStartUpStep) {
  view.Initialising = 1;
  commands.RunCommand(kCmdStartGame);
  EXPECT_EQ(view.TableActive, 0);
  EXPECT_EQ(view.t.GameNo, 0);
}

// --- function keys ------------------------------------------------------------------------------

TEST_F(CommandRunTest, FourAndFiveDoNothingWithoutATable) {
  const double angle = view.ViewAngle;
  commands.RunCommand(kCmdAngleUp);
  commands.RunCommand(kCmdAngleDown);
  EXPECT_EQ(view.ViewAngle, angle);
  EXPECT_EQ(host.store.WriteCount(), 0);
}

TEST_F(CommandRunTest, FourAndFiveTiltTheTableWhileOneIsActive) {
  view.TableActive = 1;
  const double angle = view.ViewAngle;
  commands.RunCommand(kCmdAngleUp);
  EXPECT_EQ(view.ViewAngle, angle + 1);
  commands.RunCommand(kCmdAngleDown);
  commands.RunCommand(kCmdAngleDown);
  EXPECT_EQ(view.ViewAngle, angle - 1);
}

TEST_F(CommandRunTest, TheMenuKeysOpenTheirPopUps) {
  const std::vector<std::pair<int, std::string>> keys{
      {kCmdStartMenu, "ゲーム開始(&P) #32771"},
      {kCmdSettingsMenu, "オープンモード(&O) #32803"},
      {kCmdHelpMenu, "トルヴァゲームのルール(&R) #32777"},
      {kCmdDeclarationMenu, "「リーチ」をかける(&L)\tF9 #32791 (grey)"},
  };
  for (const auto& [command, firstItem] : keys) {
    shell.lastMenu.clear();
    commands.RunCommand(command);
    ASSERT_FALSE(shell.lastMenu.empty()) << command;
    EXPECT_EQ(shell.lastMenu.front(), firstItem);
  }
}

TEST_F(CommandRunTest, AChosenItemOfAnOpenedPopUpRuns) {
  shell.chooseCommand = kCmdCardSpeed[3];
  commands.RunCommand(kCmdSettingsMenu);
  EXPECT_EQ(view.t.CardSpeed, 4);
}

TEST_F(CommandRunTest, AMenuKeyOpensItsPopUpUnderTheButtons) {
  shell.scale = {1400 / 1200.0, 1050 / 900.0};
  commands.RunCommand(kCmdHelpMenu);
  EXPECT_EQ(shell.lastMenuAt, shell.widget.mapToGlobal(QPoint(11, 60)));
}

// --- declarations by key ---------------------------------------------------------------------------

struct DeclarationKeys : ::testing::Test {
  testing::TableScenario s;
  testing::RecordingShell shell;
  CommandMenus commands{s.view, s.host, shell};

  // The human to move, before drawing.
  void SetUp() override {
    testing::SetHand(s.t(), kHumanSeat, "5s 5h 9d 9c Kd Kh 2s");
    s.StockTop("3c");
    s.Complete();
    s.view.PlayFrom(kHumanSeat);
    s.host.ClearEvents();
  }
};

TEST_F(DeclarationKeys, WithRuleHintsOffARefusedReachOnlyPlaysTheErrorSound) {
  s.t().RuleRem = 0;
  commands.RunCommand(kCmdReach);  // F9 before drawing
  EXPECT_EQ(s.host.Waves(), (std::vector<int>{kWaveRefused}));
  EXPECT_TRUE(s.host.MessageIds().empty());
  EXPECT_EQ(s.t().ReachFlag[kHumanSeat], 0);
}

TEST_F(DeclarationKeys, WithRuleHintsOnARefusedReachExplainsWhy) {
  commands.RunCommand(kCmdReach);
  EXPECT_EQ(s.host.Waves(), (std::vector<int>{kWaveRefused}));
  EXPECT_EQ(s.host.MessageIds(), (std::vector<int>{kMsgReachAfterDrawOnly}));
}

}  // namespace
}  // namespace tolva
