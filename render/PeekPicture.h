// The peek window's picture: one computer seat's hand at full size on white,
// each card 30 pixels right of the one before, so every index shows and the
// last card shows whole, and the hand's points in the big digits in the middle.
#pragma once

#include <QPainter>
#include <QSize>
#include <span>

#include "render/ScaledPictures.h"
#include "render/Surfaces.h"

namespace tolva {

// `hand` holds card codes; a code that is no card of any deck (outside 1 to
// 58) leaves its place white. `points` below 0 draws no digits. The painter
// works in device pixels at the pictures' scale; `client` is in window pixels.
void PaintPeek(QPainter& painter, ScaledPictures& pictures, std::span<const int> hand, int points,
               QSize client);

// The same at the window's own pixels, from the surfaces' pictures.
void PaintPeek(QPainter& painter, Surfaces& s, std::span<const int> hand, int points, QSize client);

}  // namespace tolva
