// Counting a hand the way the computer seats read it: cards per rank (jokers
// apart), pairs, ranks held three or four times, jokers and ten-pointers.
#pragma once

#include <array>
#include <span>

#include "rules/Card.h"

namespace tolva {

using HandCards = std::span<const int>;

struct HandTally {
  std::array<int, kRanks> perRank{};  // non-joker cards of each rank
  int pairs = 0;                      // ranks held exactly twice
  int triplesOrMore = 0;              // ranks held three or four times
  int jokers = 0;
  int tenPointers = 0;
  int points = 0;

  explicit HandTally(HandCards hand) {
    for (const int code : hand) {
      points += CardPoints(code);
      if (IsJoker(code)) {
        ++jokers;
        continue;
      }
      if (!IsOrdinary(code)) continue;
      ++perRank[RankOf(code)];
      if (IsTenPointer(code)) ++tenPointers;
    }
    for (const int n : perRank) {
      if (n == 2) ++pairs;
      if (n >= 3) ++triplesOrMore;
    }
  }

  // True when no other non-joker of the hand has this card's rank.
  bool IsSingle(int code) const { return IsOrdinary(code) && perRank[RankOf(code)] == 1; }
};

}  // namespace tolva
