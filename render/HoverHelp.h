// The hover help: which text the tooltip shows for a canvas point. Over a name
// plate (while a table is active) it is that seat's profile; over the other
// parts of the table a numbered text; over nothing the tooltip keeps its text.
#pragma once

#include <array>

#include "render/HitRects.h"

namespace tolva {

struct HoverText {
  enum class Kind { Unchanged, String, Profile };
  Kind kind = Kind::Unchanged;
  int value = 0;  // the string number, or the seat whose profile to show
  friend bool operator==(const HoverText&, const HoverText&) = default;
};

HoverText HoverHelp(const HitRects& hits, bool tableActive, const std::array<int, 5>& reachFlag,
                    int x, int y);

}  // namespace tolva
