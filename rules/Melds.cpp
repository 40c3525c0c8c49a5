// Meld validation: counting and joker pre-checks, new melds with their joker
// arrangement, attachments to sets and runs, and the row placement.
//
// A set is a meld whose non-jokers share one rank; anything else is a run of
// one suit in rank order, where the King is followed by the Ace (Q-K-A and
// K-A-2 are runs). A joker stands for the missing card at its place; the row
// keeps only the codes, so every rule below reads the neighbours of a joker
// rather than asking what it stands for.
//
// Every operation here works on a copy of the row and writes the table only
// once the exposure is certain, so a refusal leaves rows and selection as they
// were.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "res/StringTable.h"
#include "rules/CThink.h"
#include "rules/Cues.h"
#include "rules/MeldRows.h"

namespace tolva {

namespace {

inline constexpr int kNewMeldCards = 3;
inline constexpr int kSmallRowsEnd = 3;   // rows 0-3 hold up to 4 cards
inline constexpr int kMiddleRowsEnd = 7;  // rows 4-7 up to 7
inline constexpr int kSmallRowCards = 4;
inline constexpr int kMiddleRowCards = 7;
inline constexpr int kLargeRowsFirst = 8;  // rows 8-9 up to 19

// A meld being built or changed, before it goes into a row.
struct MeldDraft {
  std::array<int, kMeldSlots> cards{};
  int length = 0;

