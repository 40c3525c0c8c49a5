// The peek window's picture: one computer seat's hand at full size on white,
// each card 30 pixels right of the one before, so every index shows and the
// last card shows whole, and the hand's points in the big digits in the middle.
#pragma once

#include <QPainter>
#include <QSize>
#include <span>

#include "render/Surfaces.h"

namespace tolva {

// `hand` holds card codes; a code that is no card of any deck (outside 1 to
// 58) leaves its place white. `points` below 0 draws no digits.
void PaintPeek(QPainter& painter, const Surfaces& s, std::span<const int> hand, int points,
               QSize client);

}  // namespace tolva
