// Winning hands, Reach hands, the Pon and Kan calls and the Tolva judgement.
//
// A winning hand is four pairs of four different ranks in eight cards, jokers
// standing in for missing partners (and for each other). A rank held three or
// four times spoils the hand: four of a kind are not two pairs.
#include <array>

#include "rules/CThink.h"
#include "rules/MeldRows.h"

namespace tolva {

namespace {

struct HandShape {
  int pairs = 0;
  int jokers = 0;
  bool hasThreeOrMore = false;
};

HandShape ShapeOf(const TableState& t, int seat) {
  std::array<int, kRanks> perRank{};
  HandShape shape;
  for (int i = 0; i < t.HandCount[seat]; ++i) {
    const int code = t.Hand[seat][i];
    if (IsJoker(code)) {
      ++shape.jokers;
    } else {
      ++perRank[RankOf(code)];
    }
  }
  for (const int n : perRank) {
    if (n == 2) ++shape.pairs;
    if (n >= 3) shape.hasThreeOrMore = true;
  }
  return shape;
}

int CountOfRank(const TableState& t, int seat, int rank) {
  int n = 0;
  for (int i = 0; i < t.HandCount[seat]; ++i) {
    const int code = t.Hand[seat][i];
    if (!IsJoker(code) && RankOf(code) == rank) ++n;
  }
  return n;
}

int RiverTop(const TableState& t) { return t.RiverCount > 0 ? t.River[t.RiverCount - 1] : kEmptySlot; }

void TakeRiverTop(TableState& t) {
  --t.RiverCount;
  t.River[t.RiverCount] = kEmptySlot;
}

}  // namespace

int CThink::IsWinningHand(int seat) {
  if (!IsSeat(seat) || t_.HandCount[seat] != kHandSlots) return 0;
  const HandShape shape = ShapeOf(t_, seat);
  return !shape.hasThreeOrMore && shape.pairs + shape.jokers >= 4 ? 1 : 0;
}

int CThink::IsReachHand(int seat) {
  if (!IsSeat(seat) || t_.HandCount[seat] != kDealtCards) return 0;
  const HandShape shape = ShapeOf(t_, seat);
  return !shape.hasThreeOrMore && shape.pairs + shape.jokers >= 3 ? 1 : 0;
}

int CThink::CountForCall(int seat, int card) {
  if (!IsSeat(seat) || IsJoker(card) || !IsOrdinary(card) || t_.HandCount[seat] <= 3) return 0;
  switch (CountOfRank(t_, seat, RankOf(card))) {
    case 2: return 1;
    case 3: return 2;
    default: return 0;
  }
}

int CThink::ChooseCall(int seat) {
  const int top = RiverTop(t_);
  // A call needs a free row for its meld (ComputerCall would refuse it, after
  // the table had already announced it).
  if (top == kEmptySlot || FirstFreeMeldRow(t_) < 0) return kNoCall;
  switch (CountForCall(seat, top)) {
    case 1: return kCallPon;
    case 2: return kCallKan;
    default: return kNoCall;
  }
}

int CThink::ComputerCall(int seat, int ponFlag) {
  const int top = RiverTop(t_);
  if (!IsSeat(seat) || top == kEmptySlot) return 0;
  // The row is looked for before anything moves: with all ten rows taken the
  // call is impossible and the cards stay where they are.
  const int row = FirstFreeMeldRow(t_);
  if (row < 0) return 0;

  const int wanted = ponFlag ? 2 : 3;
  std::array<int, 3> positions{};
  int found = 0;
  auto& hand = t_.Hand[seat];
  for (int i = 0; i < t_.HandCount[seat] && found < wanted; ++i)
    if (!IsJoker(hand[i]) && RankOf(hand[i]) == RankOf(top)) positions[found++] = i;
  if (found < wanted) return 0;

  auto& meld = t_.Meld[row];
  meld[0] = top;
  for (int k = 0; k < wanted; ++k) meld[k + 1] = hand[positions[k]];
  for (int k = wanted - 1; k >= 0; --k) RemoveFromHand(seat, positions[k]);  // highest first
  t_.MeldLength[row] = wanted + 1;
  TakeRiverTop(t_);
  host_.RedrawScene(true);
  return 1;
}

void CThink::HumanCall(int ponFlag) {
  const int top = RiverTop(t_);
  if (top == kEmptySlot) return;
  const int row = FirstFreeMeldRow(t_);
  if (row < 0) return;  // no free row: no call (the flow does not offer one then)

  const int wanted = ponFlag ? 2 : 3;
  auto& hand = t_.Hand[kHumanSeat];
  std::array<int, 3> positions{};
  int found = 0;
  for (int i = 0; i < t_.HandCount[kHumanSeat] && found < wanted; ++i) {
    const bool takes = t_.PonSelect ? t_.Selected[i] != 0
                                    : !IsJoker(hand[i]) && RankOf(hand[i]) == RankOf(top);
    if (takes) positions[found++] = i;
  }
  // A meld is never shorter than three cards; without the partners there is no call.
  if (found < wanted) return;

  auto& meld = t_.Meld[row];
  meld[0] = top;
  for (int k = 0; k < found; ++k) meld[k + 1] = hand[positions[k]];
  for (int k = found - 1; k >= 0; --k) RemoveFromHand(kHumanSeat, positions[k]);
  t_.MeldLength[row] = found + 1;
  TakeRiverTop(t_);
  t_.TurnSeat = kHumanSeat;
  host_.ClearLastTimerRecord();
  host_.RedrawScene(true);
}

int CThink::JudgeTolva(int seat) {
  if (!IsSeat(seat)) return 0;  // nobody declared: no result is written
  const int declared = HandPoints(seat);
  bool anyMarked = false;
  for (int other = 0; other < kSeats; ++other) {
    if (other == seat || HandPoints(other) > declared) continue;
    t_.TolvaMark[other] = 1;
    anyMarked = true;
  }
  t_.ResultSeat = seat;
  t_.ResultKind = anyMarked ? kTolvaFailed : kTolvaSucceeded;
  return anyMarked ? 0 : 1;
}

}  // namespace tolva
