#include "Style.h"

#include <QLinearGradient>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace tolva::picturegen {

void Smooth(QPainter& p) {
  p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                   QPainter::TextAntialiasing);
}

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage Blank(int width, int height, int density) { return Blank(width * density, height * density); }

void Begin(QPainter& p, int density) {
  Smooth(p);
  p.scale(density, density);
}

namespace {
QFont Family(const char* family, qreal pixelSize) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(std::max(1, qRound(pixelSize)));
  font.setStyleStrategy(QFont::PreferOutline);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(true);
  return font;
}
}  // namespace

QFont Mincho(qreal pixelSize) { return Family("IPAMincho", pixelSize); }
QFont Gothic(qreal pixelSize) { return Family("IPAGothic", pixelSize); }
QFont PGothic(qreal pixelSize) { return Family("IPAPGothic", pixelSize); }
QFont PMincho(qreal pixelSize) { return Family("IPAPMincho", pixelSize); }

QPainterPath TextPath(const QString& text, const QFont& font) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path;
}

QPainterPath FitPath(const QPainterPath& path, const QRectF& box, Qt::Alignment align,
                     qreal squeeze, bool allowGrow) {
  const QRectF ink = path.boundingRect();
  if (ink.isEmpty()) return path;
  qreal scale = std::min(box.width() / (ink.width() * squeeze), box.height() / ink.height());
  if (!allowGrow) scale = std::min<qreal>(scale, 1.0);
  const qreal w = ink.width() * scale * squeeze;
  const qreal h = ink.height() * scale;
  qreal x = box.left() + (box.width() - w) / 2;
  if (align & Qt::AlignLeft) x = box.left();
  if (align & Qt::AlignRight) x = box.right() - w;
  qreal y = box.top() + (box.height() - h) / 2;
  if (align & Qt::AlignTop) y = box.top();
  if (align & Qt::AlignBottom) y = box.bottom() - h;
  QTransform t;
  t.translate(x, y);
  t.scale(scale * squeeze, scale);
  t.translate(-ink.left(), -ink.top());
  return t.map(path);
}

QPainterPath FitHeight(const QPainterPath& path, const QRectF& box, Qt::Alignment align) {
  const QRectF ink = path.boundingRect();
  if (ink.isEmpty()) return path;
  const qreal scale = box.height() / ink.height();
  const qreal squeeze = std::min<qreal>(1.0, box.width() / (ink.width() * scale));
  return FitPath(path, box, align, squeeze);
}

void FillBold(QPainter& p, const QPainterPath& path, const QBrush& brush, qreal weight) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(brush);
  p.drawPath(path);
  if (weight > 0) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(brush, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
  }
  p.restore();
}

void OutlinedText(QPainter& p, const QPainterPath& path, const QBrush& fill,
                  const QColor& outlineColour, qreal outline, qreal weight) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(outlineColour, weight + 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.restore();
  FillBold(p, path, fill, weight);
}

QLinearGradient GoldGradient(const QRectF& box) {
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0.0, QColor(255, 236, 160));
  g.setColorAt(0.35, QColor(236, 190, 70));
  g.setColorAt(0.65, QColor(196, 140, 36));
  g.setColorAt(1.0, QColor(240, 200, 100));
  return g;
}

QLinearGradient SilverGradient(const QRectF& box) {
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0.0, QColor(250, 252, 255));
  g.setColorAt(0.4, QColor(200, 206, 216));
  g.setColorAt(0.7, QColor(150, 158, 172));
  g.setColorAt(1.0, QColor(214, 220, 230));
  return g;
}

