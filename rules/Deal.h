// The shuffle, the deal and the choice of the opening seat.
#pragma once

#include <cstdint>

#include "rules/TableState.h"

namespace tolva {

// Fills a deck 1..DeckSize, performs exactly 200 random swaps from a generator
// seeded with `seed` (the host passes the current time in seconds), deals seven
// cards to each seat, puts the rest on the stock (the last card dealt on top)
// and sorts every hand by code. Reads t.DeckSize; writes Hand, HandCount, Stock,
// StockCount.
void ShuffleAndDeal(TableState& t, std::uint32_t seed);

// The key of a bottom stock card when the opening seat is chosen: the rank
// index (ace 0 ... nine 8), except that ten, jack, queen and king all get
// kTenPointerKey; -1 for a joker.
inline constexpr int kTenPointerKey = 10;
int OpeningKey(int code);

// The five bottom stock cards lie beside seats 0..4. The first joker met (in
// seat order) wins at once; otherwise the strictly lowest key wins, so a tie
// goes to the lower seat.
int ChooseOpeningSeat(const TableState& t);

}  // namespace tolva
