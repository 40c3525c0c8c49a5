// The purses in the store as the campaign reads and writes them, and the
// window title and cunning mode that the course gives.
#include <gtest/gtest.h>

#include "table/SettingsSchema.h"
#include "tests/support/ScriptedHost.h"

namespace tolva {
namespace {

using testing::HostCall;

struct PursesAndTitleTest : ::testing::Test {
  testing::ScriptedHost host;
  CTolvaView view{host};
  Settings settings{host.store};
  void SetUp() override { host.Attach(view); }
  std::string Title() const {
    const auto titles = host.Calls(HostCall::Title);
    return titles.empty() ? std::string() : titles.back().text;
  }
};

TEST_F(PursesAndTitleTest, PursesAreSavedAsDecimalTextAndLoadedBack) {
  view.t.Purse = {0, -35, 1200, 7, 10000};
  view.SavePurses();
  const char* texts[] = {"0", "-35", "1200", "7", "10000"};
  for (int seat = 0; seat < kSeats; ++seat)
    EXPECT_EQ(host.store.Stored("Last", kKeyCoin[seat]), std::optional<std::string>(texts[seat]));
  EXPECT_EQ(host.store.Groups(), (std::vector<std::vector<std::string>>{
                                     {"Last/Coin0", "Last/Coin1", "Last/Coin2", "Last/Coin3",
                                      "Last/Coin4"}}))
      << "a settlement's purses are written together, so no kill can leave half of them";
  view.t.Purse.fill(99);
  view.LoadPurses();
  EXPECT_EQ(view.t.Purse, (TableState::Ints<kSeats>{0, -35, 1200, 7, 10000}));
}

TEST_F(PursesAndTitleTest, DamagedPurseTextsLoadAsTheAccessorsReadThem) {
  host.store.WriteString("Last", "Coin0", "abc");
  host.store.WriteString("Last", "Coin1", "12abc");
  host.store.WriteString("Last", "Coin2", "");
  host.store.WriteString("Last", "Coin3", "99999999999999");
  // Coin4 missing
  view.LoadPurses();
  EXPECT_EQ(view.t.Purse, (TableState::Ints<kSeats>{0, 12, 0, kPurseLimit, 0}));
}

TEST_F(PursesAndTitleTest, TheTitleNamesTheCourseAndAnyOtherValueIsTheBeginnerCourse) {
  const std::pair<int, const char*> cases[] = {
      {1, "トルヴァゲーム【初級コース】"}, {2, "トルヴァゲーム【中級コース】"},
      {3, "トルヴァゲーム【上級コース】"}, {4, "トルヴァゲーム【プロコース】"},
      {0, "トルヴァゲーム【初級コース】"}, {5, "トルヴァゲーム【初級コース】"},
      {-7, "トルヴァゲーム【初級コース】"},
  };
  for (const auto& [course, title] : cases) {
    settings.SetCourse(course);
    view.SetCourseTitle(false);
    EXPECT_EQ(Title(), title) << course;
    EXPECT_EQ(view.CunningMode, course < 2 ? 1 : 0) << course;
  }
  EXPECT_TRUE(host.MessageIds().empty()) << "no notice without the notice flag";
}

TEST_F(PursesAndTitleTest, TheCunningNoticeComesOnlyForTheBeginnerCourseWithTheNoticeFlag) {
  for (const int course : {1, 2, 4, 0}) {
    host.ClearEvents();
    settings.SetCourse(course);
    view.SetCourseTitle(true);
    const std::vector<int> expected = course < 2 ? std::vector<int>{kMsgCunningNextStart} : std::vector<int>{};
    EXPECT_EQ(host.MessageIds(), expected) << course;
  }
  host.ClearEvents();
  settings.SetCourse(1);
  view.SetCourseTitle(true);
  ASSERT_EQ(host.Calls(HostCall::Message).size(), 1u);
  EXPECT_EQ(host.Calls(HostCall::Message)[0].style, MessageStyle::Information);
}

}  // namespace
}  // namespace tolva
