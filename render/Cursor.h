// The keyboard cursor: a small arrow over the human's hand card that the keys
// work on, drawn straight on the window so moving it needs no recomposition.
#pragma once

#include <QPainter>

#include "render/HitRects.h"
#include "render/ScaledPictures.h"

namespace tolva {

// The hand slot the cursor stands on: below 0 it wraps to the last card,
// beyond the last to the first; in Reach (not while declaring it) it always
// stands on the last card, the drawn one. -1 for an empty hand.
int ClampCursor(int cursor, int handCount, bool inReach, bool reachPending);

// Where the sprite goes on the window for that slot of the last drawn hand:
// 10 pixels into the card and 20 above it, 20 x 18 scaled. Empty for no slot.
Rect CursorSpriteRect(const HitRects& hits, int slot, float scaleX, float scaleY);

// Draws the sprite (white transparent) into a rectangle of device pixels,
// made at that size from the densest sprite there is.
void DrawCursorSprite(QPainter& device, ScaledPictures& pictures, const QRect& deviceRect);

}  // namespace tolva
