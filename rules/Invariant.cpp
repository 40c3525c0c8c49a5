#include "rules/Invariant.h"

#include <sstream>
#include <vector>

namespace tolva {

std::string CheckCardConservation(const TableState& t, std::span<const int> inFlight) {
  std::ostringstream fault;
  if (t.DeckSize < kSeatsDealt + 1 || t.DeckSize > kSeatsDealt + kPileSlots) {
    fault << "deck size " << t.DeckSize << " out of range";
    return fault.str();
  }
  std::vector<std::string> whereSeen(t.DeckSize + 1);
  auto place = [&](int code, const std::string& where) {
    if (!fault.str().empty()) return;
    if (code < 1 || code > t.DeckSize) {
      fault << "code " << code << " in " << where << " is not a card of the deck";
    } else if (!whereSeen[code].empty()) {
      fault << "card " << code << " is both in " << whereSeen[code] << " and in " << where;
    } else {
      whereSeen[code] = where;
    }
  };
  auto checkCount = [&](int count, int limit, const std::string& what) {
    if (fault.str().empty() && (count < 0 || count > limit))
      fault << what << " is " << count << " (0.." << limit << " allowed)";
  };

  for (int seat = 0; seat < kSeats; ++seat) {
    const std::string name = "hand " + std::to_string(seat);
    checkCount(t.HandCount[seat], kHandSlots, name + " count");
    if (!fault.str().empty()) return fault.str();
    for (int i = 0; i < t.HandCount[seat]; ++i) place(t.Hand[seat][i], name + " slot " + std::to_string(i));
  }
  checkCount(t.StockCount, kPileSlots, "stock count");
  checkCount(t.RiverCount, kPileSlots, "river count");
  checkCount(t.DraggedCount, kHandSlots, "dragged count");
  if (!fault.str().empty()) return fault.str();
  for (int i = 0; i < t.StockCount; ++i) place(t.Stock[i], "stock " + std::to_string(i));
  for (int i = 0; i < t.RiverCount; ++i) place(t.River[i], "river " + std::to_string(i));
  for (int row = 0; row < kMeldRows; ++row) {
    checkCount(t.MeldLength[row], kMeldSlots, "meld row " + std::to_string(row) + " length");
    if (!fault.str().empty()) return fault.str();
    for (int i = 0; i < t.MeldLength[row]; ++i)
      place(t.Meld[row][i], "meld row " + std::to_string(row) + " slot " + std::to_string(i));
  }
  for (int i = 0; i < t.DraggedCount; ++i) place(t.Dragged[i], "the dragged cards");
  for (const int code : inFlight) place(code, "flight");
  if (!fault.str().empty()) return fault.str();

  for (int code = 1; code <= t.DeckSize; ++code) {
    if (whereSeen[code].empty()) {
      fault << "card " << code << " is nowhere";
      return fault.str();
    }
  }
  return {};
}

}  // namespace tolva
