// Card conservation, recomputed from scratch: every code 1..DeckSize must be in
// exactly one place at every moment (a valid hand slot, the stock, the river, a
// meld, or in flight). Tests and the simulator call it after every step.
#pragma once

#include <span>
#include <string>

#include "rules/TableState.h"

namespace tolva {

// Returns an empty text when the table is consistent, otherwise a description
// of the first fault found. `inFlight` lists the cards that have left one place
// and not yet reached another (a card flying to the river, a stock card being
// dragged ...); the human's dragged cards (Dragged[0..DraggedCount)) are always
// counted as in flight.
std::string CheckCardConservation(const TableState& t, std::span<const int> inFlight = {});

}  // namespace tolva
