// Drawing single cards: faces full size from the face sheet (the joker picture
// for codes above 52), faces shrunk with area averaging, the card back.
#pragma once

#include <QPainter>

#include "render/Surfaces.h"

namespace tolva {

// A face at full size, 151 x 215, opaque. An empty or unknown code draws nothing.
void DrawFace(QPainter& painter, const Surfaces& s, int code, int x, int y);

// A face shrunk to w x h from the full-size face.
void DrawFaceScaled(QPainter& painter, Surfaces& s, int code, int x, int y, int w, int h);

// The card back in use at full size, its key-coloured corners see-through.
void DrawCardBack(QPainter& painter, const Surfaces& s, int x, int y);

// The game's inversion of a rectangle of the painter's surface.
void InvertArea(QPainter& painter, const Rect& r);

// The big point digits of a hand, centred on (cx, cy): one digit for 0..9, the
// tens and the units side by side for 10 and more (99 at most).
void DrawBigNumber(QPainter& painter, const Surfaces& s, int value, int cx, int cy);

}  // namespace tolva
