// The hover help's tooltip: (0, 51, 102) text on (240, 207, 181), for the
// whole program (the table's window is its only user).
#pragma once

#include <QColor>

namespace tolva {

inline constexpr QColor kHoverBackground{240, 207, 181};
inline constexpr QColor kHoverText{0, 51, 102};

void UseHoverHelpColours();

}  // namespace tolva