  void InsertAt(int position, int card) {
    for (int slot = length; slot > position; --slot) cards[slot] = cards[slot - 1];
    cards[position] = card;
    ++length;
  }
  void Append(int card) { cards[length++] = card; }
};

bool IsRowIndex(int row) { return row >= 0 && row < kMeldRows; }

// A card code the rules can reason about: an ordinary card or a joker.
bool IsCardCode(int code) { return IsOrdinary(code) || IsJoker(code); }

// A row whose length lies outside 0..19 is damaged; no exposure touches it.
bool HasSoundLength(const TableState& t, int row) {
  return t.MeldLength[row] >= 0 && t.MeldLength[row] <= kMeldSlots;
}

MeldDraft DraftOfRow(const TableState& t, int row) {
  MeldDraft draft;
  draft.length = t.MeldLength[row];
  std::copy_n(t.Meld[row].begin(), draft.length, draft.cards.begin());
  return draft;
}

// ---- attachments --------------------------------------------------------------

enum class AttachVerdict {
  Fits,       // the draft holds the row with the card in its place
  WrongRank,  // a set of another rank
  WrongSuit,  // a run of another suit
  NoPlace,    // a run of the card's suit with no place for it
  RowFull,    // the row already holds 19 cards
};

struct Attachment {
  AttachVerdict verdict = AttachVerdict::NoPlace;
  MeldDraft meld;
};

// Where a run takes card `a` (of the run's suit): before the first card it
// leads into, or else after the last card. Codes are compared directly, which
// is sound because every non-joker of a run has the card's suit.
bool PlaceInRun(MeldDraft& run, int a) {
  const auto& cards = run.cards;
  for (int j = 0; j < run.length; ++j) {
    const int c = cards[j];
    if (IsJoker(c)) continue;
    const bool afterJoker = j > 0 && IsJoker(cards[j - 1]);
    const int rankStep = RankOf(a) - RankOf(c);
    const bool leadsInto = c - a == 1 || (afterJoker && c - a == 2) ||
                           rankStep == kRankKing - kRankAce ||  // a King before an Ace
                           (afterJoker && rankStep == kRankQueen - kRankAce);
    if (!leadsInto) continue;
    // A joker opening the run stands for the card below its neighbour, so a
    // card that leads into that neighbour goes ahead of the joker.
    run.InsertAt(j == 1 && IsJoker(cards[0]) ? 0 : j, a);
    return true;
  }

  const int last = cards[run.length - 1];
  if (IsJoker(last)) {
    if (run.length < 2 || IsJoker(cards[run.length - 2])) return false;
    const int before = cards[run.length - 2];
    if (a - before == 1 || a - before == 2 || before - a == 11 || before - a == 12) {
      run.Append(a);
      return true;
    }
    return false;
  }
  if (a - last == 1 || last - a == kRankKing - kRankAce) {
    run.Append(a);
    return true;
  }
  return false;
}

// The attachment test shared by ExposeSelection and CanAttachToMeld, for a
// non-empty row of sound length and an ordinary card.
Attachment TryAttach(const TableState& t, int row, int a) {
  Attachment result;
  result.meld = DraftOfRow(t, row);
  MeldDraft& meld = result.meld;
  if (meld.length >= kMeldSlots) {
    result.verdict = AttachVerdict::RowFull;
    return result;
  }

  int firstSuit = -1;
  int setRank = -1;
  bool oneRank = true;
  for (int i = 0; i < meld.length; ++i) {
    const int c = meld.cards[i];
    if (IsJoker(c)) continue;
    if (firstSuit < 0) firstSuit = SuitOf(c);
    if (setRank >= 0 && RankOf(c) != setRank) oneRank = false;
    setRank = RankOf(c);
  }
  if (setRank < 0) {  // only jokers: nothing to match the card against
    result.verdict = AttachVerdict::NoPlace;
    return result;
  }

  if (oneRank) {
    if (RankOf(a) != setRank) {
      result.verdict = AttachVerdict::WrongRank;
      return result;
    }
    meld.Append(a);
    result.verdict = AttachVerdict::Fits;
    return result;
  }

  if (SuitOf(a) != firstSuit) {
    result.verdict = AttachVerdict::WrongSuit;
    return result;
  }
  result.verdict = PlaceInRun(meld, a) ? AttachVerdict::Fits : AttachVerdict::NoPlace;
  return result;
}

// ---- row placement --------------------------------------------------------------

// The row a meld of `length` cards meant for `row` ends up in, or -1 when it
// has outgrown its row and no larger row is free. Small melds dropped on the
// large rows move down so that the large rows stay free for long runs.
int PlacementRow(const TableState& t, int row, int length) {
  if (length > kMeldSlots) return -1;
  if (row >= kLargeRowsFirst && length <= kSmallRowCards) {
    int smaller = FirstFreeMeldRow(t, 0, kSmallRowsEnd);
    if (smaller < 0) smaller = FirstFreeMeldRow(t, kSmallRowsEnd + 1, kMiddleRowsEnd);
    if (smaller >= 0) row = smaller;
  }
  if (row <= kSmallRowsEnd && length > kSmallRowCards) {
    int larger = FirstFreeMeldRow(t, kSmallRowsEnd + 1, kMiddleRowsEnd);
    if (larger < 0) larger = FirstFreeMeldRow(t, kLargeRowsFirst, kMeldRows - 1);
    if (larger < 0) return -1;
    row = larger;
  }
  if (row > kSmallRowsEnd && row <= kMiddleRowsEnd && length > kMiddleRowCards) {
    const int larger = FirstFreeMeldRow(t, kLargeRowsFirst, kMeldRows - 1);
    if (larger < 0) return -1;
    row = larger;
  }
  return row;
}

// Places the meld meant for `row`; false (nothing changed) when there is no room.
bool PlaceMeld(TableState& t, int row, const MeldDraft& meld) {
  const int target = PlacementRow(t, row, meld.length);
  if (target < 0) return false;
  if (target != row) ClearMeldRow(t, row);
  ClearMeldRow(t, target);
  std::copy_n(meld.cards.begin(), meld.length, t.Meld[target].begin());
  t.MeldLength[target] = meld.length;
  return true;
}

// ---- the two kinds of exposure ------------------------------------------------------

// Orders three sorted cards (jokers last) into a new meld, left to right.
// Answers the message refusing them, or 0 when `cards` holds the arrangement.
int ArrangeNewMeld(const TableState& t, RulesHost& host, std::array<int, kNewMeldCards>& cards) {
  const int jokers = static_cast<int>(std::count_if(cards.begin(), cards.end(), IsJoker));
  const int naturals = kNewMeldCards - jokers;
  const int r0 = RankOf(cards[0]);
  const int r1 = RankOf(cards[1]);
  const int r2 = naturals == 3 ? RankOf(cards[2]) : -1;
  if (r0 == r1 && (naturals == 2 || r1 == r2)) return 0;  // a set keeps its order

  for (int i = 1; i < naturals; ++i)
    if (SuitOf(cards[i]) != SuitOf(cards[0])) return kMsgSuitsDiffer;

  // Rank steps of 11 are the wrap from the King to the Ace (A-Q, 2-K).
  auto isStep = [](int d) { return d == 1 || d == 11; };
  const int x = cards[0];
  const int y = cards[1];
  if (naturals == 3) {
    if (!isStep(std::abs(r1 - r0)) || !isStep(std::abs(r2 - r1))) return kMsgBadCombination;
    const int z = cards[2];
    if (y - x == 1 && z - y == 1) {
      cards = {x, y, z};
    } else if (y - x == 1) {
      cards = {z, x, y};  // A 2 K becomes K A 2
    } else {
      cards = {y, z, x};  // A Q K becomes Q K A
    }
    return 0;
  }

  const int joker = cards[2];
  const int d = std::abs(r1 - r0);
  if (d >= 3 && d <= 10) return kMsgBadCombination;
  if (d == 2) {
    cards = {x, joker, y};  // the joker fills the gap
  } else if (d == 11) {
    cards = {y, joker, x};  // Q J A, K J 2: the joker stands for the K or the A
  } else {
    // Neighbours (or Ace and King): the joker may go at either end, and only
    // the player knows which card he wants it to be.
    bool left = true;
    if (t.TurnSeat == kHumanSeat)
      left = host.ShowMessage({}, kMsgJokerLeftOrRight, MessageStyle::YesNo) != Answer::No;
    const bool aceKing = d == kRankKing - kRankAce;
    const int low = aceKing ? y : x;  // the King leads into the Ace
    const int high = aceKing ? x : y;
    cards = left ? std::array{joker, low, high} : std::array{low, high, joker};
  }
  return 0;
}

// A new meld of the three selected cards in the empty `row`. Only the human
// lays new melds this way, so every refusal is his to hear and read.
int LayNewMeld(TableState& t, RulesHost& host, int row, int count) {
  if (count != kNewMeldCards) return 0;
  std::array<int, kNewMeldCards> cards{};
  std::copy_n(t.Dragged.begin(), kNewMeldCards, cards.begin());
  if (!std::all_of(cards.begin(), cards.end(), IsCardCode)) return 0;

  if (std::count_if(cards.begin(), cards.end(), IsJoker) > 1) {
    Refuse(t, host, kMsgTwoJokersInMeld);
    return 0;
  }
  std::sort(cards.begin(), cards.end());  // jokers end up last
  if (const int refusal = ArrangeNewMeld(t, host, cards); refusal != 0) {
    Refuse(t, host, refusal);
    return 0;
  }
  MeldDraft meld;
  for (const int card : cards) meld.Append(card);
  return PlaceMeld(t, row, meld) ? 1 : 0;  // three cards fit any row
}

// Attaches card `a` to the meld in `row`, for the human or a computer seat.
// A refused attachment is quiet; only the human is told why, and whatever the
// reminder option, since he may not see what is wrong.
int AttachOne(TableState& t, RulesHost& host, int row, int a) {
  if (!IsOrdinary(a)) return 0;
  const Attachment attachment = TryAttach(t, row, a);
  int message = 0;
  switch (attachment.verdict) {
    case AttachVerdict::Fits:
      return PlaceMeld(t, row, attachment.meld) ? 1 : 0;
    case AttachVerdict::WrongRank: message = kMsgSetNeedsSameRank; break;
    case AttachVerdict::WrongSuit: message = kMsgWrongSuit; break;
    case AttachVerdict::NoPlace: message = kMsgCardNotAccepted; break;
    case AttachVerdict::RowFull: break;  // the count check has told the human already
  }
  if (message != 0 && t.TurnSeat == kHumanSeat)
    host.ShowMessage({}, message, MessageStyle::Information);
  return 0;
}

}  // namespace

int CThink::CheckExposeCount(int row, int count) {
  if (!IsRowIndex(row)) return 0;
  const int length = t_.MeldLength[row];
  const auto& dragged = t_.Dragged;

  int refusal = 0;
  if (t_.HandCount[kHumanSeat] == 0) {
    refusal = kMsgLastCardMustBeDiscarded;
  } else if (length == 0 && count != kNewMeldCards) {
    refusal = kMsgNewMeldNeedsThree;
  } else if (length != 0 && count != 1) {
    refusal = kMsgAttachOnlyOne;
  } else if (length + count > kMeldSlots) {
    refusal = kMsgNineteenAtMost;
  } else if (count == 1 && IsJoker(dragged[0])) {
    refusal = kMsgLoneJoker;
  } else if (count == kNewMeldCards &&
             std::all_of(dragged.begin(), dragged.begin() + kNewMeldCards, IsJoker)) {
    refusal = kMsgJokersOnly;
  }
  if (refusal == 0) return 1;
  Refuse(t_, host_, refusal);
  return 0;
}

int CThink::ExposeSelection(int row, int count) {
  if (!IsRowIndex(row) || !HasSoundLength(t_, row)) return 0;
  if (t_.MeldLength[row] == 0) return LayNewMeld(t_, host_, row, count);
  return count == 1 ? AttachOne(t_, host_, row, t_.Dragged[0]) : 0;
}

int CThink::AttachCard(int row, int card) {
  if (!IsRowIndex(row) || !HasSoundLength(t_, row) || t_.MeldLength[row] == 0) return 0;
  return AttachOne(t_, host_, row, card);
}

int CThink::CanAttachToMeld(int row, int card) {
  if (!IsRowIndex(row) || !HasSoundLength(t_, row) || t_.MeldLength[row] == 0) return 0;
  if (!IsOrdinary(card)) return 0;
  return TryAttach(t_, row, card).verdict == AttachVerdict::Fits ? 1 : 0;
}

}  // namespace tolva