QPainterPath SunPath(QPointF c, qreal r, int rays, qreal inner) {
  // Long and short rays alternate, as on the gold larnax of Vergina.
  QPainterPath path;
  const int points = rays * 2;
  for (int i = 0; i < points; ++i) {
    const qreal a = -M_PI / 2 + i * M_PI / rays;
    const qreal len = (i % 2 == 0) ? r : r * inner;
    const QPointF pt(c.x() + len * std::cos(a), c.y() + len * std::sin(a));
    if (i == 0) path.moveTo(pt);
    else path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

void MeanderBand(QPainter& p, const QRectF& band, const QColor& colour, qreal lineWidth) {
  // One key is four units wide and two units high; the line runs up, along
  // the top, hooks back in, and returns along the bottom to the next key.
  const qreal unit = (band.height() - lineWidth) / 2.0;
  if (unit <= 0) return;
  const qreal period = unit * 4;
  const int keys = std::max(1, static_cast<int>(std::floor((band.width() - lineWidth) / period)));
  const qreal used = keys * period;
  const qreal x0 = band.left() + (band.width() - used) / 2;
  const qreal y0 = band.top() + lineWidth / 2;
  QPainterPath path;
  auto pt = [&](qreal gx, qreal gy) { return QPointF(x0 + gx * unit, y0 + gy * unit); };
  path.moveTo(pt(0, 2));
  for (int k = 0; k < keys; ++k) {
    const qreal b = k * 4;
    path.lineTo(pt(b + 0, 0));
    path.lineTo(pt(b + 2, 0));
    path.lineTo(pt(b + 2, 1));
    path.lineTo(pt(b + 1, 1));
    path.lineTo(pt(b + 1, 2));
    path.lineTo(pt(b + 4, 2));
  }
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(path);
  p.restore();
}

void MeanderFrame(QPainter& p, const QRectF& outer, qreal width, const QColor& colour,
                  qreal lineWidth) {
  const QRectF top(outer.left() + width, outer.top(), outer.width() - 2 * width, width);
  const QRectF bottom(top.left(), outer.bottom() - width, top.width(), width);
  MeanderBand(p, top, colour, lineWidth);
  p.save();
  // The bottom band runs the other way, so the frame turns as one ribbon.
  p.translate(bottom.center());
  p.rotate(180);
  p.translate(-bottom.center());
  MeanderBand(p, bottom, colour, lineWidth);
  p.restore();
  const qreal sideLength = outer.height() - 2 * width;
  for (int side = 0; side < 2; ++side) {
    p.save();
    const QPointF centre = side == 0 ? QPointF(outer.left() + width / 2, outer.center().y())
                                     : QPointF(outer.right() - width / 2, outer.center().y());
    p.translate(centre);
    p.rotate(side == 0 ? -90 : 90);
    MeanderBand(p, QRectF(-sideLength / 2, -width / 2, sideLength, width), colour, lineWidth);
    p.restore();
  }
  // Corner squares with a dot, as on painted vases.
  p.save();
  p.setPen(QPen(colour, lineWidth));
  p.setBrush(Qt::NoBrush);
  const qreal inset = lineWidth / 2;
  for (const QPointF& corner : {outer.topLeft(), QPointF(outer.right() - width, outer.top()),
                                QPointF(outer.left(), outer.bottom() - width),
                                QPointF(outer.right() - width, outer.bottom() - width)}) {
    const QRectF sq(corner.x() + inset, corner.y() + inset, width - 2 * inset, width - 2 * inset);
    p.drawRect(sq);
    p.setBrush(colour);
    p.drawEllipse(sq.center(), sq.width() / 5, sq.width() / 5);
    p.setBrush(Qt::NoBrush);
  }
  p.restore();
}

namespace {
QPainterPath LeafPath(qreal length) {
  // A pointed leaf along +x from the origin.
  const qreal w = length * 0.32;
  QPainterPath leaf;
  leaf.moveTo(0, 0);
  leaf.cubicTo(length * 0.3, -w, length * 0.75, -w * 0.8, length, 0);
  leaf.cubicTo(length * 0.75, w * 0.8, length * 0.3, w, 0, 0);
  return leaf;
}
}  // namespace

void LaurelArc(QPainter& p, QPointF c, qreal radius, qreal fromDeg, qreal toDeg,
               qreal leafLength, const QBrush& leaf, const QColor& vein) {
  const QPainterPath shape = LeafPath(leafLength);
  const qreal span = toDeg - fromDeg;
  const qreal stepDeg = (leafLength * 0.55) / radius * 180.0 / M_PI;
  const int steps = std::max(2, static_cast<int>(std::fabs(span) / stepDeg));
  const qreal dir = span >= 0 ? 1.0 : -1.0;
  p.save();
  // The twig itself.
  p.setPen(QPen(vein, std::max<qreal>(0.8, leafLength * 0.08), Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  const QRectF circle(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
  p.drawArc(circle, qRound(fromDeg * 16), qRound(span * 16));
  for (int i = 0; i <= steps; ++i) {
    const qreal deg = fromDeg + span * i / steps;
    const qreal a = qDegreesToRadians(deg);
    const QPointF at(c.x() + radius * std::cos(a), c.y() - radius * std::sin(a));
    // Tangent direction, pointing the way the sprig grows; leaves lean forward.
    const qreal tangentDeg = -(deg + 90 * dir);
    const qreal shrink = 1.0 - 0.35 * i / steps;  // smaller towards the tip
    for (int side = -1; side <= 1; side += 2) {
      p.save();
      p.translate(at);
      p.rotate(tangentDeg + side * 38 * dir);
      p.scale(shrink, shrink);
      p.setPen(QPen(vein, std::max<qreal>(0.5, leafLength * 0.05)));
      p.setBrush(leaf);
      p.drawPath(shape);
      p.restore();
    }
  }
  p.restore();
}

void LaurelWreath(QPainter& p, QPointF c, qreal radius, qreal leafLength, const QBrush& leaf,
                  const QColor& vein) {
  // Angles as Qt counts them: 270 is straight down.
  LaurelArc(p, c, radius, 262, 110, leafLength, leaf, vein);
  LaurelArc(p, c, radius, 278, 430, leafLength, leaf, vein);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(leaf);
  p.drawEllipse(QPointF(c.x(), c.y() + radius), leafLength * 0.22, leafLength * 0.22);
  p.restore();
}

void BeadRing(QPainter& p, QPointF c, qreal radius, qreal beadRadius, int count,
              const QBrush& brush) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(brush);
  for (int i = 0; i < count; ++i) {
    const qreal a = 2 * M_PI * i / count;
    p.drawEllipse(QPointF(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a)),
                  beadRadius, beadRadius);
  }
  p.restore();
}

}  // namespace tolva::picturegen
