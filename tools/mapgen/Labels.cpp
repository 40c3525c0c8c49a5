#include "Labels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QLineF>
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

namespace {

// A place that covers another name or sits nearer another city costs this
// much at least.
constexpr double kBadPlace = 300;
// The cities whose names may give way to one another's (pixels apart).
constexpr double kNeighbourhood = 100;
// Searching wider, the cost of a name nearer another city than its own.
constexpr double kMisread = 1500;

struct Named {
  const City* city;
  QPoint centre;
  QFont font;
  double ascent = 0;
  QVector<QRectF> candidates;  // in order of preference
};

// The places round a city for a name w x h, in order of preference; with
// `searchWider` also boxes sliding along each side of the city, for names
// that find every usual place taken in a crowded corner.
QVector<QRectF> CandidatesFor(QPointF c, double w, double h, double gap, bool searchWider) {
  QVector<QRectF> candidates{
      QRectF(c.x() + gap + 1, c.y() - h / 2, w, h),         QRectF(c.x() - gap - 1 - w, c.y() - h / 2, w, h),
      QRectF(c.x() - w / 2, c.y() - gap - h, w, h),         QRectF(c.x() - w / 2, c.y() + gap, w, h),
      QRectF(c.x() + gap - 1, c.y() - gap - h + 2, w, h),   QRectF(c.x() + gap - 1, c.y() + gap - 2, w, h),
      QRectF(c.x() - gap + 1 - w, c.y() - gap - h + 2, w, h), QRectF(c.x() - gap + 1 - w, c.y() + gap - 2, w, h),
      QRectF(c.x() + gap + 8, c.y() - h / 2, w, h),         QRectF(c.x() - gap - 8 - w, c.y() - h / 2, w, h),
      QRectF(c.x() - w / 2, c.y() - gap - h - 7, w, h),     QRectF(c.x() - w / 2, c.y() + gap + 7, w, h),
  };
  if (searchWider) {
    for (double t : {0.0, 0.25, 0.75, 1.0})
      candidates << QRectF(c.x() - w * t, c.y() - gap - h, w, h) << QRectF(c.x() - w * t, c.y() + gap, w, h);
    for (double t : {0.0, 1.0})
      candidates << QRectF(c.x() + gap + 1, c.y() - h * t, w, h) << QRectF(c.x() - gap - 1 - w, c.y() - h * t, w, h);
  }
  return candidates;
}

}  // namespace

