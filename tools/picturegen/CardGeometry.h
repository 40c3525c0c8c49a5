// Measures shared by every card picture: the cell the table copies, the
// rounded card inside it, and the corner index that must read in the 40-pixel
// strip left visible when the human's cards overlap.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "Suits.h"

namespace tolva::picturegen {

inline constexpr int kCardWidth = 151;
inline constexpr int kCardHeight = 215;
inline constexpr qreal kCardRadius = 7.0;

// The index: rank above suit in the top-left corner, and again turned round
// in the bottom-right corner.
inline const QRectF kRankBox{2.0, 5.0, 33.0, 31.0};
inline constexpr qreal kIndexSuitY = 51.0;
inline constexpr qreal kIndexSuitHeight = 23.0;
inline constexpr qreal kIndexCentreX = 18.5;

// The blank card: felt-coloured corners outside a rounded white card with a
// thin grey border. The table copies cards opaque, and mostly onto the felt.
void DrawCardBase(QPainter& p, const QColor& cornerColour);

// Rank text such as "A", "10", "K" (rank index 0 ace .. 12 king).
QString RankText(int rank);

// Both corner indices for a card; `colour` for the rank, the sign in `suit`'s
// colour.
void DrawIndex(QPainter& p, const QString& rank, Suit suit, const QColor& colour);

// Runs `draw` once upright and once turned half round about the card centre,
// each time clipped to its own half of `area`, as court cards are printed.
template <typename Draw>
void DrawBothHalves(QPainter& p, const QRectF& area, Draw draw) {
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn == 1) {
      p.translate(kCardWidth, kCardHeight);
      p.rotate(180);
    }
    p.setClipRect(QRectF(area.left(), area.top(), area.width(), kCardHeight / 2.0 - area.top()),
                  Qt::IntersectClip);
    draw();
    p.restore();
  }
}

}  // namespace tolva::picturegen
