// Hand bookkeeping: the sorted insert of a computer seat's card, removal with
// the human's marks moving along, the count of marks, and hand points.
#include <algorithm>

#include "rules/CThink.h"

namespace tolva {

void CThink::InsertIntoHand(int seat, int card) {
  if (!IsSeat(seat)) return;
  auto& hand = t_.Hand[seat];
  int& count = t_.HandCount[seat];
  if (count >= kHandSlots) return;  // a full hand cannot take a ninth card
  // Computer hands stay sorted by code, so the card goes before the first
  // larger one (appended when it is the largest).
  int position = 0;
  while (position < count && hand[position] <= card) ++position;
  for (int slot = count; slot > position; --slot) hand[slot] = hand[slot - 1];
  hand[position] = card;
  ++count;
}

void CThink::RemoveFromHand(int seat, int index) {
  if (!IsSeat(seat)) return;
  auto& hand = t_.Hand[seat];
  int& count = t_.HandCount[seat];
  if (index < 0 || index >= count) return;
  for (int slot = index; slot + 1 < count; ++slot) {
    hand[slot] = hand[slot + 1];
    if (seat == kHumanSeat) t_.Selected[slot] = t_.Selected[slot + 1];
  }
  --count;
  if (seat == kHumanSeat) t_.Selected[count] = 0;
}

int CThink::CountSelected() {
  const int count = std::clamp(t_.HandCount[kHumanSeat], 0, kHandSlots);
  return static_cast<int>(std::count_if(t_.Selected.begin(), t_.Selected.begin() + count,
                                        [](int mark) { return mark != 0; }));
}

int CThink::HandPoints(int seat) const {
  if (!IsSeat(seat)) return 0;
  int points = 0;
  for (int i = 0; i < t_.HandCount[seat]; ++i) points += CardPoints(t_.Hand[seat][i]);
  return points;
}

}  // namespace tolva
