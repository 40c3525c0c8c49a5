#include "Labels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "MapWords.h"

namespace tolva::mapgen {
namespace {

QFont Font(const QString& family, double pixelSize, bool bold = false) {
  QFont f(family);
  f.setPixelSize(int(std::lround(pixelSize)));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

// Letter-spaced text centred on a point, as old maps set the names of lands.
QRectF SpacedText(QPainter& p, const QString& text, QPointF centre, const QFont& font, double spacing, QColor fill,
                  QColor halo, double angle = 0) {
  QFont f = font;
  f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  const QFontMetricsF fm(f);
  const double w = fm.horizontalAdvance(text) - spacing;
  QPainterPath flat;
  flat.addText(QPointF(-w / 2, (fm.ascent() - fm.descent()) / 2), f, text);
  QTransform turn;
  turn.translate(centre.x(), centre.y());
  turn.rotate(angle);
  const QPainterPath path = turn.map(flat);
  if (halo.alpha() > 0) p.strokePath(path, QPen(halo, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(path, fill);
  return path.boundingRect();
}

}  // namespace

QVector<QRectF> PaintAreaNames(QImage& map, const Features& features) {
  QVector<QRectF> boxes;
  QPainter p(&map);
  p.setRenderHint(QPainter::Antialiasing);
  // Latin letters are narrower than Japanese signs and close up less: their
  // spacing is smaller, their lands' names a little smaller and in capitals.
  for (const Label& l : features.seas) {
    const bool latin = IsLatin(l.text);
    boxes << SpacedText(p, l.text, l.at, Font(MinchoFor(l.text), latin ? l.size * 0.9 : l.size),
                        l.size * (latin ? 0.12 : 0.35), QColor(232, 242, 246, 215), QColor(40, 80, 120, 60), l.angle);
  }
  for (const Label& l : features.regions) {
    const bool latin = IsLatin(l.text);
    boxes << SpacedText(p, latin ? l.text.toUpper() : l.text, l.at, Font(MinchoFor(l.text), latin ? l.size * 0.8 : l.size, true),
                        l.size * (latin ? 0.25 : 0.45), QColor(112, 80, 50, 150), QColor(0, 0, 0, 0));
  }
  for (const Label& l : features.islands)
    boxes << SpacedText(p, l.text, l.at, Font(MinchoFor(l.text), l.size), 1.0, QColor(84, 60, 36, 235), QColor(240, 230, 200, 170));
  return boxes;
}

static double Distance(const QRectF& r, QPointF p) {
  const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
  const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
  return std::hypot(dx, dy);
}

QVector<PlacedName> PaintCityNames(QImage& map, const Route& route, const RouteLayout& layout,
                                   const QVector<QRect>& reserved, const QVector<QRectF>& areaNames) {
  const QImage keepOut = RouteKeepOut(layout, 1);
  QVector<QRectF> placed;
  QVector<PlacedName> names;
  QPainter p(&map);
  p.setRenderHint(QPainter::Antialiasing);

  struct Named {
    const City* city;
    QPoint centre;
  };
  QVector<Named> all{{&route.start, layout.start.centre}};
  for (int i = 0; i < route.cities.size(); ++i) all.append({&route.cities[i], layout.cities[i].centre});

  for (const Named& n : all) {
    const bool home = n.city == &route.start;
    const QFont font = Font("IPAPGothic", home ? 13 : (n.city->big ? 12 : 11), home || n.city->big);
    const QFontMetricsF fm(font);
    const double w = fm.horizontalAdvance(n.city->name), h = fm.ascent() + fm.descent();
    const double gap = n.city->big ? 6 : 5;
    const QPointF c(n.centre);
    // Candidate boxes round the city, in order of preference.
    const QVector<QRectF> candidates{
        QRectF(c.x() + gap + 1, c.y() - h / 2, w, h),         QRectF(c.x() - gap - 1 - w, c.y() - h / 2, w, h),
        QRectF(c.x() - w / 2, c.y() - gap - h, w, h),         QRectF(c.x() - w / 2, c.y() + gap, w, h),
        QRectF(c.x() + gap - 1, c.y() - gap - h + 2, w, h),   QRectF(c.x() + gap - 1, c.y() + gap - 2, w, h),
        QRectF(c.x() - gap + 1 - w, c.y() - gap - h + 2, w, h), QRectF(c.x() - gap + 1 - w, c.y() + gap - 2, w, h),
        QRectF(c.x() + gap + 8, c.y() - h / 2, w, h),         QRectF(c.x() - gap - 8 - w, c.y() - h / 2, w, h),
        QRectF(c.x() - w / 2, c.y() - gap - h - 7, w, h),     QRectF(c.x() - w / 2, c.y() + gap + 7, w, h),
    };
    double bestScore = 1e18;
    QRectF best = candidates.front();
    for (int k = 0; k < candidates.size(); ++k) {
      const QRectF r = candidates[k];
      double score = k * 0.5 + (k >= 8 ? 4 : 0);
      if (r.left() < 10 || r.top() < 10 || r.right() > kMapWidth - 10 || r.bottom() > kMapHeight - 10) score += 1e6;
      const QRect ri = r.toAlignedRect();
      for (int y = std::max(ri.top(), 0); y <= std::min(ri.bottom(), kMapHeight - 1); ++y)
        for (int x = std::max(ri.left(), 0); x <= std::min(ri.right(), kMapWidth - 1); ++x)
          if (keepOut.constScanLine(y)[x]) score += 12;
      for (const QRectF& q : placed)
        if (q.intersects(r)) {
          const QRectF i = q.intersected(r);
          score += 400 + 40 * i.width() * i.height();
        }
      for (const QRect& q : reserved)
        if (QRectF(q).intersects(r)) score += 5000;
      for (const QRectF& q : areaNames)
        if (q.intersects(r)) score += 60;
      // A name must sit nearer its own city than any other, or it reads as
      // the neighbour's.
      const double own = Distance(r, c);
      for (const Named& other : all)
        if (other.centre != n.centre && Distance(r, QPointF(other.centre)) < own + 3) score += 300;
      if (score < bestScore) {
        bestScore = score;
        best = r;
      }
    }
    placed.append(best.adjusted(-1, 0, 1, 0));
    names.append({n.city->name, n.centre, best});
    QPainterPath path;
    path.addText(QPointF(best.left(), best.top() + fm.ascent()), font, n.city->name);
    p.strokePath(path, QPen(QColor(246, 238, 214, 215), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, home ? QColor(120, 24, 24) : QColor(46, 32, 20));
  }
  return names;
}

}  // namespace tolva::mapgen
