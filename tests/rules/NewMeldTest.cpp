// New melds from three picked-up cards: sets, runs through the King to the
// Ace, where a joker goes, and the refusals with their sound and message.
#include <gtest/gtest.h>

#include "res/StringTable.h"
#include "tests/support/MeldTable.h"

namespace tolva {
namespace {

using NewMeld = testing::MeldTable;
using testing::Cards;
using testing::MeldOf;

TEST_F(NewMeld, ThreeOfARankAreASetWhateverTheirSuits) {
  ASSERT_EQ(Expose(0, "5d 5s 5h"), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("5s 5h 5d")) << "a set lies in code order";
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.waves.empty());
}

TEST_F(NewMeld, TwoOfARankAndAJokerAreASet) {
  ASSERT_EQ(Expose(1, "Jk Kc Kh"), 1);
  EXPECT_EQ(MeldOf(t, 1), Cards("Kh Kc Jk")) << "the joker comes last, no question asked";
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(NewMeld, NaturalRunsLieInRankOrderThroughTheKingToTheAce) {
  struct Case {
    const char* picked;
    const char* meld;
  };
  const Case cases[] = {
      {"7s 5s 6s", "5s 6s 7s"}, {"Jh Kh Qh", "Jh Qh Kh"},
      {"As 2s 3s", "As 2s 3s"}, {"2d Kd Ad", "Kd Ad 2d"},  // K A 2
      {"Kc Ac Qc", "Qc Kc Ac"},                            // Q K A
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picked);
    ClearMeldRow(t, 0);
    ASSERT_EQ(Expose(0, c.picked), 1);
    EXPECT_EQ(MeldOf(t, 0), Cards(c.meld));
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(NewMeld, AJokerFillsTheGapBetweenTwoCards) {
  ASSERT_EQ(Expose(0, "7s Jk 5s"), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("5s Jk 7s"));
  // Across the King to the Ace, the higher card leads.
  ASSERT_EQ(Expose(1, "Ah Qh Jk"), 1);
  EXPECT_EQ(MeldOf(t, 1), Cards("Qh Jk Ah")) << "the joker is the King";
  ASSERT_EQ(Expose(2, "Jk 2d Kd"), 1);
  EXPECT_EQ(MeldOf(t, 2), Cards("Kd Jk 2d")) << "the joker is the Ace";
  EXPECT_TRUE(host.messages.empty()) << "a gap leaves no choice to ask about";
}

TEST_F(NewMeld, NeighboursAndAJokerAskWhereTheJokerGoes) {
  host.answers = {Answer::Yes};
  ASSERT_EQ(Expose(0, "8s Jk 7s"), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("Jk 7s 8s")) << "Yes: on the left";
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].id, kMsgJokerLeftOrRight);
  EXPECT_EQ(host.messages[0].style, MessageStyle::YesNo);

  host.answers = {Answer::No};
  ASSERT_EQ(Expose(1, "8s Jk 7s"), 1);
  EXPECT_EQ(MeldOf(t, 1), Cards("7s 8s Jk")) << "No: on the right";

  // Only No puts it on the right; a box that could not be shown counts as left.
  host.answers = {Answer::None};
  ASSERT_EQ(Expose(2, "Jk As 2s"), 1);
  EXPECT_EQ(MeldOf(t, 2), Cards("Jk As 2s"));
  EXPECT_TRUE(host.waves.empty());
}

TEST_F(NewMeld, AceKingJokerAsksWhereTheJokerGoes) {
  host.answers = {Answer::Yes, Answer::No};
  ASSERT_EQ(Expose(0, "As Ks Jk"), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("Jk Ks As")) << "left: the joker is the Queen";
  ASSERT_EQ(Expose(1, "Jk Ks As"), 1);
  EXPECT_EQ(MeldOf(t, 1), Cards("Ks As Jk")) << "right: the joker is the 2";
  EXPECT_EQ(host.MessageIds(), std::vector<int>(2, kMsgJokerLeftOrRight));
}

TEST_F(NewMeld, QueenKingJokerIsAnOrdinaryNeighbourPair) {
  host.answers = {Answer::No};
  ASSERT_EQ(Expose(0, "Kh Jk Qh"), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("Qh Kh Jk")) << "the joker is the Ace";
}

TEST_F(NewMeld, TheQuestionIsAskedWhateverTheReminderAndSoundOptions) {
  t.RuleRem = 0;
  t.Koukaon = 0;
  host.answers = {Answer::No};
  ASSERT_EQ(Expose(0, "2h 3h Jk"), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("2h 3h Jk"));
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgJokerLeftOrRight});
}

