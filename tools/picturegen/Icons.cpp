#include "Icons.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Style.h"
#include "Suits.h"

namespace tolva::picturegen {

namespace {

const QColor kOutline(16, 20, 40);

// The Reach badge's letters keep at least this much of their width.
constexpr qreal kNarrowestLetters = 0.6;

void Shield(QPainter& p, QPointF c, qreal r, bool fine) {
  p.setPen(QPen(kOutline, 3));
  p.setBrush(GoldGradient(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)));
  p.drawEllipse(c, r, r);
  QRadialGradient blue(c + QPointF(-r * 0.3, -r * 0.3), r * 1.3);
  blue.setColorAt(0.0, QColor(56, 96, 196));
  blue.setColorAt(0.6, QColor(22, 44, 118));
  blue.setColorAt(1.0, QColor(10, 20, 62));
  p.setPen(QPen(palette::kGoldDark, 2));
  p.setBrush(blue);
  p.drawEllipse(c, r * 0.86, r * 0.86);
  if (fine) BeadRing(p, c, r * 0.93, r * 0.025, 40, QColor(255, 244, 200));
  const QPainterPath sun = SunPath(c, r * 0.7, 16, 0.5);
  p.setPen(QPen(palette::kGoldDark, 1.5));
  p.setBrush(GoldGradient(sun.boundingRect()));
  p.drawPath(sun);
  p.setBrush(QColor(22, 44, 118));
  p.drawEllipse(c, r * 0.12, r * 0.12);
}

void IconCard(QPainter& p, QPointF pivot, qreal angle, Suit suit, bool joker) {
  p.save();
  p.translate(pivot);
  p.rotate(angle);
  const QRectF card(-40, -114, 80, 114);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(card.translated(4, 4), 8, 8);
  QLinearGradient paper(card.topLeft(), card.bottomRight());
  paper.setColorAt(0.0, QColor(255, 255, 253));
  paper.setColorAt(1.0, QColor(236, 232, 222));
  p.setPen(QPen(kOutline, 2));
  p.setBrush(paper);
  p.drawRoundedRect(card, 8, 8);
  if (joker) {
    const QPointF mark = card.center() + QPointF(0, -22);
    const QPainterPath star = SunPath(mark, 26, 8, 0.45);
    p.setPen(QPen(palette::kGoldDark, 1.5));
    p.setBrush(GoldGradient(star.boundingRect()));
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kCrimson);
    p.drawEllipse(mark, 7, 7);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitPath(suit, card.topLeft() + QPointF(21, 25), 32));
  }
  p.restore();
}

}  // namespace

QImage AppIcon(int size) {
  QImage icon = Blank(size, size);
  QPainter p(&icon);
  Smooth(p);
  p.scale(size / 256.0, size / 256.0);
  const bool withCards = size >= 32;
  if (withCards) {
    Shield(p, QPointF(106, 106), 98, size >= 64);
    IconCard(p, QPointF(150, 238), -34, Suit::Spades, false);
    IconCard(p, QPointF(166, 240), -10, Suit::Hearts, false);
    IconCard(p, QPointF(182, 242), 14, Suit::Spades, true);
  } else {
    Shield(p, QPointF(128, 128), 124, false);
  }
  p.end();
  return icon;
}

// The badge on the 32 x 32 icon.
const QRectF kBadge(1, 6, 30, 20);

QRectF ReachWordBox() { return kBadge.adjusted(3, 4.5, -3, -4.5); }

QPainterPath ReachWord(const QString& reach) {
  // Capitals, like the name plates: they fill the small box at one height,
  // unless that would squeeze them so narrow that they run together; then
  // they stand a little lower instead.
  const QPainterPath letters = TextPath(reach.toUpper(), PGothic(16));
  const QRectF box = ReachWordBox();
  const QRectF ink = letters.boundingRect();
  const qreal squeeze = (box.width() / ink.width()) / (box.height() / ink.height());
  if (squeeze >= kNarrowestLetters) return FitHeight(letters, box);
  return FitPath(letters, box, Qt::AlignCenter, kNarrowestLetters);
}

QImage ReachIcon(int phase, const Words& words) {
  QImage icon = Blank(32, 32);
  QPainter p(&icon);
  Smooth(p);
  const bool first = phase == 0;
  const QRectF badge = kBadge;
  QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
  if (first) {
    fill.setColorAt(0.0, QColor(236, 60, 70));
    fill.setColorAt(1.0, QColor(150, 10, 26));
  } else {
    fill = GoldGradient(badge);
  }
  p.setPen(QPen(first ? palette::kGold : QColor(110, 60, 0), 1.6));
  p.setBrush(fill);
  p.drawRoundedRect(badge, 5, 5);
  const QPainterPath word = ReachWord(words.reach);
  FillBold(p, word, first ? QColor(255, 250, 236) : QColor(150, 10, 26), 0.6);
  p.end();
  return icon;
}

}  // namespace tolva::picturegen
