// Makes the pixels of a draw list on its surface, at the scale of the
// pictures it is given: at scale 1 exactly as the canvas always was, at any
// other scale with every edge, text and picture at device pixels.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include "render/DrawList.h"
#include "render/ScaledPictures.h"

namespace tolva {

// Paints the list's commands in order; with a `clip` (device pixels) only
// inside it, skipping what lies wholly outside. `table` is the flat table
// the Table command projects (at the same scale).
void PaintList(QPainter& painter, const DrawList& list, ScaledPictures& pictures,
               const QImage& table, const QRect& clip = QRect());

// How far a text's glyphs may stand out of its box, in canvas pixels.
inline constexpr int kGlyphOverhang = 3;

// Where a command's pixels may reach: its rectangle, and for a text the
// glyphs that stand out of their box.
Rect Reach(const DrawCommand& command);

}  // namespace tolva
