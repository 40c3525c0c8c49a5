#include "SpecialCards.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

#include "CardGeometry.h"
#include "Style.h"

namespace tolva::picturegen {

namespace {

const QColor kOutline(30, 26, 30);

// A theatre mask centred on `c`, `h` pixels tall; comedy laughs, tragedy weeps.
void Mask(QPainter& p, QPointF c, qreal h, bool comedy, const QBrush& face, const QColor& ribbon) {
  const qreal s = h / 100.0;
  auto at = [&](qreal x, qreal y) { return c + QPointF(x * s, y * s); };
  // Ribbons tied at the temples flutter out behind the mask.
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath band;
    band.moveTo(at(side * 40, -20));
    band.cubicTo(at(side * 56, -30), at(side * 52, 10), at(side * 58, 34));
    band.lineTo(at(side * 49, 36));
    band.cubicTo(at(side * 46, 12), at(side * 48, -14), at(side * 38, -10));
    band.closeSubpath();
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(ribbon);
    p.drawPath(band);
  }
  QPainterPath mask;
  mask.moveTo(at(0, -50));
  mask.cubicTo(at(30, -50), at(44, -40), at(44, -16));
  mask.cubicTo(at(44, 12), at(30, 42), at(0, 50));
  mask.cubicTo(at(-30, 42), at(-44, 12), at(-44, -16));
  mask.cubicTo(at(-44, -40), at(-30, -50), at(0, -50));
  mask.closeSubpath();
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(face);
  p.drawPath(mask);
  // Brows: raised in laughter, drawn together in grief.
  p.setPen(QPen(kOutline, 2.0 * s + 0.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath brow;
    if (comedy) {
      brow.moveTo(at(side * 6, -24));
      brow.quadTo(at(side * 18, -38), at(side * 32, -26));
    } else {
      brow.moveTo(at(side * 6, -32));
      brow.quadTo(at(side * 18, -26), at(side * 32, -22));
    }
    p.drawPath(brow);
  }
  // Eye holes and mouth, cut through to the dark behind.
  p.setPen(QPen(kOutline, 0.8));
  p.setBrush(QColor(20, 20, 40));
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath eye;
    if (comedy) {
      eye.moveTo(at(side * 8, -8));
      eye.quadTo(at(side * 19, -24), at(side * 30, -8));
      eye.quadTo(at(side * 19, -15), at(side * 8, -8));
    } else {
      eye.moveTo(at(side * 8, -16));
      eye.quadTo(at(side * 19, 0), at(side * 30, -16));
      eye.quadTo(at(side * 19, -10), at(side * 8, -16));
    }
    eye.closeSubpath();
    p.drawPath(eye);
  }
  QPainterPath mouth;
  if (comedy) {
    mouth.moveTo(at(-22, 14));
    mouth.quadTo(at(0, 22), at(22, 14));
    mouth.quadTo(at(14, 40), at(0, 40));
    mouth.quadTo(at(-14, 40), at(-22, 14));
  } else {
    mouth.moveTo(at(-18, 34));
    mouth.quadTo(at(-12, 16), at(0, 16));
    mouth.quadTo(at(12, 16), at(18, 34));
    mouth.quadTo(at(0, 26), at(-18, 34));
  }
  mouth.closeSubpath();
  p.drawPath(mouth);
  // Cheeks and nose modelled with a lighter stroke.
  p.setPen(QPen(QColor(255, 250, 230, 160), 1.2 * s + 0.4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath nose;
  nose.moveTo(at(0, -12));
  nose.lineTo(at(2, 6));
  nose.quadTo(at(0, 9), at(-3, 7));
  p.drawPath(nose);
  if (!comedy) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 180, 255));
    QPainterPath tear;
    tear.moveTo(at(-22, 0));
    tear.quadTo(at(-27, 10), at(-22, 12));
    tear.quadTo(at(-17, 10), at(-22, 0));
    p.drawPath(tear);
  }
}

// Vertical "JOKER" below a small star, in both index corners.
void JokerIndex(QPainter& p, const QColor& colour) {
  const QFont font = PMincho(20);
  const QString word = QStringLiteral("JOKER");
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn == 1) {
      p.translate(kCardWidth, kCardHeight);
      p.rotate(180);
    }
    const QPainterPath star = SunPath(QPointF(kIndexCentreX, 20), 16, 8, 0.45);
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(GoldGradient(star.boundingRect()));
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(kIndexCentreX, 20), 4, 4);
    for (int i = 0; i < word.size(); ++i) {
      const QRectF box(kIndexCentreX - 9, 42 + i * 19, 18, 16);
      FillBold(p, FitPath(TextPath(word.mid(i, 1), font), box), colour, 1.6);
    }
    p.restore();
  }
}

