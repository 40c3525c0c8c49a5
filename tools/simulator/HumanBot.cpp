#include "tools/simulator/HumanBot.h"

#include <array>

#include "rules/MeldRows.h"

namespace tolva::sim {

namespace {
constexpr int kLowHandPoints = 10;

bool IsReachHandWithout(const TableState& t, int slot) {
  // The Reach hand of the rules: seven cards, no rank three or four times, and
  // pairs plus jokers at least three.
  std::array<int, kRanks> perRank{};
  int jokers = 0;
  int cards = 0;
  for (int i = 0; i < t.HandCount[kHumanSeat]; ++i) {
    if (i == slot) continue;
    ++cards;
    const int code = t.Hand[kHumanSeat][i];
    if (IsJoker(code)) {
      ++jokers;
    } else {
      ++perRank[RankOf(code)];
    }
  }
  int pairs = 0;
  for (const int n : perRank) {
    if (n >= 3) return false;
    if (n == 2) ++pairs;
  }
  return cards == kDealtCards && pairs + jokers >= 3;
}
}  // namespace

void HumanBot::Act() {
  ++actions;
  const TableState& t = view_.t;
  if (t.PonSelect) {
    MarkForPon();
  } else if (!t.HasDrawn) {
    ++turn_;
    StartTurn();
  } else {
    Discard();
  }
}

void HumanBot::StartTurn() {
  const TableState& t = view_.t;
  if (view_.DeclarationAllowed(Declaration::Seventy) && view_.think.HandPoints(kHumanSeat) == 70) {
    view_.DeclareSeventy();
    return;
  }
  if (view_.DeclarationAllowed(Declaration::Tolva) &&
      view_.think.HandPoints(kHumanSeat) <= kLowHandPoints && Chance(3)) {
    view_.DeclareTolva();
    return;
  }
  if (!t.ReachFlag[kHumanSeat] && t.RiverCount > 0 && Chance(4)) {
    if (Chance(2)) {
      view_.TakeFromRiver();
    } else {
      const int count = t.HandCount[kHumanSeat];
      view_.LeftPress(PointerTarget::River());
      view_.DragMove(PointerTarget::HandCard(count - 1));
      view_.LeftRelease(PointerTarget::HandCard(static_cast<int>(random_() % count)));
    }
    if (t.HasDrawn) return;
  }
  if (Chance(2)) {
    view_.DrawFromStock();
  } else {
    // Drag the stock card into the hand: face down until it enters the hand area.
    const int count = t.HandCount[kHumanSeat];
    view_.LeftPress(PointerTarget::Stock());
    view_.DragMove(PointerTarget::Elsewhere());
    view_.DragMove(PointerTarget::HandArea());
    if (view_.Dragging == DragKind::None) return;  // it won in Reach, or nothing was picked up
    const int drop = count > 0 ? static_cast<int>(random_() % count) : 0;
    view_.LeftRelease(count > 0 ? PointerTarget::HandCard(drop) : PointerTarget::HandArea());
  }
}

void HumanBot::MarkForPon() {
  const TableState& t = view_.t;
  if (t.RiverCount == 0) {
    view_.LeftPress(PointerTarget::Elsewhere());
    return;
  }
  const int top = t.River[t.RiverCount - 1];
  for (int slot = 0; slot < t.HandCount[kHumanSeat]; ++slot) {
    const int card = t.Hand[kHumanSeat][slot];
    if (!t.Selected[slot] && !IsJoker(card) && RankOf(card) == RankOf(top)) {
      view_.RightPress(PointerTarget::HandCard(slot));
      return;
    }
  }
  // Nothing left to mark: unmark and begin again.
  for (int slot = 0; slot < t.HandCount[kHumanSeat]; ++slot)
    if (t.Selected[slot]) view_.RightPress(PointerTarget::HandCard(slot));
}

void HumanBot::Discard() {
  const TableState& t = view_.t;
  if (t.ReachFlag[kHumanSeat] && !t.ReachPending) {
    view_.Key(HumanKey::Up);  // in Reach the cursor stands on the drawn card
    if (view_.t.HasDrawn && view_.HumansTurn()) DiscardSlot(HighestDiscardable());
    return;
  }
  if (t.ReachPending) {
    const int slot = ReachDiscardSlot();
    DiscardSlot(slot >= 0 ? slot : HighestDiscardable());
    return;
  }
  if (turnOfLastReach_ != turn_ && view_.DeclarationAllowed(Declaration::Reach) && Chance(2)) {
    const int slot = ReachDiscardSlot();
    if (slot >= 0) {
      turnOfLastReach_ = turn_;
      view_.DeclareReach();
      if (view_.t.ReachPending) DiscardSlot(slot);
      return;
    }
  }
  if (turnOfLastExposure_ != turn_ && Chance(3)) {
    turnOfLastExposure_ = turn_;
    TryExposure();
    return;
  }
  if (Chance(8) && t.HandCount[kHumanSeat] > 1) view_.Key(HumanKey::Right, true);
  DiscardSlot(HighestDiscardable());
}

int HumanBot::ReachDiscardSlot() {
  const TableState& t = view_.t;
  if (t.HandCount[kHumanSeat] != kHandSlots) return -1;
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (t.Hand[kHumanSeat][slot] != t.RiverTakenCard && IsReachHandWithout(t, slot)) return slot;
  return -1;
}

int HumanBot::HighestDiscardable() {
  const TableState& t = view_.t;
  const int count = t.HandCount[kHumanSeat];
  if (t.ReachFlag[kHumanSeat] && !t.ReachPending) {
    for (int slot = 0; slot < count; ++slot)
      if (t.Hand[kHumanSeat][slot] == t.DrawnCard) return slot;
  }
  int best = -1;
  int bestPoints = -1;
  for (int slot = 0; slot < count; ++slot) {
    const int card = t.Hand[kHumanSeat][slot];
    if (card == t.RiverTakenCard && count > 1) continue;
    const int points = IsJoker(card) ? -1 : RankOf(card);
    if (points > bestPoints) {
      best = slot;
      bestPoints = points;
    }
  }
  return best >= 0 ? best : 0;
}

void HumanBot::TryExposure() {
  // Three cards of one rank, marked and dropped on a free row.
  const TableState& t = view_.t;
  const int row = FirstFreeMeldRow(t);
  if (row < 0) return;
  std::array<int, kRanks> perRank{};
  for (int slot = 0; slot < t.HandCount[kHumanSeat]; ++slot) {
    const int card = t.Hand[kHumanSeat][slot];
    if (!IsJoker(card)) ++perRank[RankOf(card)];
  }
  for (int rank = 0; rank < kRanks; ++rank) {
    if (perRank[rank] < 3 || t.HandCount[kHumanSeat] <= 3) continue;
    view_.LeftPress(PointerTarget::Elsewhere());  // no stray marks
    int marked = 0;
    int first = -1;
    for (int slot = 0; slot < t.HandCount[kHumanSeat] && marked < 3; ++slot) {
      const int card = t.Hand[kHumanSeat][slot];
      if (IsJoker(card) || RankOf(card) != rank) continue;
      view_.RightPress(PointerTarget::HandCard(slot));
      if (first < 0) first = slot;
      ++marked;
    }
    view_.LeftPress(PointerTarget::HandCard(first));
    view_.DragMove(PointerTarget::MeldRow(row));
    view_.LeftRelease(PointerTarget::MeldRow(row));
    view_.LeftPress(PointerTarget::Elsewhere());
    return;
  }
}

void HumanBot::DiscardSlot(int slot) {
  const TableState& t = view_.t;
  if (slot < 0 || slot >= t.HandCount[kHumanSeat]) return;
  if (view_.think.CountSelected() > 0) view_.LeftPress(PointerTarget::Elsewhere());
  if (Chance(2)) {
    MoveCursorTo(slot);
    view_.Key(Chance(3) ? HumanKey::Enter : HumanKey::Up);
  } else {
    view_.LeftPress(PointerTarget::HandCard(slot));
    const PointerTarget river =
        Chance(3) && !t.ReachPending ? PointerTarget::RiverNeighbourhood() : PointerTarget::River();
    view_.DragMove(river);
    view_.LeftRelease(river);
  }
}

void HumanBot::MoveCursorTo(int slot) {
  const TableState& t = view_.t;
  const int count = t.HandCount[kHumanSeat];
  if (count <= 0) return;
  const int right = (slot - t.Cursor + count) % count;
  const HumanKey key = right <= count - right ? HumanKey::Right : HumanKey::Left;
  for (int guard = 0; guard < kHandSlots && t.Cursor != slot; ++guard) view_.Key(key);
}

}  // namespace tolva::sim
