#include "tests/support/SortedHands.h"

#include <algorithm>
#include <stdexcept>

#include "tests/support/Tables.h"

namespace tolva::testing {

void SetSortedHand(TableState& t, int seat, std::string_view cards) {
  SetHand(t, seat, cards);
  std::sort(t.Hand[seat].begin(), t.Hand[seat].begin() + t.HandCount[seat]);
}

std::string HandWorth(int points, int jokers) {
  static constexpr std::string_view kTens[] = {"Ts", "Jh", "Qd", "Kc", "Th", "Jd"};
  static constexpr std::string_view kLow[] = {"", "Ac", "2c", "3c", "4c", "5c", "6c", "7c", "8c", "9c"};
  if (points < 0 || points > 69) throw std::invalid_argument("no such hand");
  std::string text;
  int tens = 0;
  for (; points >= 10; points -= 10) text += std::string(kTens[tens++]) + " ";
  if (points > 0) text += std::string(kLow[points]) + " ";
  for (int j = 0; j < jokers; ++j) text += "Jk ";
  return text;
}

bool IsSortedHand(const TableState& t, int seat) {
  return std::is_sorted(t.Hand[seat].begin(), t.Hand[seat].begin() + t.HandCount[seat]);
}

}  // namespace tolva::testing
