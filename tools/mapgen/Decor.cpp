#include "Decor.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtGlobal>
#include <cmath>

#include "MapData.h"

namespace tolva::mapgen {
namespace {

const QColor kInk(74, 52, 32);
const QColor kPaper(247, 239, 214);

QFont Font(const QString& family, double pixelSize, bool bold = false) {
  QFont f(family);
  f.setPixelSize(int(std::lround(pixelSize)));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QFont Font(const char* family, double pixelSize, bool bold = false) {
  return Font(QString::fromLatin1(family), pixelSize, bold);
}

// A word of the decoration in `font`, or in its Mincho's proportional cut for
// Latin letters; an English word is made smaller where it would be wider than
// `width`. The Japanese words keep the sizes they were set in.
struct Text {
  QString words;
  QFont font;
};
Text Fitted(const MapWords& words, const char* japanese, const QFont& font, double width) {
  Text text{words.Word(QString::fromUtf8(japanese)), font};
  if (!words.IsEnglish()) return text;
  if (text.font.family().startsWith(QLatin1String("IPAMincho"))) text.font.setFamily(MinchoFor(text.words));
  text.font = ShrunkToFit(text.font, text.words, width);
  return text;
}

void DrawText(QPainter& p, const QRectF& box, int flags, const Text& text) {
  p.setFont(text.font);
  p.drawText(box, flags, text.words);
}

void DrawText(QPainter& p, QPointF baseline, const Text& text) {
  p.setFont(text.font);
  p.drawText(baseline, text.words);
}

// A panel of old paper with a double ink rule and small corner squares.
void Panel(QPainter& p, const QRectF& r) {
  QPainterPath shadow;
  shadow.addRoundedRect(r.translated(2.5, 2.5), 3, 3);
  p.fillPath(shadow, QColor(40, 28, 16, 60));
  QLinearGradient paper(r.topLeft(), r.bottomRight());
  paper.setColorAt(0, kPaper);
  paper.setColorAt(1, QColor(236, 224, 190));
  QPainterPath body;
  body.addRoundedRect(r, 3, 3);
  p.fillPath(body, paper);
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, 3, 3);
  p.setPen(QPen(kInk, 0.7));
  p.drawRect(r.adjusted(4, 4, -4, -4));
  for (QPointF c : {r.topLeft() + QPointF(4, 4), r.topRight() + QPointF(-4, 4), r.bottomLeft() + QPointF(4, -4),
                    r.bottomRight() + QPointF(-4, -4)}) {
    p.fillRect(QRectF(c - QPointF(2.5, 2.5), QSizeF(5, 5)), kInk);
    p.fillRect(QRectF(c - QPointF(1, 1), QSizeF(2, 2)), kPaper);
  }
}

}  // namespace

QRect PaintCartouche(QImage& map, const MapWords& words) {
  QPainter p(&map);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF r(16, 14, 300, 78);
  Panel(p, r);
  // A laurel of two arcs of leaves framing the title.
  auto laurel = [&](QPointF c, int side) {
    p.setPen(QPen(QColor(96, 112, 52), 1.0));
    for (int k = 0; k < 7; ++k) {
      const double a = (200 + k * 22) * M_PI / 180;
      const QPointF at = c + QPointF(side * 18 * std::cos(a), 18 * std::sin(a));
      QPainterPath leaf;
      leaf.addEllipse(at, 3.4, 1.6);
      QTransform t;
      t.translate(at.x(), at.y());
      t.rotate(side * (k * 22 + 20));
      t.translate(-at.x(), -at.y());
      p.fillPath(t.map(leaf), QColor(118, 138, 62));
    }
  };
  laurel(QPointF(44, 50), 1);
  laurel(QPointF(288, 50), -1);
  p.setPen(kInk);
  // The title keeps clear of the laurels on both sides.
  DrawText(p, QRectF(r.left(), r.top() + 12, r.width(), 30), Qt::AlignHCenter | Qt::AlignVCenter,
           Fitted(words, QT_TRANSLATE_NOOP("PictureWords", "アレクサンドロス東征図"), Font("IPAMincho", 24, true),
                  r.width() - 100));
  p.setPen(QColor(92, 66, 40));
  DrawText(p, QRectF(r.left(), r.top() + 44, r.width(), 16), Qt::AlignHCenter | Qt::AlignVCenter,
           Fitted(words, QT_TRANSLATE_NOOP("PictureWords", "マケドニアよりインダス河へ、地中海を巡りて故郷へ"),
                  Font("IPAMincho", 11), r.width() - 16));
  p.setPen(QPen(kInk, 0.8));
  p.drawLine(QPointF(r.left() + 70, r.top() + 42), QPointF(r.right() - 70, r.top() + 42));
  return r.toAlignedRect().adjusted(-2, -2, 4, 4);
}

QRect PaintCompass(QImage& map, QPoint centre, int radius, const MapWords& words) {
  QPainter p(&map);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(centre);
  const double R = radius;
  // Rings.
  p.setPen(QPen(QColor(74, 52, 32, 200), 1.0));
  p.setBrush(QColor(247, 239, 214, 120));
  p.drawEllipse(QPointF(0, 0), R * 0.78, R * 0.78);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), R * 0.70, R * 0.70);
  for (int k = 0; k < 32; ++k) {
    const double a = k * M_PI / 16;
    const double inner = k % 4 == 0 ? 0.62 : 0.66;
    p.drawLine(QPointF(std::sin(a) * R * inner, -std::cos(a) * R * inner), QPointF(std::sin(a) * R * 0.70, -std::cos(a) * R * 0.70));
  }
  // Points: eight, the four cardinal ones long; each half light, half dark.
  auto point = [&](double angle, double length, double width, QColor dark, QColor light) {
    const QPointF tip(std::sin(angle) * length, -std::cos(angle) * length);
    const QPointF l(std::sin(angle - M_PI / 2) * width, -std::cos(angle - M_PI / 2) * width);
    const QPointF rr(std::sin(angle + M_PI / 2) * width, -std::cos(angle + M_PI / 2) * width);
    p.setPen(QPen(QColor(60, 40, 24), 0.7));
    p.setBrush(light);
    p.drawPolygon(QPolygonF{QPointF(0, 0), l, tip});
    p.setBrush(dark);
    p.drawPolygon(QPolygonF{QPointF(0, 0), rr, tip});
  };
  for (int k = 0; k < 4; ++k) point(M_PI / 4 + k * M_PI / 2, R * 0.55, R * 0.10, QColor(120, 92, 58), QColor(236, 222, 188));
  for (int k = 0; k < 4; ++k)
    point(k * M_PI / 2, R * (k == 0 ? 1.0 : 0.86), R * 0.13, k == 0 ? QColor(150, 30, 30) : QColor(84, 60, 36),
          QColor(244, 234, 206));
  p.setBrush(QColor(74, 52, 32));
  p.drawEllipse(QPointF(0, 0), 2.2, 2.2);
  p.setPen(QColor(60, 40, 24));
  DrawText(p, QRectF(-10, -R - 18, 20, 16), Qt::AlignCenter,
           Fitted(words, QT_TRANSLATE_NOOP("PictureWords", "北"), Font("IPAMincho", 13, true), 20));
  return QRect(centre - QPoint(radius + 2, radius + 20), centre + QPoint(radius + 2, radius + 2));
}

