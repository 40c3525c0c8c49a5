// The keys the table itself handles, from Qt's key codes (the function keys
// are the main window's accelerators). Enter is the main Return key or the
// number pad's Enter; the digits 1 to 3 are those of the main row or the pad.
#pragma once

#include <optional>

#include "table/HumanInput.h"

namespace tolva {

std::optional<HumanKey> HumanKeyOf(int qtKey);

}  // namespace tolva
