// Attaching one card to a meld on the table: to sets, to runs before, after
// and around a joker and through the King to the Ace; the quiet refusals; and
// CanAttachToMeld answering exactly as ExposeSelection acts.
#include <gtest/gtest.h>

#include <algorithm>

#include "res/StringTable.h"
#include "rules/CardText.h"
#include "tests/support/MeldTable.h"

namespace tolva {
namespace {

using MeldAttach = testing::MeldTable;
using testing::Cards;
using testing::MeldOf;
using testing::SetMeld;

// Rows 4-7 keep up to seven cards, so attachments there stay in their row.
constexpr int kRow = 5;

struct AttachCase {
  const char* meld;
  const char* card;
  const char* after;
};

void ExpectAttachments(MeldAttach& f, std::initializer_list<AttachCase> cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.card << " to " << c.meld);
    SetMeld(f.t, kRow, c.meld);
    EXPECT_EQ(f.think.CanAttachToMeld(kRow, MeldAttach::Card(c.card)), 1);
    ASSERT_EQ(f.Expose(kRow, c.card), 1);
    EXPECT_EQ(MeldOf(f.t, kRow), Cards(c.after));
  }
  EXPECT_TRUE(f.host.messages.empty());
  EXPECT_TRUE(f.host.waves.empty());
}

TEST_F(MeldAttach, ASetTakesItsRankAtTheRightEnd) {
  ExpectAttachments(*this, {
                               {"5s 5h 5d", "5c", "5s 5h 5d 5c"},
                               {"5s 5h Jk", "5d", "5s 5h Jk 5d"},
                               {"Kd Ks Kh", "Kc", "Kd Ks Kh Kc"},  // a Pon keeps the river card first
                           });
}

TEST_F(MeldAttach, ARunTakesTheCardBeforeOrAfterIt) {
  ExpectAttachments(*this, {
                               {"5s 6s 7s", "4s", "4s 5s 6s 7s"},
                               {"5s 6s 7s", "8s", "5s 6s 7s 8s"},
                               {"9h Th Jh Qh", "8h", "8h 9h Th Jh Qh"},
                           });
}

TEST_F(MeldAttach, RunsGoOnThroughTheKingToTheAceAndTheTwo) {
  ExpectAttachments(*this, {
                               {"Jd Qd Kd", "Ad", "Jd Qd Kd Ad"},
                               {"Qd Kd Ad", "2d", "Qd Kd Ad 2d"},
                               {"Qd Kd Ad", "Jd", "Jd Qd Kd Ad"},
                               {"Ad 2d 3d", "Kd", "Kd Ad 2d 3d"},
                               {"Kd Ad 2d", "Qd", "Qd Kd Ad 2d"},
                               {"Kd Ad 2d", "3d", "Kd Ad 2d 3d"},
                           });
}

TEST_F(MeldAttach, ACardBelowAnOpeningJokerGoesAheadOfIt) {
  ExpectAttachments(*this, {
                               {"Jk 5c 6c", "3c", "3c Jk 5c 6c"},  // the joker is the 4
                               {"Jk Ac 2c", "Qc", "Qc Jk Ac 2c"},  // the joker is the King
                               {"Jk 2c 3c", "Kc", "Kc Jk 2c 3c"},  // the joker is the Ace
                               {"Jk 5c 6c", "7c", "Jk 5c 6c 7c"},
                           });
}

TEST_F(MeldAttach, AJokerInsideARunKeepsItsPlace) {
  ExpectAttachments(*this, {
                               {"5c Jk 7c", "4c", "4c 5c Jk 7c"},
                               {"5c Jk 7c", "8c", "5c Jk 7c 8c"},
                               {"Qc Jk Ac", "2c", "Qc Jk Ac 2c"},
                               {"Qc Jk Ac", "Jc", "Jc Qc Jk Ac"},
                               {"Kc Jk 2c", "3c", "Kc Jk 2c 3c"},
                           });
}

TEST_F(MeldAttach, ACardAfterAClosingJokerSkipsTheJokersPlace) {
  ExpectAttachments(*this, {
                               {"7h 8h Jk", "Th", "7h 8h Jk Th"},  // the joker is the 9
                               {"7h 8h Jk", "6h", "6h 7h 8h Jk"},
                               {"Qh Kh Jk", "2h", "Qh Kh Jk 2h"},  // the joker is the Ace
                               {"Jh Qh Jk", "Ah", "Jh Qh Jk Ah"},  // the joker is the King
                           });
}

TEST_F(MeldAttach, TheCardAJokerStandsForIsTakenBesideTheJoker) {
  // The row records only codes, so the joker stays where it lies.
  ExpectAttachments(*this, {
                               {"7h 8h Jk", "9h", "7h 8h Jk 9h"},
                               {"5c Jk 7c", "6c", "5c Jk 6c 7c"},
                               {"Jk 5c 6c", "4c", "4c Jk 5c 6c"},
                               {"Kc Ac Jk", "2c", "Kc Ac Jk 2c"},
                           });
}

