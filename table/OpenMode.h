// Open mode: the computer generals' hands lie face up while the player learns
// a city, that is during its first three games. From the fourth game on the
// option has no effect, and the menu greys its item.
#pragma once

#include "rules/TableState.h"

namespace tolva {

inline constexpr int kLastOpenGame = 3;

// Whether the option can act (and be toggled) in game gameNo of a city.
constexpr bool OpenModeApplies(int gameNo) { return gameNo <= kLastOpenGame; }

// Whether the open mode is on and shows the hands in the game on the table.
constexpr bool OpenModeShowsHands(const TableState& t) {
  return t.OpenMode != 0 && OpenModeApplies(t.GameNo);
}

}  // namespace tolva
