// The four suit signs as outlines, drawn by us so every size stays crisp.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

namespace tolva::picturegen {

// Suit index as the card codes count it: 0 spades, 1 hearts, 2 diamonds, 3 clubs.
enum class Suit : int { Spades = 0, Hearts = 1, Diamonds = 2, Clubs = 3 };

// The sign centred on `centre`, `height` pixels tall (the width follows the
// sign's own proportions). `upsideDown` turns it for the lower half of a card.
QPainterPath SuitPath(Suit suit, QPointF centre, qreal height, bool upsideDown = false);

bool IsRed(Suit suit);
QColor SuitColour(Suit suit);

}  // namespace tolva::picturegen
