// The application icon (a Macedonian shield with the royal sun behind a fan
// of cards) and the two phases of the Reach badge shown over the window icon.
#pragma once

#include <QImage>
#include <QPainterPath>

#include "Words.h"

namespace tolva::picturegen {

// The application icon at size x size, with transparency; small sizes drop
// the finer detail so they stay clear.
QImage AppIcon(int size);

// The Reach badge, 32 x 32 with transparency: phase 0 is icon 169 (shown
// first, crimson), phase 1 icon 168 (gold).
QImage ReachIcon(int phase, const Words& words);

// The word on the Reach badge as drawn, and the box it must keep to.
QPainterPath ReachWord(const QString& reach);
QRectF ReachWordBox();

}  // namespace tolva::picturegen