// The field of a special card: a framed panel with a meander border.
void Panel(QPainter& p, const QColor& ground, const QColor& trim) {
  const QRectF panel(40, 8, 71, 199);
  QLinearGradient g(panel.topLeft(), panel.bottomLeft());
  g.setColorAt(0.0, ground.lighter(118));
  g.setColorAt(0.5, ground);
  g.setColorAt(1.0, ground.lighter(118));
  p.setPen(QPen(trim, 1.4));
  p.setBrush(g);
  p.drawRoundedRect(panel, 4, 4);
}

void JokerCard(QPainter& p, int variant) {
  const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
  const QColor colour = variant == 1 ? palette::kDeepBlue : palette::kCrimson;
  // A sunburst behind the mask.
  QRadialGradient glow(centre, 70);
  glow.setColorAt(0.0, variant == 1 ? QColor(200, 220, 255) : QColor(255, 236, 170));
  glow.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, 70, 70);
  p.setBrush(variant == 1 ? QColor(170, 190, 230, 150) : QColor(236, 196, 90, 150));
  p.drawPath(SunPath(centre, 62, 16, 0.6));
  LaurelWreath(p, centre + QPointF(0, 4), 50, 14, QColor(90, 150, 70), QColor(40, 80, 40));
  if (variant == 2) {
    Mask(p, centre + QPointF(-14, -18), 54, false,
         SilverGradient(QRectF(0, 60, 10, 60)), palette::kDeepBlue);
    Mask(p, centre + QPointF(14, 18), 54, true, GoldGradient(QRectF(0, 100, 10, 60)),
         palette::kCrimson);
  } else {
    const bool comedy = variant == 0;
    const QRectF box(centre.x() - 30, centre.y() - 34, 60, 68);
    Mask(p, centre, 68, comedy, comedy ? QBrush(GoldGradient(box)) : QBrush(SilverGradient(box)),
         comedy ? palette::kCrimson : palette::kDeepBlue);
  }
  JokerIndex(p, colour);
}

void EmblemCard(QPainter& p, int variant) {
  const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
  const QColor grounds[3] = {palette::kDeepBlue, palette::kCrimson, QColor(26, 96, 70)};
  const QColor ground = grounds[variant % 3];
  Panel(p, ground, palette::kGold);
  p.save();
  p.setClipRect(QRectF(41, 9, 69, 197));
  MeanderBand(p, QRectF(41, 12, 69, 9), palette::kGoldLight, 1.2);
  MeanderBand(p, QRectF(41, 194, 69, 9), palette::kGoldLight, 1.2);
  p.restore();
  LaurelWreath(p, centre, 30, 10, GoldGradient(QRectF(0, 70, 10, 70)), palette::kGoldDark);
  const QPainterPath sun = SunPath(centre, 22, 16, 0.5);
  p.setPen(QPen(palette::kGoldDark, 0.8));
  p.setBrush(GoldGradient(sun.boundingRect()));
  p.drawPath(sun);
  p.setBrush(ground);
  p.drawEllipse(centre, 5, 5);
  // Stars above and below, as on the royal shields.
  for (int dir = -1; dir <= 1; dir += 2) {
    const QPainterPath star = SunPath(centre + QPointF(0, dir * 62), 10, 8, 0.4);
    p.setBrush(GoldGradient(star.boundingRect()));
    p.drawPath(star);
  }
  // The corner emblems: a small sun over a star; no rank, so no emblem card
  // can be taken for a playing card.
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn == 1) {
      p.translate(kCardWidth, kCardHeight);
      p.rotate(180);
    }
    const QPainterPath mark = SunPath(QPointF(kIndexCentreX, 20), 15, 16, 0.5);
    p.setPen(QPen(palette::kGoldDark, 0.6));
    p.setBrush(GoldGradient(mark.boundingRect()));
    p.drawPath(mark);
    const QPainterPath star = SunPath(QPointF(kIndexCentreX, 50), 10, 8, 0.4);
    p.setPen(QPen(palette::kGoldDark, 0.6));
    p.setBrush(ground);
    p.drawPath(star);
    p.restore();
  }
}

}  // namespace

