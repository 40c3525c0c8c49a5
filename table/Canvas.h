// The two fixed coordinate spaces every position of the game is given in: the
// 1200 x 900 canvas of the table picture (the window's client at scale 1) and
// the flat 1010 x 1010 table surface seen from straight above.
#pragma once

namespace tolva {

inline constexpr int kCanvasWidth = 1200;
inline constexpr int kCanvasHeight = 900;
inline constexpr int kTableSize = 1010;

}  // namespace tolva