TEST_F(MeldAttach, RefusalsAreQuietAndOnlyTheHumanIsToldWhy) {
  struct Case {
    const char* meld;
    const char* card;
    int message;
  };
  const Case cases[] = {
      {"5s 5h 5d", "6s", kMsgSetNeedsSameRank},
      {"5s 5h Jk", "Ks", kMsgSetNeedsSameRank},
      {"5s 6s 7s", "8h", kMsgWrongSuit},
      {"Jk 5s 6s", "4h", kMsgWrongSuit},  // the suit is the first card's that is no joker
      {"5s 6s 7s", "9s", kMsgCardNotAccepted},
      {"5s 6s 7s", "3s", kMsgCardNotAccepted},
      {"Ad 2d 3d", "Qd", kMsgCardNotAccepted},
      {"Jd Qd Kd", "2d", kMsgCardNotAccepted},
      {"7h 8h Jk", "Jh", kMsgCardNotAccepted},
      {"Jk 5c 6c", "2c", kMsgCardNotAccepted},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.card << " to " << c.meld);
    SetMeld(t, kRow, c.meld);
    const auto before = testing::MeldAreaOf(t);
    EXPECT_EQ(think.CanAttachToMeld(kRow, Card(c.card)), 0);

    for (const int seat : {kHumanSeat, 0, 3}) {
      for (const int ruleRem : {1, 0}) {
        SCOPED_TRACE(::testing::Message() << "seat " << seat << " RuleRem " << ruleRem);
        t.TurnSeat = seat;
        t.RuleRem = ruleRem;
        host.messages.clear();
        EXPECT_EQ(Expose(kRow, c.card), 0);
        EXPECT_EQ(testing::MeldAreaOf(t), before);
        EXPECT_EQ(t.DraggedCount, 1);
        if (seat == kHumanSeat) {
          ASSERT_EQ(host.MessageIds(), std::vector<int>{c.message});
          EXPECT_EQ(host.messages[0].style, MessageStyle::Information);
        } else {
          EXPECT_TRUE(host.messages.empty());
        }
      }
    }
  }
  EXPECT_TRUE(host.waves.empty()) << "an attachment is refused without the error sound";
}

TEST_F(MeldAttach, ComputerSeatsAttachThroughTheSameRules) {
  t.TurnSeat = 2;
  SetMeld(t, 0, "Qd Kd Ad");
  ASSERT_EQ(Expose(0, "2d"), 1);
  EXPECT_EQ(MeldOf(t, 0), Cards("Qd Kd Ad 2d"));
  EXPECT_EQ(t.Dragged[0], Card("2d")) << "the scratch selection is the caller's to empty";
}

TEST_F(MeldAttach, NothingButOneOrdinaryCardIsAttached) {
  SetMeld(t, kRow, "5s 6s 7s");
  const auto before = testing::MeldAreaOf(t);
  PickUp("8s 9s");
  EXPECT_EQ(think.ExposeSelection(kRow, 2), 0);
  PickUp("Jk");
  EXPECT_EQ(think.ExposeSelection(kRow, 1), 0);
  EXPECT_EQ(think.CanAttachToMeld(kRow, Card("Jk")), 0);
  t.Dragged[0] = kEmptySlot;
  EXPECT_EQ(think.ExposeSelection(kRow, 1), 0);
  EXPECT_EQ(think.CanAttachToMeld(kRow, kEmptySlot), 0);
  EXPECT_EQ(think.CanAttachToMeld(kRow, 0), 0);
  EXPECT_EQ(testing::MeldAreaOf(t), before);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MeldAttach, CanAttachToMeldAnswersZeroWhereThereIsNoMeld) {
  EXPECT_EQ(think.CanAttachToMeld(0, Card("5s")), 0) << "an empty row";
  EXPECT_EQ(think.CanAttachToMeld(-1, Card("5s")), 0);
  EXPECT_EQ(think.CanAttachToMeld(kMeldRows, Card("5s")), 0);
  t.MeldLength[3] = -2;
  EXPECT_EQ(think.CanAttachToMeld(3, Card("5s")), 0);
  t.MeldLength[3] = 20;
  EXPECT_EQ(think.CanAttachToMeld(3, Card("5s")), 0);
  EXPECT_EQ(Expose(3, "5s"), 0);
}

// ---- properties over many melds and every card ------------------------------------------

bool IsSet(const std::vector<int>& meld) {
  int rank = -1;
  for (const int c : meld) {
    if (IsJoker(c)) continue;
    if (rank >= 0 && RankOf(c) != rank) return false;
    rank = RankOf(c);
  }
  return true;
}

// In a run each card that is no joker is one rank above the one before it
// (the Ace following the King), or two above with a joker between them.
::testing::AssertionResult IsRunInOrder(const std::vector<int>& meld) {
  int previous = -1;
  bool jokerBetween = false;
  for (const int c : meld) {
    if (IsJoker(c)) {
      jokerBetween = true;
      continue;
    }
    if (previous >= 0) {
      if (SuitOf(c) != SuitOf(previous))
        return ::testing::AssertionFailure() << CardNames(meld) << " mixes suits";
      const int step = (RankOf(c) - RankOf(previous) + kRanks) % kRanks;
      if (step != 1 && !(step == 2 && jokerBetween))
        return ::testing::AssertionFailure() << CardNames(meld) << " is out of order";
    }
    previous = c;
    jokerBetween = false;
  }
  return ::testing::AssertionSuccess();
}