TEST_F(NewMeld, OutsideTheHumansTurnNobodyIsAskedAndTheJokerGoesLeft) {
  t.TurnSeat = 1;
  ASSERT_EQ(Expose(0, "2h 3h Jk"), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("Jk 2h 3h"));
  EXPECT_TRUE(host.messages.empty());
}

struct RefusalCase {
  const char* what;
  const char* picked;
  int message;
};

TEST_F(NewMeld, RefusalsSoundAndExplain) {
  const RefusalCase cases[] = {
      {"two jokers", "Jk 5s Jk", kMsgTwoJokersInMeld},
      {"three jokers", "Jk Jk Jk", kMsgTwoJokersInMeld},
      {"two jokers, before any suit check", "5s Jk Jk", kMsgTwoJokersInMeld},
      {"a run of mixed suits", "5s 6h 7s", kMsgSuitsDiffer},
      {"a pair and a card of another rank and suit", "5s 5h 6s", kMsgSuitsDiffer},
      {"two suits and a joker", "5s 6h Jk", kMsgSuitsDiffer},
      {"a gap in a natural run", "5s 6s 8s", kMsgBadCombination},
      {"A 2 Q", "As 2s Qs", kMsgBadCombination},
      {"2 3 K", "2s 3s Ks", kMsgBadCombination},
      {"5 and 9 with a joker", "5s 9s Jk", kMsgBadCombination},
      {"5 and 8 with a joker (three apart)", "5d Jk 8d", kMsgBadCombination},
      {"A and J with a joker (ten apart)", "Ac Jc Jk", kMsgBadCombination},
      {"2 and Q with a joker", "2c Qc Jk", kMsgBadCombination},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    host.messages.clear();
    host.waves.clear();
    const auto before = testing::MeldAreaOf(t);
    EXPECT_EQ(Expose(3, c.picked), 0);
    ASSERT_EQ(host.MessageIds(), std::vector<int>{c.message});
    EXPECT_EQ(host.messages[0].style, MessageStyle::Information);
    EXPECT_EQ(host.waves, std::vector<int>{kWaveRefused});
    EXPECT_EQ(testing::MeldAreaOf(t), before);
    EXPECT_EQ(t.DraggedCount, 3) << "the human keeps the picked-up cards";
  }
}

TEST_F(NewMeld, RefusalSoundAndMessageFollowTheirOptions) {
  t.Koukaon = 0;
  EXPECT_EQ(Expose(0, "5s 9s Jk"), 0);
  EXPECT_TRUE(host.waves.empty());
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgBadCombination});

  t.Koukaon = 1;
  t.RuleRem = 0;
  host.messages.clear();
  EXPECT_EQ(Expose(0, "5s 6h 7s"), 0);
  EXPECT_EQ(host.waves, std::vector<int>{kWaveRefused});
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(NewMeld, PlacingTheMeldLeavesHandAndSelectionToTheCaller) {
  PickUp("5s 6s 7s");
  const auto hand = testing::HandOf(t, kHumanSeat);
  ASSERT_EQ(think.ExposeSelection(0, 3), 1);
  EXPECT_EQ(t.DraggedCount, 3);
  EXPECT_EQ(t.Dragged[0], Card("5s"));
  EXPECT_EQ(testing::HandOf(t, kHumanSeat), hand);
  EXPECT_EQ(t.MeldLength[0], 3);
  EXPECT_EQ(t.Meld[0][3], kEmptySlot) << "the rest of the row stays empty";
}

TEST_F(NewMeld, ACountOtherThanThreeOrACardThatIsNoCardLaysNothing) {
  PickUp("5s 6s 7s 8s");
  EXPECT_EQ(think.ExposeSelection(0, 4), 0);
  EXPECT_EQ(think.ExposeSelection(0, 1), 0);
  PickUp("5s 6s");
  t.Dragged[2] = kEmptySlot;
  EXPECT_EQ(think.ExposeSelection(0, 3), 0);
  t.Dragged[2] = 0;
  EXPECT_EQ(think.ExposeSelection(0, 3), 0);
  EXPECT_EQ(t.MeldLength[0], 0);
  EXPECT_EQ(think.ExposeSelection(-1, 3), 0);
  EXPECT_EQ(think.ExposeSelection(kMeldRows, 3), 0);
}

}  // namespace
}  // namespace tolva
