#include "DialogBitmaps.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "KeyColour.h"
#include "Style.h"
#include "TableBitmaps.h"

namespace tolva::picturegen {

namespace {

const QColor kOutline(16, 20, 40);

// A glossy roundel in `colour` with a gold rim, filling a square of `size`.
void Roundel(QPainter& p, qreal size, const QColor& colour) {
  const QPointF c(size / 2, size / 2);
  const qreal r = size / 2 - 1;
  p.setPen(QPen(kOutline, size / 24));
  p.setBrush(GoldGradient(QRectF(0, 0, size, size)));
  p.drawEllipse(c, r, r);
  QRadialGradient body(c + QPointF(-r * 0.3, -r * 0.35), r * 1.4);
  body.setColorAt(0.0, colour.lighter(150));
  body.setColorAt(0.6, colour);
  body.setColorAt(1.0, colour.darker(150));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawEllipse(c, r * 0.8, r * 0.8);
  QRadialGradient gloss(c + QPointF(0, -r * 0.45), r * 0.6);
  gloss.setColorAt(0.0, QColor(255, 255, 255, 120));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setBrush(gloss);
  p.drawEllipse(c + QPointF(0, -r * 0.4), r * 0.6, r * 0.38);
}

QImage Icon32(const QColor& colour) {
  QImage art = Blank(32, 32);
  QPainter p(&art);
  Smooth(p);
  Roundel(p, 32, colour);
  return art;
}

}  // namespace

QImage PeekButtons(const Words& words, int density) {
  QImage art = Blank(64, 16, density);
  QPainter p(&art);
  Begin(p, density);
  const QStringList& names = words.seatNames;
  for (int image = 0; image < 4; ++image) {
    const int seat = 3 - image;
    const QPointF c(image * 16 + 8, 8);
    p.setPen(QPen(QColor(90, 50, 0), 1.0));
    p.setBrush(GoldGradient(QRectF(c.x() - 8, 0, 16, 16)));
    p.drawEllipse(c, 7.3, 7.3);
    const QRectF box(c.x() - 4.8, c.y() - 4.8, 9.6, 9.6);
    const QPainterPath letter = FitPath(TextPath(names.at(seat).left(1), PGothic(14)), box);
    FillBold(p, letter, palette::kNavy, 0.7);
  }
  p.end();
  return OnKey(art, kPeekKey, QColor(50, 30, 10), 110);
}

QImage CourseMark(bool on) {
  QImage art = Blank(16, 16);
  QPainter p(&art);
  Smooth(p);
  const QPointF c(8, 8);
  if (on) {
    p.setPen(QPen(QColor(100, 60, 0), 1.0));
    p.setBrush(GoldGradient(QRectF(0, 0, 16, 16)));
    p.drawEllipse(c, 7.2, 7.2);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kCrimson);
    p.drawPath(SunPath(c, 5.6, 8, 0.45));
  } else {
    p.setPen(QPen(QColor(110, 116, 128), 1.4));
    p.setBrush(QColor(236, 238, 242));
    p.drawEllipse(c, 6.4, 6.4);
  }
  p.end();
  return art;
}

QImage CancelButtonImage() {
  QImage art = Icon32(QColor(190, 30, 40));
  QPainter p(&art);
  Smooth(p);
  p.setPen(QPen(kOutline, 5.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11, 11), QPointF(21, 21));
  p.drawLine(QPointF(21, 11), QPointF(11, 21));
  p.setPen(QPen(QColor(255, 250, 240), 3.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11, 11), QPointF(21, 21));
  p.drawLine(QPointF(21, 11), QPointF(11, 21));
  p.end();
  return art;
}

QImage OkButtonImage() {
  QImage art = Icon32(QColor(30, 130, 70));
  QPainter p(&art);
  Smooth(p);
  QPainterPath tick;
  tick.moveTo(9.5, 16.5);
  tick.lineTo(14, 21);
  tick.lineTo(23, 10.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kOutline, 5.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  p.setPen(QPen(QColor(255, 250, 240), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  p.end();
  return art;
}

QImage SaveButtonImage() {
  // A floppy disk: the old sign for saving, in the table's blue and gold.
  QImage art = Blank(32, 32);
  QPainter p(&art);
  Smooth(p);
  QPainterPath disk;
  disk.moveTo(4, 3);
  disk.lineTo(24, 3);
  disk.lineTo(29, 8);
  disk.lineTo(29, 29);
  disk.lineTo(3, 29);
  disk.lineTo(3, 4);
  disk.closeSubpath();
  QLinearGradient blue(0, 0, 0, 32);
  blue.setColorAt(0.0, QColor(60, 96, 186));
  blue.setColorAt(1.0, QColor(16, 30, 86));
  p.setPen(QPen(kOutline, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(blue);
  p.drawPath(disk);
  p.setPen(QPen(kOutline, 0.9));
  p.setBrush(SilverGradient(QRectF(0, 3, 32, 9)));
  p.drawRect(QRectF(9, 3.5, 13, 8.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 40, 70));
  p.drawRect(QRectF(17, 5, 3, 5.5));
  p.setPen(QPen(kOutline, 0.9));
  p.setBrush(QColor(252, 248, 236));
  p.drawRoundedRect(QRectF(7, 16, 18, 11), 1.5, 1.5);
  p.setPen(QPen(palette::kGold, 1.1));
  p.drawLine(QPointF(10, 19.5), QPointF(22, 19.5));
  p.drawLine(QPointF(10, 23.0), QPointF(22, 23.0));
  p.end();
  return art;
}

}  // namespace tolva::picturegen