constexpr const char* kSampleMelds[] = {
    "5s 5h 5d",    "5d 5s 5h 5c", "Ks Kh Jk",     "5h 6h 7h",    "Jh Qh Kh",    "Qh Kh Ah",
    "Kh Ah 2h",    "Ah 2h 3h",    "Jk 5h 6h",     "5h Jk 7h",    "5h 6h Jk",    "Qh Jk Ah",
    "Kh Jk 2h",    "Jk Kh Ah",    "Kh Ah Jk",     "Jk Ah 2h",    "Jk Qh Kh",    "Qh Kh Jk",
    "2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh",        "3h Jk 5h 6h 7h 8h 9h Th Jh Qh Kh Ah",
};

TEST_F(MeldAttach, CanAttachToMeldAgreesWithExposeSelectionForEveryCard) {
  for (const int seat : {kHumanSeat, 1}) {
    t.TurnSeat = seat;
    for (const char* meldText : kSampleMelds) {
      const auto meld = Cards(meldText);
      for (int card = 1; card <= kOrdinaryCards; ++card) {
        if (std::count(meld.begin(), meld.end(), card) != 0) continue;
        SCOPED_TRACE(::testing::Message() << CardName(card) << " to " << meldText);
        for (int row = 0; row < kMeldRows; ++row) ClearMeldRow(t, row);
        SetMeld(t, kRow, meldText);
        const auto before = testing::MeldAreaOf(t);
        const int can = think.CanAttachToMeld(kRow, card);
        ASSERT_EQ(testing::MeldAreaOf(t), before) << "CanAttachToMeld changes nothing";

        PickUp(CardName(card));
        const int placed = think.ExposeSelection(kRow, 1);
        ASSERT_EQ(placed, can);
        if (!placed) {
          ASSERT_EQ(testing::MeldAreaOf(t), before);
          continue;
        }
        // The meld moved to a large row when it outgrew row 5; either way it
        // is the old meld plus the one card.
        const int row = t.MeldLength[kRow] != 0 ? kRow : 8;
        auto after = MeldOf(t, row);
        ASSERT_EQ(after.size(), meld.size() + 1);
        if (IsSet(meld)) {
          EXPECT_TRUE(IsSet(after)) << CardNames(after);
        } else {
          EXPECT_TRUE(IsRunInOrder(after));
        }
        std::vector<int> expected = meld;
        expected.push_back(card);
        std::sort(after.begin(), after.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(after, expected);
      }
    }
  }
  EXPECT_TRUE(host.waves.empty());
}

TEST_F(MeldAttach, EveryRunGrowsToTheWholeSuitInRankOrder) {
  // Every run a player can lay in spades, jokers on either side included.
  std::vector<std::string> starts;
  const std::string ranks = "A23456789TJQK";
  auto spade = [&](int rank) { return std::string{ranks[rank % kRanks], 's'}; };
  for (int r = 0; r < kRanks; ++r) {
    starts.push_back(spade(r) + " " + spade(r + 1) + " " + spade(r + 2));
    starts.push_back(spade(r) + " " + spade(r + 1) + " Jk");
    starts.push_back(spade(r) + " " + spade(r + 2) + " Jk");
  }
  t.TurnSeat = 1;
  for (const auto& start : starts) {
    for (const Answer side : {Answer::Yes, Answer::No}) {
      SCOPED_TRACE(start + (side == Answer::Yes ? " joker left" : " joker right"));
      for (int row = 0; row < kMeldRows; ++row) ClearMeldRow(t, row);
      t.TurnSeat = kHumanSeat;
      host.answers = {side};
      ASSERT_EQ(Expose(9, start), 1);
      host.answers.clear();
      t.TurnSeat = 1;
      // The meld moves up the rows as it grows; follow it.
      auto meldRow = [&] {
        for (int row = 0; row < kMeldRows; ++row)
          if (t.MeldLength[row] != 0) return row;
        return -1;
      };
      bool grew = true;
      while (grew) {
        grew = false;
        for (int rank = 0; rank < kRanks; ++rank) {
          const int row = meldRow();
          const auto meld = MeldOf(t, row);
          const int card = CardCode(0, rank);
          if (std::count(meld.begin(), meld.end(), card) != 0) continue;
          if (think.CanAttachToMeld(row, card) == 0) continue;
          PickUp(spade(rank));
          ASSERT_EQ(think.ExposeSelection(row, 1), 1);
          ASSERT_TRUE(IsRunInOrder(MeldOf(t, meldRow())));
          grew = true;
        }
      }
      const auto whole = MeldOf(t, meldRow());
      EXPECT_EQ(whole.size(), start.ends_with("Jk") ? 14u : 13u) << CardNames(whole);
    }
  }
  for (const auto& m : host.messages) EXPECT_EQ(m.id, kMsgJokerLeftOrRight) << "no refusal shown";
}

}  // namespace
}  // namespace tolva