QImage SpecialCard(int index, int density) {
  QImage card = Blank(kCardWidth, kCardHeight, density);
  QPainter p(&card);
  Begin(p, density);
  DrawCardBase(p, palette::kFelt);
  if (index < 3) JokerCard(p, index);
  else EmblemCard(p, index - 3);
  p.end();
  return card.convertToFormat(QImage::Format_RGB32);
}

QImage JokerStrip(int density) {
  QImage strip(6 * kCardWidth * density, kCardHeight * density, QImage::Format_RGB32);
  QPainter p(&strip);
  for (int i = 0; i < 6; ++i) p.drawImage(i * kCardWidth * density, 0, SpecialCard(i, density));
  p.end();
  return strip;
}

QImage DefaultCardBack(int density) {
  QImage back = Blank(kCardWidth, kCardHeight, density);
  QPainter p(&back);
  Begin(p, density);
  // Outside the rounded card: the hidden-hand strip's key colour.
  DrawCardBase(p, QColor(255, 247, 255));
  const QRectF panel(6, 6, kCardWidth - 12, kCardHeight - 12);
  const QPointF centre = panel.center();
  QRadialGradient blue(centre, 130);
  blue.setColorAt(0.0, QColor(40, 76, 170));
  blue.setColorAt(0.6, QColor(22, 44, 116));
  blue.setColorAt(1.0, QColor(12, 24, 70));
  p.setPen(Qt::NoPen);
  p.setBrush(blue);
  p.drawRoundedRect(panel, 4, 4);

  // A lattice of fine gold lozenges over the whole field.
  p.save();
  p.setClipRect(panel.adjusted(14, 14, -14, -14));
  p.setPen(QPen(QColor(214, 176, 80, 150), 0.8));
  const qreal step = 12;
  for (qreal k = -260; k <= 260; k += step) {
    p.drawLine(QPointF(centre.x() + k - 120, centre.y() - 120 * 1.4),
               QPointF(centre.x() + k + 120, centre.y() + 120 * 1.4));
    p.drawLine(QPointF(centre.x() + k + 120, centre.y() - 120 * 1.4),
               QPointF(centre.x() + k - 120, centre.y() + 120 * 1.4));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 226, 140, 200));
  // A dot where the lines cross: every (6 m, 8.4 n) with m + n even.
  for (int n = -13; n <= 13; ++n) {
    for (int m = -12; m <= 12; ++m) {
      if ((m + n) % 2 != 0) continue;
      p.drawEllipse(centre + QPointF(6.0 * m, 8.4 * n), 1.0, 1.0);
    }
  }
  p.restore();

  // Gold rules and a meander band round the field.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::kGold, 1.2));
  p.drawRoundedRect(panel.adjusted(2, 2, -2, -2), 3, 3);
  const QRectF band = panel.adjusted(4, 4, -4, -4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(12, 24, 70));
  QPainterPath ring;
  ring.addRect(band);
  ring.addRect(band.adjusted(9, 9, -9, -9));
  p.drawPath(ring);
  MeanderFrame(p, band, 9, palette::kGoldLight, 1.1);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::kGold, 0.9));
  p.drawRect(band.adjusted(9.5, 9.5, -9.5, -9.5));

  // The centre: the royal sun in a laurel wreath on a dark roundel.
  QRadialGradient roundel(centre, 34);
  roundel.setColorAt(0.0, QColor(30, 56, 140));
  roundel.setColorAt(1.0, QColor(10, 20, 60));
  p.setPen(QPen(palette::kGold, 1.4));
  p.setBrush(roundel);
  p.drawEllipse(centre, 33, 33);
  // Two sprigs, each the other turned half round, so the back has no top.
  LaurelArc(p, centre, 27, 0, 180, 9, GoldGradient(QRectF(0, 80, 10, 60)), palette::kGoldDark);
  LaurelArc(p, centre, 27, 180, 360, 9, GoldGradient(QRectF(0, 80, 10, 60)), palette::kGoldDark);
  const QPainterPath sun = SunPath(centre, 19, 16, 0.5);
  p.setPen(QPen(palette::kGoldDark, 0.6));
  p.setBrush(GoldGradient(sun.boundingRect()));
  p.drawPath(sun);
  // Stars on the long axis, turned the same way at both ends.
  for (int dir = -1; dir <= 1; dir += 2) {
    const QPointF at = centre + QPointF(0, dir * 58);
    const QPainterPath star = SunPath(at, 11, 8, 0.42);
    p.setPen(QPen(palette::kGoldDark, 0.6));
    p.setBrush(GoldGradient(star.boundingRect()));
    p.drawPath(star);
  }
  p.end();
  return back.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tolva::picturegen