QVector<PlacedName> PaintCityNames(QImage& map, const Route& route, const RouteLayout& layout,
                                   const QVector<QRect>& reserved, const QVector<QRectF>& areaNames,
                                   bool searchWider) {
  const QImage keepOut = RouteKeepOut(layout, 1);

  QVector<Named> all{{&route.start, layout.start.centre, {}, 0, {}}};
  for (int i = 0; i < route.cities.size(); ++i) all.append({&route.cities[i], layout.cities[i].centre, {}, 0, {}});
  for (Named& n : all) {
    const bool home = n.city == &route.start;
    n.font = Font(QStringLiteral("IPAPGothic"), home ? 13 : (n.city->big ? 12 : 11), home || n.city->big);
    const QFontMetricsF fm(n.font);
    n.ascent = fm.ascent();
    n.candidates = CandidatesFor(QPointF(n.centre), fm.horizontalAdvance(n.city->name), fm.ascent() + fm.descent(),
                                 n.city->big ? 6 : 5, searchWider);
  }

  // What a place costs by itself: its rank, leaving the sheet, covering the
  // route, the panels and the lands' names, and sitting nearer another city.
  auto ownCost = [&](const Named& n, int k) {
    const QRectF r = n.candidates[k];
    double score = k * 0.5 + (k >= 8 ? 4 : 0);
    if (r.left() < 10 || r.top() < 10 || r.right() > kMapWidth - 10 || r.bottom() > kMapHeight - 10) score += 1e6;
    const QRect ri = r.toAlignedRect();
    for (int y = std::max(ri.top(), 0); y <= std::min(ri.bottom(), kMapHeight - 1); ++y)
      for (int x = std::max(ri.left(), 0); x <= std::min(ri.right(), kMapWidth - 1); ++x)
        if (keepOut.constScanLine(y)[x]) score += 12;
    for (const QRect& q : reserved)
      if (QRectF(q).intersects(r)) score += 5000;
    for (const QRectF& q : areaNames)
      if (q.intersects(r)) score += 60;
    // A name must sit nearer its own city than any other, or it reads as
    // the neighbour's; searching wider, that is worse than crossing the
    // route or touching another name.
    const double own = Distance(r, n.centre);
    for (const Named& other : all)
      if (other.centre != n.centre && Distance(r, QPointF(other.centre)) < own + 3)
        score += searchWider ? kMisread : kBadPlace;
    return score;
  };
  QVector<QVector<double>> alone(all.size());
  for (int i = 0; i < all.size(); ++i)
    for (int k = 0; k < all[i].candidates.size(); ++k) alone[i].append(ownCost(all[i], k));

  // The cost of putting name `i` at its candidate `k`, among the names
  // already put in `placed` (each widened by a pixel on either side).
  QVector<QRectF> placed(all.size());
  auto cost = [&](int i, int k) {
    const QRectF r = all[i].candidates[k];
    double score = alone[i][k];
    for (int j = 0; j < placed.size(); ++j) {
      const QRectF& q = placed[j];
      if (j == i || q.isNull() || !q.intersects(r)) continue;
      const QRectF overlap = q.intersected(r);
      score += 400 + 40 * overlap.width() * overlap.height();
    }
    return score;
  };
  auto bestFor = [&](int i) {
    int best = 0;
    double bestScore = 1e18;
    for (int k = 0; k < all[i].candidates.size(); ++k) {
      const double score = cost(i, k);
      if (score < bestScore) {
        bestScore = score;
        best = k;
      }
    }
    return best;
  };

  // Each name in the order of the march takes the best place the names
  // before it leave.
  QVector<int> chosen(all.size());
  for (int i = 0; i < all.size(); ++i) {
    chosen[i] = bestFor(i);
    placed[i] = all[i].candidates[chosen[i]].adjusted(-1, 0, 1, 0);
  }
  // Then, where searching wider, each name may move again now that it sees
  // the names after it too, until none finds a better place.
  for (int round = 0; searchWider && round < 8; ++round) {
    bool moved = false;
    for (int i = 0; i < all.size(); ++i) {
      const int better = bestFor(i);
      if (better == chosen[i] || cost(i, better) >= cost(i, chosen[i])) continue;
      chosen[i] = better;
      placed[i] = all[i].candidates[better].adjusted(-1, 0, 1, 0);
      moved = true;
    }
    if (!moved) break;
  }
  // A name still in a bad place may need a neighbour to give way: the two
  // move together where that costs less.
  auto put = [&](int i, int k) {
    chosen[i] = k;
    placed[i] = all[i].candidates[k].adjusted(-1, 0, 1, 0);
  };
  for (int i = 0; searchWider && i < all.size(); ++i) {
    if (cost(i, chosen[i]) < kBadPlace) continue;
    for (int j = 0; j < all.size(); ++j) {
      if (j == i || QLineF(QPointF(all[i].centre), QPointF(all[j].centre)).length() > kNeighbourhood) continue;
      const int keptI = chosen[i], keptJ = chosen[j];
      double bestPair = cost(i, keptI) + cost(j, keptJ);
      int bestI = keptI, bestJ = keptJ;
      for (int ki = 0; ki < all[i].candidates.size(); ++ki) {
        put(i, ki);
        for (int kj = 0; kj < all[j].candidates.size(); ++kj) {
          put(j, kj);
          const double pair = cost(i, ki) + cost(j, kj);
          if (pair < bestPair) {
            bestPair = pair;
            bestI = ki;
            bestJ = kj;
          }
        }
      }
      put(i, bestI);
      put(j, bestJ);
    }
  }

  QPainter p(&map);
  p.setRenderHint(QPainter::Antialiasing);
  QVector<PlacedName> names;
  for (int i = 0; i < all.size(); ++i) {
    const Named& n = all[i];
    const QRectF box = n.candidates[chosen[i]];
    names.append({n.city->name, n.centre, box});
    QPainterPath path;
    path.addText(QPointF(box.left(), box.top() + n.ascent), n.font, n.city->name);
    p.strokePath(path, QPen(QColor(246, 238, 214, 215), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, n.city == &route.start ? QColor(120, 24, 24) : QColor(46, 32, 20));
  }
  return names;
}

}  // namespace tolva::mapgen
