#include "Suits.h"

#include <QTransform>

#include "Style.h"

namespace tolva::picturegen {

namespace {

// Each sign is laid out in a box from -1 to 1 in both directions.
QPainterPath Heart() {
  QPainterPath p;
  p.moveTo(0, -0.52);
  p.cubicTo(0.06, -0.86, 0.30, -1.0, 0.52, -1.0);
  p.cubicTo(0.82, -1.0, 0.98, -0.74, 0.98, -0.44);
  p.cubicTo(0.98, 0.08, 0.46, 0.42, 0, 1.0);
  p.cubicTo(-0.46, 0.42, -0.98, 0.08, -0.98, -0.44);
  p.cubicTo(-0.98, -0.74, -0.82, -1.0, -0.52, -1.0);
  p.cubicTo(-0.30, -1.0, -0.06, -0.86, 0, -0.52);
  p.closeSubpath();
  return p;
}

QPainterPath Stem() {
  QPainterPath stem;
  stem.moveTo(-0.07, 0.30);
  stem.cubicTo(-0.08, 0.66, -0.22, 0.88, -0.44, 1.0);
  stem.lineTo(0.44, 1.0);
  stem.cubicTo(0.22, 0.88, 0.08, 0.66, 0.07, 0.30);
  stem.closeSubpath();
  return stem;
}

QPainterPath Spade() {
  QPainterPath body;
  body.moveTo(0, -1.0);
  body.cubicTo(0.34, -0.58, 0.96, -0.28, 0.96, 0.18);
  body.cubicTo(0.96, 0.48, 0.74, 0.68, 0.48, 0.68);
  body.cubicTo(0.28, 0.68, 0.12, 0.58, 0.04, 0.42);
  body.lineTo(-0.04, 0.42);
  body.cubicTo(-0.12, 0.58, -0.28, 0.68, -0.48, 0.68);
  body.cubicTo(-0.74, 0.68, -0.96, 0.48, -0.96, 0.18);
  body.cubicTo(-0.96, -0.28, -0.34, -0.58, 0, -1.0);
  body.closeSubpath();
  return body.united(Stem()).simplified();
}

QPainterPath Diamond() {
  QPainterPath p;
  p.moveTo(0, -1.0);
  p.quadTo(0.30, -0.42, 0.76, 0);
  p.quadTo(0.30, 0.42, 0, 1.0);
  p.quadTo(-0.30, 0.42, -0.76, 0);
  p.quadTo(-0.30, -0.42, 0, -1.0);
  p.closeSubpath();
  return p;
}

QPainterPath Club() {
  QPainterPath p;
  const qreal r = 0.43;
  p.addEllipse(QPointF(0, -0.54), r, r);
  p.addEllipse(QPointF(-0.53, 0.10), r, r);
  p.addEllipse(QPointF(0.53, 0.10), r, r);
  QPainterPath heart;  // fills the gap between the three leaves
  heart.addEllipse(QPointF(0, -0.02), 0.26, 0.30);
  QPainterPath all = p.united(heart);
  all.setFillRule(Qt::WindingFill);
  return all.united(Stem()).simplified();
}

}  // namespace

QPainterPath SuitPath(Suit suit, QPointF centre, qreal height, bool upsideDown) {
  QPainterPath unit;
  switch (suit) {
    case Suit::Spades: unit = Spade(); break;
    case Suit::Hearts: unit = Heart(); break;
    case Suit::Diamonds: unit = Diamond(); break;
    case Suit::Clubs: unit = Club(); break;
  }
  QTransform t;
  t.translate(centre.x(), centre.y());
  if (upsideDown) t.rotate(180);
  t.scale(height / 2, height / 2);
  return t.map(unit);
}

bool IsRed(Suit suit) { return suit == Suit::Hearts || suit == Suit::Diamonds; }

QColor SuitColour(Suit suit) { return IsRed(suit) ? palette::kCrimson : palette::kInk; }

}  // namespace tolva::picturegen
