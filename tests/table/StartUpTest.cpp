// Start-up: the stored purse decides between continuing the campaign and the
// course selection; the card backs must be ready before anything is drawn;
// AutoStart starts the first game, otherwise the reminder says how to start.
#include <gtest/gtest.h>

#include "table/SettingsSchema.h"
#include "tests/support/ScriptedHost.h"

namespace tolva {
namespace {

using testing::HostCall;

struct StartUpTest : ::testing::Test {
  testing::ScriptedHost host;
  CTolvaView view{host};
  Settings settings{host.store};

  void SetUp() override { host.Attach(view); }
  void Start() {
    view.OnFirstShow();
    ASSERT_TRUE(host.TimerPending(kTimerStartUp));
    EXPECT_EQ(host.TimerPeriod(kTimerStartUp), 100);
    host.Step();
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& e : host.Calls(HostCall::Title)) titles.push_back(e.text);
    return titles;
  }
};

TEST_F(StartUpTest, FirstShowCopiesTheOptionsAndResetsTheFlow) {
  host.store.WriteInt("Settei", "ManSpeed", 3);
  host.store.WriteInt("Settei", "CardSpeed", 2);
  host.store.WriteInt("Settei", "PonSpeed", 5);
  host.store.WriteInt("Settei", "OpenMode", 1);
  host.store.WriteInt("Settei", "Koukaon", 0);
  host.store.WriteInt("Settei", "RuleRem", 0);
  host.store.WriteInt("Settei", "DspRem", 0);
  host.store.WriteInt("Settei", "Zoom", 2);
  view.OnFirstShow();
  EXPECT_EQ(view.t.ManSpeed, 3);
  EXPECT_EQ(view.t.CardSpeed, 2);
  EXPECT_EQ(view.t.PonSpeed, 5);
  EXPECT_EQ(view.t.OpenMode, 1);
  EXPECT_EQ(view.t.Koukaon, 0);
  EXPECT_EQ(view.t.RuleRem, 0);
  EXPECT_EQ(view.t.DspRem, 0);
  EXPECT_EQ(view.MapZoom, 2);
  EXPECT_EQ(view.t.GameNo, 0);
  EXPECT_EQ(view.t.TurnSeat, -1);
  EXPECT_EQ(view.TableActive, 0);
  EXPECT_EQ(view.t.RiverTakenCard, kEmptySlot);
  EXPECT_EQ(view.DiscardStep, -1);
  EXPECT_EQ(view.ReachStep, -1);
}

TEST_F(StartUpTest, AStoredPurseContinuesTheCampaignWithoutTheCourseSelection) {
  settings.SetPurse(kHumanSeat, 2500);
  settings.SetCourse(3);
  Start();
  EXPECT_TRUE(host.Calls(HostCall::CourseSelection).empty());
  EXPECT_EQ(Titles(), std::vector<std::string>{"トルヴァゲーム【上級コース】"});
  EXPECT_EQ(view.CunningMode, 0);
  EXPECT_FALSE(host.TimerPending(kTimerStartUp)) << "timer 99 runs once";
  EXPECT_EQ(view.Initialising, 0);
}

TEST_F(StartUpTest, NoPurseShowsTheCourseSelectionAndTheBeginnerNotice) {
  // "0" (and a missing value) mean no campaign is running.
  settings.SetPurse(kHumanSeat, 0);
  host.courseChosen = 1;
  Start();
  ASSERT_EQ(host.Calls(HostCall::CourseSelection).size(), 1u);
  EXPECT_EQ(Titles(), std::vector<std::string>{"トルヴァゲーム【初級コース】"});
  EXPECT_EQ(view.CunningMode, 1);
  EXPECT_EQ(host.MessageIds(), (std::vector<int>{kMsgCunningNextStart, kMsgHowToStart}));
}

TEST_F(StartUpTest, AProfessionalCourseGivesNoCunningNotice) {
  host.courseChosen = 4;
  Start();
  EXPECT_EQ(Titles(), std::vector<std::string>{"トルヴァゲーム【プロコース】"});
  EXPECT_EQ(view.CunningMode, 0);
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgHowToStart});
}

TEST_F(StartUpTest, CancellingTheCourseSelectionEndsTheProgram) {
  host.courseSelectionOk = false;
  Start();
  EXPECT_EQ(host.Calls(HostCall::Quit).size(), 1u);
  EXPECT_TRUE(host.Calls(HostCall::CardBacks).empty());
  EXPECT_EQ(view.Initialising, 1);
}

TEST_F(StartUpTest, CardBacksThatCannotBeSetStopTheStartUp) {
  settings.SetPurse(kHumanSeat, 500);
  settings.SetAutoStart(1);
  host.cardBacksOk = false;
  Start();
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgCardBackFailed});
  EXPECT_EQ(host.Calls(HostCall::Message)[0].style, MessageStyle::Error);
  EXPECT_EQ(view.Initialising, 1) << "the table is not drawn";
  EXPECT_EQ(view.TableActive, 0) << "no game starts, not even with AutoStart";
  EXPECT_TRUE(host.PendingTimers().empty());
}

TEST_F(StartUpTest, AutoStartBeginsTheFirstGameWithItsOpeningChoice) {
  settings.SetPurse(kHumanSeat, 500);
  settings.SetAutoStart(1);
  Start();
  EXPECT_EQ(view.TableActive, 1);
  EXPECT_EQ(view.t.GameNo, 1);
  EXPECT_EQ(view.ChoiceShown, 1);
  EXPECT_TRUE(host.TimerPending(kTimerOpeningSeat));
  EXPECT_TRUE(host.MessageIds().empty()) << "no reminder when the game starts by itself";
  EXPECT_EQ(view.t.Purse[kHumanSeat], 300) << "the salaries of the first game of a city";
}

TEST_F(StartUpTest, WithoutAutoStartTheReminderFollowsTheRuleOption) {
  settings.SetPurse(kHumanSeat, 500);
  host.store.WriteInt("Settei", "RuleRem", 0);
  Start();
  EXPECT_TRUE(host.MessageIds().empty());
  EXPECT_EQ(view.TableActive, 0);
  EXPECT_TRUE(host.PendingTimers().empty()) << "idle until the start command";
}

}  // namespace
}  // namespace tolva
