// Single cards and the big point digits, recorded into a draw list: faces at
// full size (the joker picture for codes above 52) or shrunk, the card back,
// and the game's inversion of a rectangle.
#pragma once

#include "render/DrawList.h"

namespace tolva {

// A face at full size, 151 x 215, opaque. An empty or unknown code draws nothing.
void DrawFace(DrawList& list, int code, int x, int y);

// A face shrunk to w x h from the full-size face.
void DrawFaceScaled(DrawList& list, int code, int x, int y, int w, int h);

// The card back in use at full size, its key-coloured corners see-through.
void DrawCardBack(DrawList& list, int x, int y);

// The big point digits of a hand, centred on (cx, cy): one digit for 0..9, the
// tens and the units side by side for 10 and more (99 at most).
void DrawBigNumber(DrawList& list, int value, int cx, int cy);

}  // namespace tolva