QRect PaintLegendPanel(QImage& map, const MapWords& words) {
  QPainter p(&map);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF r(50, 398, 206, 136);
  Panel(p, r);
  p.setPen(kInk);
  DrawText(p, QRectF(r.left(), r.top() + 7, r.width(), 16), Qt::AlignHCenter,
           Fitted(words, QT_TRANSLATE_NOOP("PictureWords", "凡　例"), Font("IPAMincho", 13, true), r.width() - 16));
  // The samples' words run from x 104 to the panel's inner rule.
  const double sampleWidth = r.right() - 8 - 104;
  DrawText(p, QPointF(104, 436),
           Fitted(words, QT_TRANSLATE_NOOP("PictureWords", "行軍路と都市"), Font("IPAPGothic", 11), sampleWidth));
  DrawText(p, QPointF(104, 454),
           Fitted(words, QT_TRANSLATE_NOOP("PictureWords", "進軍した道と征服した都市"), Font("IPAPGothic", 11), sampleWidth));
  // River and mountains.
  p.setPen(QPen(QColor(58, 108, 160), 1.2, Qt::SolidLine, Qt::RoundCap));
  QPainterPath river(QPointF(66, 470));
  river.cubicTo(QPointF(74, 466), QPointF(80, 474), QPointF(95, 469));
  p.drawPath(river);
  p.setPen(kInk);
  DrawText(p, QPointF(104, 473), Fitted(words, QT_TRANSLATE_NOOP("PictureWords", "河川"), Font("IPAPGothic", 11), 50));
  for (int k = 0; k < 3; ++k) {
    const QPointF base(160 + k * 8, 472);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 202, 160));
    p.drawPolygon(QPolygonF{base + QPointF(-4, 0), base + QPointF(0, -6), base});
    p.setBrush(QColor(150, 116, 78));
    p.drawPolygon(QPolygonF{base, base + QPointF(0, -6), base + QPointF(4, 0)});
    p.setPen(QPen(QColor(104, 78, 52), 0.7));
    p.drawPolyline(QPolygonF{base + QPointF(-4, 0), base + QPointF(0, -6), base + QPointF(4, 0)});
  }
  p.setPen(kInk);
  DrawText(p, QPointF(190, 473),
           Fitted(words, QT_TRANSLATE_NOOP("PictureWords", "山脈"), Font("IPAPGothic", 11), r.right() - 8 - 190));
  // Scale bar: about 0.236 pixels to the kilometre at the map's middle latitudes.
  const double pxPerKm = 0.2358;
  const QPointF o(66, 500);
  for (int k = 0; k < 5; ++k) {
    const QRectF seg(o.x() + k * 100 * pxPerKm, o.y(), 100 * pxPerKm, 4);
    p.fillRect(seg, k % 2 ? kPaper : kInk);
  }
  p.setPen(QPen(kInk, 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(o, QSizeF(500 * pxPerKm, 4)));
  p.setFont(Font("IPAPGothic", 9));
  for (int km : {0, 200, 400}) p.drawText(QRectF(o.x() + km * pxPerKm - 14, o.y() + 5, 28, 12), Qt::AlignHCenter, QString::number(km));
  p.drawText(QPointF(o.x() + 500 * pxPerKm + 4, o.y() + 6), QStringLiteral("km"));
  DrawText(p, QRectF(r.left(), r.bottom() - 20, r.width(), 12), Qt::AlignHCenter,
           Fitted(words, QT_TRANSLATE_NOOP("PictureWords", "500 km ≒ 2700 スタディオン"), Font("IPAPGothic", 9), r.width() - 16));
  return r.toAlignedRect().adjusted(-2, -2, 4, 4);
}

void PaintFrame(QImage& map) {
  QPainter p(&map);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF outer(0.5, 0.5, kMapWidth - 1, kMapHeight - 1);
  p.setPen(QPen(QColor(74, 52, 32), 3));
  p.drawRect(outer.adjusted(1, 1, -1, -1));
  p.setPen(QPen(QColor(232, 218, 180), 1.6));
  p.drawRect(outer.adjusted(4, 4, -4, -4));
  p.setPen(QPen(QColor(74, 52, 32), 0.9));
  p.drawRect(outer.adjusted(6, 6, -6, -6));
}

}  // namespace tolva::mapgen
