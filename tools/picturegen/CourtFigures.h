// The court cards: jack, queen and king drawn as Macedonian figures (a young
// hoplite, a veiled queen, a bearded king with diadem and sceptre), printed
// double-headed like real cards.
#pragma once

#include <QPainter>

#include "Suits.h"

namespace tolva::picturegen {

// Draws the framed double-headed figure of rank 10 (jack), 11 (queen) or 12
// (king) of `suit` onto a blank card; the corner index is drawn afterwards.
void DrawCourt(QPainter& p, Suit suit, int rank);

}  // namespace tolva::picturegen
