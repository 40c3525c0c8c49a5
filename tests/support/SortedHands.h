// Hands as the rules engine keeps a computer seat's hand: sorted by code.
#pragma once

#include <string>
#include <string_view>

#include "rules/TableState.h"

namespace tolva::testing {

// SetHand, then sorts the seat's cards by code (jokers last), as a dealt or
// inserted computer hand always is.
void SetSortedHand(TableState& t, int seat, std::string_view cards);

// Card text for a hand worth exactly `points` (0 to 69) with `jokers` jokers:
// ten-pointers first, then one low club for the rest.
std::string HandWorth(int points, int jokers = 0);

// True when the seat's valid cards stand in ascending code order.
bool IsSortedHand(const TableState& t, int seat);

}  // namespace tolva::testing
