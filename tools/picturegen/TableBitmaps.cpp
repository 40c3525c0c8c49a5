#include "TableBitmaps.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>
#include <cmath>

#include "KeyColour.h"
#include "Style.h"

namespace tolva::picturegen {

namespace {

const QColor kOutline(16, 20, 40);

// --- Button icons, each drawn into its button's box.

void FlagIcon(QPainter& p, const QRectF& b) {
  const qreal poleX = b.left() + 12;
  p.setPen(QPen(kOutline, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(poleX, b.top() + 7), QPointF(poleX, b.bottom() - 4));
  p.setPen(QPen(palette::kGoldLight, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(poleX, b.top() + 7), QPointF(poleX, b.bottom() - 4));
  p.setPen(QPen(kOutline, 0.8));
  p.setBrush(GoldGradient(QRectF(poleX - 3, b.top() + 2, 6, 6)));
  p.drawEllipse(QPointF(poleX, b.top() + 5), 2.6, 2.6);
  // The banner waves out from the pole.
  const qreal top = b.top() + 7;
  QPainterPath flag;
  flag.moveTo(poleX + 1, top);
  flag.cubicTo(poleX + 9, top - 3, poleX + 15, top + 3, poleX + 25, top);
  flag.lineTo(poleX + 25, top + 13);
  flag.cubicTo(poleX + 15, top + 16, poleX + 9, top + 10, poleX + 1, top + 13);
  flag.closeSubpath();
  QLinearGradient red(poleX, top, poleX + 25, top + 13);
  red.setColorAt(0.0, QColor(230, 40, 50));
  red.setColorAt(0.5, QColor(180, 16, 30));
  red.setColorAt(1.0, QColor(220, 36, 46));
  p.setPen(QPen(kOutline, 0.9));
  p.setBrush(red);
  p.drawPath(flag);
  const QPainterPath sun = SunPath(QPointF(poleX + 13, top + 6.5), 5.2, 8, 0.45);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kGoldLight);
  p.drawPath(sun);
}

void GearIcon(QPainter& p, const QRectF& b) {
  const QPointF c = b.center();
  QPainterPath gear;
  const int teeth = 8;
  const qreal outer = 10.5;
  const qreal inner = 7.6;
  for (int i = 0; i < teeth * 4; ++i) {
    const qreal a = (i * 2 * M_PI) / (teeth * 4) - M_PI / 2;
    const qreal r = (i % 4 == 1 || i % 4 == 2) ? outer : inner;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0) gear.moveTo(pt);
    else gear.lineTo(pt);
  }
  gear.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(c, 3.4, 3.4);
  gear = gear.subtracted(hole);
  p.setPen(QPen(kOutline, 1.0));
  p.setBrush(GoldGradient(gear.boundingRect()));
  p.drawPath(gear);
}

void GlyphIcon(QPainter& p, const QRectF& b, const QString& glyph, const QFont& font, qreal size) {
  const QRectF box(b.center().x() - size / 2, b.center().y() - size / 2, size, size);
  const QPainterPath path = FitPath(TextPath(glyph, font), box);
  OutlinedText(p, path, GoldGradient(box), kOutline, 1.1, 1.2);
}

void HelpIcon(QPainter& p, const QRectF& b) {
  p.setPen(QPen(palette::kGold, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(b.center(), 11, 11);
  GlyphIcon(p, b, QStringLiteral("?"), PMincho(30), 15);
}

// The table seen at a slant, with an arrow raising or lowering the eye.
void AngleIcon(QPainter& p, const QRectF& b, bool up) {
  const QPointF c = b.center();
  QPainterPath table;
  const qreal y = up ? c.y() + 5 : c.y() - 1;
  const qreal h = up ? 7 : 4;
  table.moveTo(c.x() - 6, y);
  table.lineTo(c.x() + 6, y);
  table.lineTo(c.x() + 9.5, y + h);
  table.lineTo(c.x() - 9.5, y + h);
  table.closeSubpath();
  p.setPen(QPen(kOutline, 0.9));
  p.setBrush(QColor(40, 150, 70));
  p.drawPath(table);
  QPainterPath arrow;
  if (up) {
    arrow.moveTo(c.x(), b.top() + 4);
    arrow.lineTo(c.x() + 6.5, b.top() + 11);
    arrow.lineTo(c.x() + 2.5, b.top() + 11);
    arrow.lineTo(c.x() + 2.5, y - 2);
    arrow.lineTo(c.x() - 2.5, y - 2);
    arrow.lineTo(c.x() - 2.5, b.top() + 11);
    arrow.lineTo(c.x() - 6.5, b.top() + 11);
  } else {
    const qreal tip = b.bottom() - 4;
    arrow.moveTo(c.x(), tip);
    arrow.lineTo(c.x() + 6.5, tip - 7);
    arrow.lineTo(c.x() + 2.5, tip - 7);
    arrow.lineTo(c.x() + 2.5, y + h + 1);
    arrow.lineTo(c.x() - 2.5, y + h + 1);
    arrow.lineTo(c.x() - 2.5, tip - 7);
    arrow.lineTo(c.x() - 6.5, tip - 7);
    // The table sits above the arrow here, so the arrow starts at its foot.
  }
  arrow.closeSubpath();
  p.setPen(QPen(kOutline, 1.0));
  p.setBrush(GoldGradient(arrow.boundingRect()));
  p.drawPath(arrow);
}

void DeclarationIcon(QPainter& p, const QRectF& b, const QString& sign) {
  GlyphIcon(p, b, sign, Mincho(30), 20);
}

void ButtonFace(QPainter& p, const QRectF& b) {
  const QRectF face = b.adjusted(0.8, 0.8, -0.8, -0.8);
  QLinearGradient blue(face.topLeft(), face.bottomLeft());
  blue.setColorAt(0.0, QColor(58, 92, 178));
  blue.setColorAt(0.5, QColor(26, 50, 124));
  blue.setColorAt(1.0, QColor(14, 28, 78));
  p.setPen(QPen(palette::kGoldDark, 1.4));
  p.setBrush(blue);
  p.drawRoundedRect(face, 5, 5);
  p.setPen(QPen(QColor(255, 230, 150, 150), 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(face.adjusted(1.6, 1.6, -1.6, -1.6), 3.6, 3.6);
}

// --- Name plates.

// A tablet with dovetail handles, the classical frame for an inscription.
QPainterPath TabulaAnsata(const QRectF& r) {
  const qreal ear = 5;
  QPainterPath t;
  t.moveTo(r.left() + ear, r.top());
  t.lineTo(r.right() - ear, r.top());
  t.lineTo(r.right(), r.top() + 2);
  t.lineTo(r.right() - ear + 1.5, r.center().y());
  t.lineTo(r.right(), r.bottom() - 2);
  t.lineTo(r.right() - ear, r.bottom());
  t.lineTo(r.left() + ear, r.bottom());
  t.lineTo(r.left(), r.bottom() - 2);
  t.lineTo(r.left() + ear - 1.5, r.center().y());
  t.lineTo(r.left(), r.top() + 2);
  t.closeSubpath();
  return t;
}

void Plate(QPainter& p, const QRectF& cell, const QString& name, bool lit) {
  const QRectF r = cell.adjusted(1, 1.5, -1, -1.5);
  const QPainterPath tablet = TabulaAnsata(r);
  if (lit) {
    p.setPen(QPen(QColor(110, 60, 10), 1.2));
    p.setBrush(GoldGradient(r));
  } else {
    QLinearGradient blue(r.topLeft(), r.bottomLeft());
    blue.setColorAt(0.0, QColor(50, 80, 160));
    blue.setColorAt(1.0, QColor(14, 28, 80));
    p.setPen(QPen(palette::kGold, 1.2));
    p.setBrush(blue);
  }
  p.drawPath(tablet);
  const QPainterPath text = PlateName(name, cell);
  if (lit) FillBold(p, text, QColor(40, 16, 0), 0.5);
  else FillBold(p, text, QColor(255, 246, 220), 0.4);
}

// --- Coins.

void Coin(QPainter& p, QPointF c, bool gold) {
  const qreal r = 31.5;
  const QColor light = gold ? QColor(255, 238, 150) : QColor(252, 252, 255);
  const QColor mid = gold ? QColor(226, 172, 50) : QColor(184, 190, 204);
  const QColor dark = gold ? QColor(134, 86, 12) : QColor(92, 98, 114);
  QRadialGradient metal(c + QPointF(-10, -12), r * 1.5);
  metal.setColorAt(0.0, light);
  metal.setColorAt(0.55, mid);
  metal.setColorAt(1.0, dark);
  p.setPen(QPen(dark.darker(140), 1.6));
  p.setBrush(metal);
  p.drawEllipse(c, r, r);
  // A raised rim and a ring of beads, as on the royal tetradrachms.
  p.setPen(QPen(dark, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r - 4, r - 4);
  BeadRing(p, c, r - 6.5, 1.3, 30, light);
  // The sun struck in relief: shadow below right, light above left.
  const QPainterPath sun = SunPath(c, 18, 16, 0.5);
  p.setPen(Qt::NoPen);
  p.setBrush(dark);
  p.drawPath(sun.translated(1.2, 1.2));
  p.setBrush(light);
  p.drawPath(sun.translated(-0.8, -0.8));
  QRadialGradient face(c + QPointF(-4, -5), 20);
  face.setColorAt(0.0, light);
  face.setColorAt(1.0, mid);
  p.setBrush(face);
  p.drawPath(sun);
  p.setBrush(dark);
  p.drawEllipse(c, 3.2, 3.2);
  // A glint on the upper left.
  QRadialGradient glint(c + QPointF(-13, -14), 9);
  glint.setColorAt(0.0, QColor(255, 255, 255, 170));
  glint.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setBrush(glint);
  p.drawEllipse(c + QPointF(-13, -14), 9, 9);
}

// --- Game numbers.

void GameMedallion(QPainter& p, QPointF c, int number, bool firstRound) {
  const qreal r = 14.6;
  const QString digits = QString::number(number);
  const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
  if (firstRound) {
    QRadialGradient gold(c + QPointF(-4, -5), r * 1.6);
    gold.setColorAt(0.0, QColor(255, 240, 160));
    gold.setColorAt(0.6, QColor(226, 170, 46));
    gold.setColorAt(1.0, QColor(150, 96, 16));
    p.setPen(QPen(QColor(90, 50, 0), 1.4));
    p.setBrush(gold);
    p.drawEllipse(c, r, r);
    BeadRing(p, c, r - 2.6, 0.75, 22, QColor(120, 70, 0));
  } else {
    QRadialGradient slate(c + QPointF(-4, -5), r * 1.6);
    slate.setColorAt(0.0, QColor(70, 100, 170));
    slate.setColorAt(1.0, QColor(16, 30, 80));
    p.setPen(QPen(QColor(190, 196, 210), 1.4));
    p.setBrush(slate);
    p.drawEllipse(c, r, r);
  }
  const qreal h = 15;
  const qreal w = digits.size() > 1 ? 19 : 12;
  const QRectF box(c.x() - w / 2, c.y() - h / 2, w, h);
  const QPainterPath text = FitPath(TextPath(digits, PGothic(20)), box);
  if (firstRound) FillBold(p, text, QColor(30, 20, 60), 1.2);
  else FillBold(p, text, QColor(250, 246, 232), 1.0);
}

// --- The cursor arrow.

QPainterPath CursorArrow() {
  QPainterPath a;
  a.moveTo(10, 16.8);
  a.lineTo(18.6, 7.4);
  a.lineTo(13.2, 7.4);
  a.lineTo(13.2, 1.2);
  a.lineTo(6.8, 1.2);
  a.lineTo(6.8, 7.4);
  a.lineTo(1.4, 7.4);
  a.closeSubpath();
  return a;
}

}  // namespace

QImage ButtonStrip(const Words& words, int density) {
  QImage art = Blank(195, 32, density);
  QPainter p(&art);
  Begin(p, density);
  const std::array<int, 7> edges = {0, 45, 77, 109, 136, 163, 195};
  for (int i = 0; i < 6; ++i) {
    const QRectF b(edges[i], 0, edges[i + 1] - edges[i], 32);
    ButtonFace(p, b);
    switch (i) {
      case 0: FlagIcon(p, b); break;
      case 1: GearIcon(p, b); break;
      case 2: HelpIcon(p, b); break;
      case 3: AngleIcon(p, b, true); break;
      case 4: AngleIcon(p, b, false); break;
      default: DeclarationIcon(p, b, words.declaration); break;
    }
  }
  p.end();
  // The strip is copied opaque onto the canvas: its corners take the canvas colour.
  QImage strip(art.size(), QImage::Format_RGB32);
  strip.fill(palette::kCanvas);
  QPainter q(&strip);
  q.drawImage(0, 0, art);
  q.end();
  return strip;
}

QRectF PlateNameBox(const QRectF& cell) {
  const QRectF r = cell.adjusted(1, 1.5, -1, -1.5);
  return QRectF(r.left() + 8, r.top() + 4.5, r.width() - 16, 11);
}

QPainterPath PlateName(const QString& name, const QRectF& cell) {
  // Cut in capitals, as on an inscription; capitals also stand at one height,
  // so that every name fills its plate alike (kana have no case).
  return FitHeight(TextPath(name.toUpper(), PGothic(16)), PlateNameBox(cell));
}

QImage NamePlates(const Words& words, int density) {
  QImage art = Blank(184, 115, density);
  QPainter p(&art);
  Begin(p, density);
  const QStringList& names = words.seatNames;
  for (int seat = 0; seat < 5; ++seat) {
    for (int column = 0; column < 2; ++column) {
      Plate(p, QRectF(column * 92, seat * 23, 92, 23), names.at(seat), column == 0);
    }
  }
  p.end();
  // The fringe blends into the canvas colour it is shown on, one step off the key.
  return OnKey(art, kPlateKey, QColor(60, 120, 120), 40);
}

QImage CoinSheet(int density) {
  QImage art = Blank(132, 66, density);
  QPainter p(&art);
  Begin(p, density);
  Coin(p, QPointF(33, 33), true);
  Coin(p, QPointF(99, 33), false);
  p.end();
  // Hard edge: a red fringe would show on the green felt.
  return OnKey(art, kCoinKey, QColor(60, 40, 10), 110);
}

QImage GameNumbers(int density) {
  QImage art = Blank(320, 64, density);
  QPainter p(&art);
  Begin(p, density);
  for (int row = 0; row < 2; ++row) {
    for (int n = 1; n <= 10; ++n) {
      GameMedallion(p, QPointF((n - 1) * 32 + 16, row * 32 + 16), n, row == 0);
    }
  }
  p.end();
  return OnKey(art, kPlateKey, QColor(60, 120, 120), 40);
}

QImage CursorSprite(int density) {
  QImage art = Blank(20, 18, density);
  QPainter p(&art);
  Begin(p, density);
  const QPainterPath arrow = CursorArrow();
  p.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  p.setBrush(GoldGradient(arrow.boundingRect()));
  p.drawPath(arrow);
  p.end();
  return OnKey(art, kWhiteKey, QColor(16, 20, 40), 100);
}

QImage DigitSheet(int density) {
  QImage art = Blank(590, 59, density);
  QPainter p(&art);
  Begin(p, density);
  for (int d = 0; d <= 9; ++d) {
    const QRectF cell(d * 59, 0, 59, 59);
    const QRectF box = cell.adjusted(12, 5, -12, -5);
    const QPainterPath glyph = FitPath(TextPath(QString::number(d), PGothic(60)), box,
                                       Qt::AlignCenter, 1.0);
    QLinearGradient warm(box.topLeft(), box.bottomLeft());
    warm.setColorAt(0.0, QColor(255, 226, 110));
    warm.setColorAt(0.5, QColor(244, 150, 30));
    warm.setColorAt(1.0, QColor(206, 60, 20));
    OutlinedText(p, glyph, warm, palette::kNavy, 2.6, 3.0);
  }
  p.end();
  // Over the white cards the digits' soft edge is exactly right.
  return OnKey(art, kWhiteKey, kWhiteKey, 1);
}

}  // namespace tolva::picturegen
