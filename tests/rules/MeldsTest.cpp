// The human's count and joker pre-checks before any exposure: which refusal
// wins, and that each one sounds and explains itself only as the options say.
#include <gtest/gtest.h>

#include "res/StringTable.h"
#include "tests/support/MeldTable.h"

namespace tolva {
namespace {

using ExposeCount = testing::MeldTable;
using testing::SetHand;
using testing::SetMeld;

struct CountCase {
  const char* what;
  int row;
  const char* picked;
  int expectedMessage;  // 0: allowed
};

TEST_F(ExposeCount, EachRuleRefusesWithItsOwnMessage) {
  SetMeld(t, 2, "5s 6s 7s");
  SetMeld(t, 9, "5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d");  // 18 cards
  const CountCase cases[] = {
      {"one card on an empty row", 0, "5h", kMsgNewMeldNeedsThree},
      {"two cards on an empty row", 0, "5h 5c", kMsgNewMeldNeedsThree},
      {"four cards on an empty row", 0, "5h 5c 5d 5s", kMsgNewMeldNeedsThree},
      {"two cards on a meld", 2, "8s 9s", kMsgAttachOnlyOne},
      {"three cards on a meld", 2, "8s 9s Ts", kMsgAttachOnlyOne},
      {"a lone joker on a meld", 2, "Jk", kMsgLoneJoker},
      {"three jokers", 0, "Jk Jk Jk", kMsgJokersOnly},
      {"three cards on an empty row", 0, "8s 9s Ts", 0},
      {"two jokers and a card (ExposeSelection judges)", 0, "Jk 8s Jk", 0},
      {"a joker and two cards", 0, "8s Jk 9s", 0},
      {"cards that form no meld (ExposeSelection judges)", 0, "2h 8s Kd", 0},
      {"one card on a meld", 2, "8s", 0},
      {"the nineteenth card", 9, "5h", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    host.messages.clear();
    host.waves.clear();
    EXPECT_EQ(Check(c.row, c.picked), c.expectedMessage == 0 ? 1 : 0);
    if (c.expectedMessage == 0) {
      EXPECT_TRUE(host.messages.empty());
      EXPECT_TRUE(host.waves.empty());
    } else {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages[0].id, c.expectedMessage);
      EXPECT_EQ(host.messages[0].style, MessageStyle::Information);
      EXPECT_EQ(host.waves, std::vector<int>{kWaveRefused});
    }
  }
}

TEST_F(ExposeCount, ANineteenCardRowTakesNoMore) {
  SetMeld(t, 8, "5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d 5d");
  EXPECT_EQ(Check(8, "5h"), 0);
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgNineteenAtMost});
  // The limit is checked before the lone-joker rule.
  host.messages.clear();
  EXPECT_EQ(Check(8, "Jk"), 0);
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgNineteenAtMost});
}

TEST_F(ExposeCount, TheLastCardMustGoToTheRiverWhateverElseIsWrong) {
  // With every card of the hand picked up, nothing would be left to discard.
  SetHand(t, kHumanSeat, "");
  SetMeld(t, 2, "5s 6s 7s");
  EXPECT_EQ(Check(0, "8s 9s Ts"), 0);
  EXPECT_EQ(Check(0, "8s"), 0) << "before the count rule";
  EXPECT_EQ(Check(2, "Jk"), 0) << "before the joker rule";
  EXPECT_EQ(host.MessageIds(), std::vector<int>(3, kMsgLastCardMustBeDiscarded));
}

TEST_F(ExposeCount, TheCountRulesComeBeforeTheJokerRules) {
  EXPECT_EQ(Check(0, "Jk"), 0);
  SetMeld(t, 1, "5s 6s 7s");
  EXPECT_EQ(Check(1, "Jk Jk Jk"), 0);
  EXPECT_EQ(host.MessageIds(), (std::vector<int>{kMsgNewMeldNeedsThree, kMsgAttachOnlyOne}));
}

TEST_F(ExposeCount, SoundAndReminderFollowTheirOptions) {
  struct Options {
    int koukaon, ruleRem;
  };
  for (const Options o : {Options{1, 1}, Options{0, 1}, Options{1, 0}, Options{0, 0}}) {
    SCOPED_TRACE(::testing::Message() << "Koukaon " << o.koukaon << " RuleRem " << o.ruleRem);
    t.Koukaon = o.koukaon;
    t.RuleRem = o.ruleRem;
    host.messages.clear();
    host.waves.clear();
    EXPECT_EQ(Check(0, "5h"), 0) << "refused whatever the options";
    EXPECT_EQ(RefusalSounds(), o.koukaon);
    EXPECT_EQ(host.waves.size(), static_cast<size_t>(o.koukaon));
    EXPECT_EQ(host.messages.size(), static_cast<size_t>(o.ruleRem));
  }
}

TEST_F(ExposeCount, ChangesNothingAndIgnoresRowsThatDoNotExist) {
  SetMeld(t, 2, "5s 6s 7s");
  const auto before = testing::MeldAreaOf(t);
  Check(0, "5h");
  Check(2, "8s");
  EXPECT_EQ(testing::MeldAreaOf(t), before);
  EXPECT_EQ(t.DraggedCount, 1);
  EXPECT_EQ(t.HandCount[kHumanSeat], 2);

  host.messages.clear();
  EXPECT_EQ(Check(-1, "8s 9s Ts"), 0);
  EXPECT_EQ(Check(kMeldRows, "8s"), 0);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ExposeCount, ADamagedRowLengthIsRefusedNotRead) {
  t.MeldLength[4] = 400;
  EXPECT_EQ(Check(4, "8s"), 0);
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgNineteenAtMost});
}

}  // namespace
}  // namespace tolva
