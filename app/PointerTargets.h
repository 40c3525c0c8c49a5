// From a point of the window to what the human points at: the window point is
// divided by the scale factors into a canvas point, and the canvas point is
// tested against the hit rectangles of the last composed picture.
//
// A press, a move while dragging and a drop look for different things where
// places overlap. The river's neighbourhood reaches over the stock: a press
// there picks up the stock card, a single card dropped there is discarded. A
// face-up hand of seat 0 or 3 lies over meld rows: a press on it holds the
// hand out of the way (open mode), a drop on the rows beneath is an exposure.
// The human's hand area reaches over the near meld rows: a dragged stock card
// turns up as soon as it enters the area, but a drop on the part of a row that
// no hand card covers is an exposure.
#pragma once

#include <QPoint>
#include <QPointF>

#include "render/HitRects.h"
#include "table/HumanInput.h"

namespace tolva {

// What of the table the mapping needs beside the rectangles.
struct PointerContext {
  int handCount = 0;        // cards in the human's hand (slots beyond are stale)
  double viewAngle = 23;    // the hand's height on the canvas follows the angle
  bool seatHandsFaceUp = false;  // seats 0 and 3 show their cards
};

enum class Gesture {
  Press,  // a button goes down (also the hover help's pointer shape)
  Move,   // the pointer moves while cards are dragged
  Drop,   // the left button comes up
};

QPointF WindowToCanvas(QPoint window, float scaleX, float scaleY);

// The river's own rectangle widened by half its height above and below, half
// its width to the left and a sixth of its width to the right.
Rect RiverNeighbourhood(const Rect& river);

// The human's hand area: where a hand of eight cards lies, which holds every
// smaller hand too.
Rect HumanHandArea(const HitRects& hits, const PointerContext& context);

PointerTarget TargetAt(const HitRects& hits, const PointerContext& context, QPointF canvas,
                       Gesture gesture);

// The pointing hand: over the icons (tilt and declarations only while a table
// is active) and, with a table active, over a meld row, the stock, the river
// or one of the human's cards.
bool ShowsHandPointer(const PointerTarget& target, bool tableActive);

}  // namespace tolva
