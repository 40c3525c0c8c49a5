// Where a meld lies: small melds move down out of the large rows, a meld that
// outgrows its row moves up to the first free larger one, and with none free
// the exposure is refused without a word and without touching anything.
#include <gtest/gtest.h>

#include "res/StringTable.h"
#include "tests/support/MeldTable.h"

namespace tolva {
namespace {

using MeldRows = testing::MeldTable;
using testing::Cards;
using testing::MeldOf;
using testing::SetMeld;

::testing::AssertionResult IsCleared(const TableState& t, int row) {
  if (t.MeldLength[row] != 0) return ::testing::AssertionFailure() << "row " << row << " has a length";
  for (const int slot : t.Meld[row])
    if (slot != kEmptySlot) return ::testing::AssertionFailure() << "row " << row << " keeps a card";
  return ::testing::AssertionSuccess();
}

TEST_F(MeldRows, ANewMeldDroppedOnALargeRowMovesToTheFirstFreeSmallRow) {
  TakeRows(0, 0);
  ASSERT_EQ(Expose(8, "5s 6s 7s"), 1);
  EXPECT_EQ(MeldOf(t, 1), Cards("5s 6s 7s"));
  EXPECT_TRUE(IsCleared(t, 8));

  TakeRows(2, 3);
  ASSERT_EQ(Expose(9, "5h 6h 7h"), 1);
  EXPECT_EQ(MeldOf(t, 4), Cards("5h 6h 7h")) << "small rows taken: the first middle row";
  EXPECT_TRUE(IsCleared(t, 9));

  TakeRows(5, 7);
  ASSERT_EQ(Expose(9, "5d 6d 7d"), 1);
  EXPECT_EQ(MeldOf(t, 9), Cards("5d 6d 7d")) << "nothing smaller free: it stays";
}

TEST_F(MeldRows, ANewMeldOnASmallOrMiddleRowStaysThere) {
  ASSERT_EQ(Expose(6, "5s 6s 7s"), 1);
  EXPECT_EQ(MeldOf(t, 6), Cards("5s 6s 7s"));
  ASSERT_EQ(Expose(3, "5h 6h 7h"), 1);
  EXPECT_EQ(MeldOf(t, 3), Cards("5h 6h 7h"));
}

TEST_F(MeldRows, AFourthCardInALargeRowMovesTheMeldDown) {
  SetMeld(t, 8, "5s 6s 7s");
  TakeRows(0, 1);
  ASSERT_EQ(Expose(8, "8s"), 1);
  EXPECT_EQ(MeldOf(t, 2), Cards("5s 6s 7s 8s"));
  EXPECT_TRUE(IsCleared(t, 8));

  SetMeld(t, 9, "5h 6h 7h");
  TakeRows(0, 4);
  ASSERT_EQ(Expose(9, "4h"), 1);
  EXPECT_EQ(MeldOf(t, 5), Cards("4h 5h 6h 7h")) << "small rows taken: the first free middle row";
  EXPECT_TRUE(IsCleared(t, 9));

  SetMeld(t, 9, "5d 6d 7d");
  TakeRows(0, 7);
  ASSERT_EQ(Expose(9, "8d"), 1);
  EXPECT_EQ(MeldOf(t, 9), Cards("5d 6d 7d 8d")) << "nothing smaller free: it stays";
}

TEST_F(MeldRows, AFifthCardMovesAMeldFromTheSmallRowsUp) {
  SetMeld(t, 1, "5s 6s 7s 8s");
  TakeRows(4, 4);
  ASSERT_EQ(Expose(1, "9s"), 1);
  EXPECT_EQ(MeldOf(t, 5), Cards("5s 6s 7s 8s 9s"));
  EXPECT_TRUE(IsCleared(t, 1));

  TakeRows(4, 7);
  SetMeld(t, 3, "2h 3h 4h 5h");
  ASSERT_EQ(Expose(3, "6h"), 1);
  EXPECT_EQ(MeldOf(t, 8), Cards("2h 3h 4h 5h 6h")) << "middle rows taken: a large row";
  EXPECT_TRUE(IsCleared(t, 3));
}

TEST_F(MeldRows, AnEighthCardMovesAMeldFromTheMiddleRowsUp) {
  SetMeld(t, 6, "2s 3s 4s 5s 6s 7s 8s");
  TakeRows(8, 8);
  ASSERT_EQ(Expose(6, "9s"), 1);
  EXPECT_EQ(MeldOf(t, 9), Cards("2s 3s 4s 5s 6s 7s 8s 9s"));
  EXPECT_TRUE(IsCleared(t, 6));
}

TEST_F(MeldRows, ALargeRowKeepsAGrowingMeld) {
  SetMeld(t, 8, "2s 3s 4s 5s 6s 7s 8s");
  ASSERT_EQ(Expose(8, "9s"), 1);
  EXPECT_EQ(t.MeldLength[8], 8);
}

TEST_F(MeldRows, WithNoLargerRowFreeTheAttachmentIsRefusedSilently) {
  struct Case {
    int row;
    const char* meld;
    const char* card;
  };
  for (const Case c : {Case{0, "5s 6s 7s 8s", "9s"}, Case{7, "2s 3s 4s 5s 6s 7s 8s", "9s"}}) {
    SCOPED_TRACE(c.meld);
    for (int row = 0; row < kMeldRows; ++row) ClearMeldRow(t, row);
    TakeRows(4, 9);
    SetMeld(t, c.row, c.meld);
    const auto before = testing::MeldAreaOf(t);
    EXPECT_EQ(think.CanAttachToMeld(c.row, Card(c.card)), 1) << "the card itself would fit";
    EXPECT_EQ(Expose(c.row, c.card), 0);
    EXPECT_EQ(testing::MeldAreaOf(t), before);
    EXPECT_EQ(t.DraggedCount, 1);
  }
  EXPECT_TRUE(host.messages.empty()) << "not even for the human";
  EXPECT_TRUE(host.waves.empty());
}

TEST_F(MeldRows, AMeldTooLongForItsRowIsNeverWrittenIntoIt) {
  // A small row holding seven cards (only a damaged table has one) is moved
  // on past the middle rows, which hold seven at most.
  SetMeld(t, 2, "2s 3s 4s 5s 6s 7s 8s");
  ASSERT_EQ(Expose(2, "9s"), 1);
  EXPECT_EQ(t.MeldLength[8], 8);
  EXPECT_TRUE(IsCleared(t, 2));
  EXPECT_TRUE(IsCleared(t, 4));

  SetMeld(t, 2, "2h 3h 4h 5h 6h 7h 8h");
  TakeRows(8, 9);
  const auto before = testing::MeldAreaOf(t);
  EXPECT_EQ(Expose(2, "9h"), 0);
  EXPECT_EQ(testing::MeldAreaOf(t), before);
}

TEST_F(MeldRows, ALargeRowFillsUpToNineteenCardsAndNoFurther) {
  // Eighteen cards of one rank (the rest jokers) make a set of fives.
  SetMeld(t, 8, "5s 5h 5d Jk Jk Jk Jk Jk Jk Jk Jk Jk Jk Jk Jk Jk Jk Jk");
  ASSERT_EQ(Check(8, "5c"), 1);
  ASSERT_EQ(Expose(8, "5c"), 1);
  EXPECT_EQ(t.MeldLength[8], kMeldSlots);
  EXPECT_EQ(t.Meld[8][kMeldSlots - 1], Card("5c"));

  const auto before = testing::MeldAreaOf(t);
  EXPECT_EQ(Check(8, "5c"), 0);
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgNineteenAtMost});
  EXPECT_EQ(host.waves, std::vector<int>{kWaveRefused});
  // Asked directly, the rules still never write a twentieth card.
  host.messages.clear();
  EXPECT_EQ(think.CanAttachToMeld(8, Card("5c")), 0);
  EXPECT_EQ(Expose(8, "5c"), 0);
  EXPECT_EQ(testing::MeldAreaOf(t), before);
  EXPECT_TRUE(host.messages.empty()) << "the count check has said it already";
}

}  // namespace
}  // namespace tolva
