// Cunning mode, both sides of the peek channel: the game publishes the
// computer seats' hands and starts one peek window at a time (also after a
// peek window was killed without clearing its flag); the peek window polls,
// shows the chosen seat, sizes itself for the hand, survives whatever text the
// channel holds, and closes on "Now" = 4.
#include <gtest/gtest.h>

#include "rules/CardText.h"
#include "table/PeekChannel.h"
#include "table/SettingsSchema.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::HostEvent;

std::vector<int> HandCards(const PeekHand& hand) {
  return {hand.cards.begin(), hand.cards.begin() + hand.count};
}

TEST(PeekChannel, AHandIsItsCodesEachFollowedByAComma) {
  EXPECT_EQ(PeekHandText(std::vector<int>{5, 18, 40}), "5,18,40,");
  EXPECT_EQ(PeekHandText(std::vector<int>{53}), "53,");
  EXPECT_EQ(PeekHandText(std::vector<int>{}), "");
}

TEST(PeekChannel, ATextReadsBackAsTheHandItCameFrom) {
  const std::vector<int> cards = testing::Cards("As 7h Td Kc Jk 2s 9d");
  EXPECT_EQ(HandCards(ParsePeekHand(PeekHandText(cards))), cards);
}

TEST(PeekChannel, MoreThanEightFieldsAreCutAtEight) {
  EXPECT_EQ(HandCards(ParsePeekHand("1,2,3,4,5,6,7,8,9,10,11,")),
            (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(PeekChannel, TheFirstEmptyFieldEndsTheHand) {
  EXPECT_EQ(HandCards(ParsePeekHand("5,,6,7,")), (std::vector<int>{5}));
  EXPECT_EQ(HandCards(ParsePeekHand(",5,6,")), (std::vector<int>{}));
  EXPECT_EQ(HandCards(ParsePeekHand("")), (std::vector<int>{}));
  // The last field needs no comma after it.
  EXPECT_EQ(HandCards(ParsePeekHand("5,6")), (std::vector<int>{5, 6}));
}

TEST(PeekChannel, AFieldThatIsNoCardCodeReadsAsZero) {
  // Text, a sign, codes beyond the largest deck and beyond any integer read
  // as no card; leading digits count as C's atoi counts them.
  EXPECT_EQ(HandCards(ParsePeekHand("abc,-3,0,59,99999999999999999999,12x, 7,+58,")),
            (std::vector<int>{0, 0, 0, 0, 0, 12, 7, 58}));
}

struct PeekTest : ::testing::Test {
  testing::ScriptedHost host;
  CTolvaView view{host};
  Settings settings{host.store};

  void SetUp() override {
    host.Attach(view);
    view.t = testing::EmptyTable();
  }
  std::vector<HostEvent> Calls(HostCall call) const { return host.Calls(call); }
  int PeekStarts() const { return static_cast<int>(Calls(HostCall::PeekStart).size()); }
};

// --- the game's side --------------------------------------------------------------------------

TEST_F(PeekTest, PublishingWritesTheSeatsHandInHandOrder) {
  testing::SetHand(view.t, 2, "Kc 5s Jk");
  view.PublishHand(2);
  EXPECT_EQ(settings.CunHand(2), PeekHandText(testing::Cards("Kc 5s Jk")));
  EXPECT_EQ(settings.CunHand(1), "");

  // The hand changes: the next drawing publishes the new one.
  testing::SetHand(view.t, 2, "Kc");
  view.PublishHand(2);
  EXPECT_EQ(settings.CunHand(2), PeekHandText(testing::Cards("Kc")));
}

TEST_F(PeekTest, AnEmptyHandIsPublishedAsTheEmptyText) {
  testing::SetHand(view.t, 0, "Kc 5s");
  view.PublishHand(0);
  testing::SetHand(view.t, 0, "");
  view.PublishHand(0);
  EXPECT_EQ(host.store.Stored("Cun", "0"), "");
}

TEST_F(PeekTest, PublishingAnyOtherSeatWritesNothing) {
  testing::SetHand(view.t, kHumanSeat, "Kc 5s");
  view.PublishHand(kHumanSeat);
  view.PublishHand(-1);
  EXPECT_EQ(host.store.WriteCount(), 0);
}

TEST_F(PeekTest, TheFirstPeekStartsAPeekWindowOnThatSeat) {
  testing::SetHand(view.t, 1, "Kc 5s");
  view.StartPeek(1);
  EXPECT_EQ(settings.CunNow(), 1);
  EXPECT_EQ(PeekStarts(), 1);
  EXPECT_EQ(settings.CunningView(), 1);
  EXPECT_TRUE(host.MessageIds().empty());
}

TEST_F(PeekTest, PeekingAtAnEmptyHandStartsNothingButChoosesTheSeat) {
  view.StartPeek(3);
  EXPECT_EQ(settings.CunNow(), 3);
  EXPECT_EQ(PeekStarts(), 0);
  EXPECT_EQ(settings.CunningView(), 0);
}

TEST_F(PeekTest, WhileAPeekWindowRunsAnotherSeatOnlySwitchesIt) {
  testing::SetHand(view.t, 0, "Kc 5s");
  testing::SetHand(view.t, 2, "Ah");
  view.StartPeek(0);
  view.StartPeek(2);
  EXPECT_EQ(settings.CunNow(), 2);
  EXPECT_EQ(PeekStarts(), 1);
  EXPECT_EQ(settings.CunningView(), 1);
}

TEST_F(PeekTest, AFlagLeftByAKilledPeekWindowDoesNotBlockANewOne) {
  testing::SetHand(view.t, 0, "Kc 5s");
  view.StartPeek(0);
  host.peekRunning = false;  // killed: its closing values were never written
  ASSERT_EQ(settings.CunningView(), 1);
  view.StartPeek(0);
  EXPECT_EQ(PeekStarts(), 2);
  EXPECT_EQ(settings.CunningView(), 1);
}

TEST_F(PeekTest, AFlagFromAnotherRunDoesNotBlockThePeek) {
  settings.SetCunningView(1);  // this process started no peek window
  testing::SetHand(view.t, 1, "Kc");
  view.StartPeek(1);
  EXPECT_EQ(PeekStarts(), 1);
}

TEST_F(PeekTest, AFailedStartSaysSoAndTheNextPeekTriesAgain) {
  testing::SetHand(view.t, 1, "Kc");
  host.peekStartOk = false;
  view.StartPeek(1);
  EXPECT_EQ(host.MessageIds(), (std::vector<int>{kMsgPeekStartFailed}));
  EXPECT_EQ(Calls(HostCall::Message).front().style, MessageStyle::Information);
  EXPECT_EQ(settings.CunningView(), 0);

  host.peekStartOk = true;
  view.StartPeek(1);
  EXPECT_EQ(PeekStarts(), 2);
  EXPECT_EQ(settings.CunningView(), 1);
}

TEST_F(PeekTest, AFailedStartAfterAStaleFlagLeavesTheFlagClear) {
  settings.SetCunningView(1);
  testing::SetHand(view.t, 1, "Kc");
  host.peekStartOk = false;
  view.StartPeek(1);
  EXPECT_EQ(settings.CunningView(), 0);
}

TEST_F(PeekTest, OnlyTheFourComputerSeatsCanBePeekedAt) {
  testing::SetHand(view.t, kHumanSeat, "Kc");
  settings.SetCunNow(2);
  view.StartPeek(kHumanSeat);
  view.StartPeek(-1);
  EXPECT_EQ(settings.CunNow(), 2);
  EXPECT_EQ(PeekStarts(), 0);
}

// --- the peek window's side -----------------------------------------------------------------------

struct PeekWindowTest : PeekTest {
  void Publish(int seat, std::string_view cards) {
    settings.SetCunHand(seat, PeekHandText(testing::Cards(cards)));
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& e : Calls(HostCall::Title)) titles.push_back(e.text);
    return titles;
  }
  std::vector<std::pair<int, int>> Sizes() const {
    std::vector<std::pair<int, int>> sizes;
    for (const auto& e : Calls(HostCall::PeekResize)) sizes.emplace_back(e.id, e.value);
    return sizes;
  }
};

TEST_F(PeekWindowTest, TheWindowShowsTheChosenSeatAtOnceAndPollsEveryHalfSecond) {
  Publish(1, "As 7h Td Kc Jk 2s 9d");
  settings.SetCunNow(1);
  view.StartPeekPolling();
  EXPECT_EQ(host.TimerPeriod(kTimerPeek), 500);
  EXPECT_EQ(Titles(), (std::vector<std::string>{"プトレマイオス"}));
  EXPECT_EQ(testing::HandOf(view.t, 0), testing::Cards("As 7h Td Kc Jk 2s 9d"));
  EXPECT_EQ(Sizes(), (std::vector<std::pair<int, int>>{{333, 215}}));
  EXPECT_EQ(host.Redraws(false), 1);
}

TEST_F(PeekWindowTest, AnUnchangedHandChangesNothing) {
  Publish(1, "As 7h");
  settings.SetCunNow(1);
  view.StartPeekPolling();
  host.ClearEvents();
  host.RunFor(2000);
  EXPECT_TRUE(Calls(HostCall::Title).empty());
  EXPECT_TRUE(Calls(HostCall::PeekResize).empty());
  EXPECT_EQ(host.Redraws(false), 0);
}

TEST_F(PeekWindowTest, ANewHandOrAnotherSeatShowsAtTheNextPoll) {
  Publish(1, "As 7h");
  Publish(3, "Kc 5s 5h Jk");
  settings.SetCunNow(1);
  view.StartPeekPolling();

  Publish(1, "As 7h 9d");
  host.RunFor(500);
  EXPECT_EQ(testing::HandOf(view.t, 0), testing::Cards("As 7h 9d"));

  settings.SetCunNow(3);
  host.RunFor(500);
  EXPECT_EQ(Titles(), (std::vector<std::string>{"プトレマイオス", "プトレマイオス", "リュシマコス"}));
  EXPECT_EQ(testing::HandOf(view.t, 0), testing::Cards("Kc 5s 5h Jk"));
  EXPECT_EQ(Sizes(), (std::vector<std::pair<int, int>>{{183, 215}, {213, 215}, {243, 215}}));
}

TEST_F(PeekWindowTest, AnEmptyHandLeavesThePictureAsItWas) {
  Publish(2, "As 7h");
  settings.SetCunNow(2);
  view.StartPeekPolling();
  settings.SetCunHand(2, "");
  host.ClearEvents();
  host.RunFor(500);
  EXPECT_EQ(testing::HandOf(view.t, 0), testing::Cards("As 7h"));
  EXPECT_EQ(host.Redraws(false), 0);
  EXPECT_EQ(view.LastPeekText, "");

  // The same hand coming back is news again.
  Publish(2, "As 7h");
  host.RunFor(500);
  EXPECT_EQ(host.Redraws(false), 1);
}

TEST_F(PeekWindowTest, ASeatOutsideTheFourShowsNothing) {
  settings.SetCunNow(7);
  view.StartPeekPolling();
  settings.SetCunNow(-1);
  host.RunFor(500);
  EXPECT_TRUE(Calls(HostCall::Title).empty());
  EXPECT_EQ(host.Redraws(false), 0);
  EXPECT_TRUE(host.TimerPending(kTimerPeek));
}

TEST_F(PeekWindowTest, NowFourEndsThePollingAndClosesTheWindow) {
  Publish(1, "As");
  settings.SetCunNow(1);
  view.StartPeekPolling();
  settings.SetCunNow(kPeekClose);
  host.RunFor(500);
  EXPECT_FALSE(host.TimerPending(kTimerPeek));
  EXPECT_EQ(Calls(HostCall::Quit).size(), 1u);
  host.RunFor(2000);
  EXPECT_EQ(Calls(HostCall::Quit).size(), 1u);
}

TEST_F(PeekWindowTest, ATimerThatCannotBeSetIsReportedAndNothingIsPolled) {
  Publish(1, "As");
  settings.SetCunNow(1);
  host.failSetTimer = {kTimerPeek};
  view.StartPeekPolling();
  EXPECT_EQ(host.MessageIds(), (std::vector<int>{kMsgTimerSetFailed}));
  EXPECT_EQ(Calls(HostCall::Message).front().style, MessageStyle::Error);
  EXPECT_TRUE(Calls(HostCall::Title).empty());
}

}  // namespace
}  // namespace tolva
