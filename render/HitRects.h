// Every rectangle the player can point at, in canvas coordinates, as the last
// composition of the canvas left them. Clicks, drags and the hover help test
// points against these.
#pragma once

#include <array>

#include "render/Geometry.h"

namespace tolva {

struct HitRects {
  Rect StockRect;
  Rect RiverRect;
  std::array<Rect, 10> MeldHitRect{};
  std::array<Rect, 5> ReachCoinRect{};
  Rect TableEdgeRect;
  std::array<Rect, 5> SeatPlateRect{};
  std::array<Rect, 5> PurseTextRect{};
  std::array<Rect, 5> SeatHandRect{};
  std::array<Rect, 8> HandCardRect{};
  Rect StockCountRect;
  Rect KeyLabelRect;
  Rect PendingRect;
};

}  // namespace tolva
