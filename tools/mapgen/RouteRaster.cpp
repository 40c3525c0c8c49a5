#include "RouteRaster.h"

#include <QHash>
#include <QString>
#include <cmath>
#include <stdexcept>

namespace tolva::mapgen {
namespace {

[[noreturn]] void Fail(const QString& what) { throw std::runtime_error(what.toStdString()); }

bool Touch(QPoint a, QPoint b) { return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1; }

QString Where(QPoint p) { return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y()); }

// Centripetal Catmull-Rom through the points, sampled finely: a smooth curve
// that never overshoots into loops between close waypoints.
QVector<QPointF> SmoothCurve(const QVector<QPointF>& pts) {
  QVector<QPointF> out;
  if (pts.size() < 3) {
    const QPointF a = pts.front(), b = pts.back();
    const int samples = std::max(2, static_cast<int>(std::hypot(b.x() - a.x(), b.y() - a.y()) * 6));
    for (int s = 0; s <= samples; ++s) out.append(a + (b - a) * (double(s) / samples));
    return out;
  }
  auto dist = [](QPointF a, QPointF b) { return std::sqrt(std::hypot(a.x() - b.x(), a.y() - b.y())) + 1e-6; };
  for (int i = 0; i + 1 < pts.size(); ++i) {
    const QPointF p0 = i > 0 ? pts[i - 1] : pts[i] * 2 - pts[i + 1];
    const QPointF p1 = pts[i], p2 = pts[i + 1];
    const QPointF p3 = i + 2 < pts.size() ? pts[i + 2] : pts[i + 1] * 2 - pts[i];
    const double t0 = 0, t1 = t0 + dist(p0, p1), t2 = t1 + dist(p1, p2), t3 = t2 + dist(p2, p3);
    const double len = std::hypot(p2.x() - p1.x(), p2.y() - p1.y());
    const int samples = std::max(2, static_cast<int>(len * 6));
    for (int s = 0; s < samples; ++s) {
      const double t = t1 + (t2 - t1) * s / samples;
      const QPointF a1 = p0 * ((t1 - t) / (t1 - t0)) + p1 * ((t - t0) / (t1 - t0));
      const QPointF a2 = p1 * ((t2 - t) / (t2 - t1)) + p2 * ((t - t1) / (t2 - t1));
      const QPointF a3 = p2 * ((t3 - t) / (t3 - t2)) + p3 * ((t - t2) / (t3 - t2));
      const QPointF b1 = a1 * ((t2 - t) / (t2 - t0)) + a2 * ((t - t0) / (t2 - t0));
      const QPointF b2 = a2 * ((t3 - t) / (t3 - t1)) + a3 * ((t - t1) / (t3 - t1));
      out.append(b1 * ((t2 - t) / (t2 - t1)) + b2 * ((t - t1) / (t2 - t1)));
    }
  }
  out.append(pts.back());
  return out;
}

// A one-pixel, eight-connected chain along the curve in which each pixel
// touches only the pixels before and after it.
QVector<QPoint> PixelChain(const QVector<QPointF>& curve) {
  QVector<QPoint> chain;
  for (const QPointF& c : curve) {
    const QPoint p(static_cast<int>(std::floor(c.x() + 0.5)), static_cast<int>(std::floor(c.y() + 0.5)));
    if (chain.isEmpty()) { chain.append(p); continue; }
    // Bridge the rare gap of more than one pixel with a straight run.
    QPoint last = chain.back();
    while (!Touch(last, p) || last == p) {
      if (last == p) break;
      last += QPoint((p.x() > last.x()) - (p.x() < last.x()), (p.y() > last.y()) - (p.y() < last.y()));
      chain.append(last);
    }
    if (chain.back() != p) chain.append(p);
  }
  // Cut out loops: a pixel met again drops everything between.
  for (bool changed = true; changed;) {
    changed = false;
    QHash<quint64, int> seen;
    for (int i = 0; i < chain.size(); ++i) {
      const quint64 key = (quint64(quint32(chain[i].x())) << 32) | quint32(chain[i].y());
      if (auto it = seen.find(key); it != seen.end()) {
        chain.remove(it.value() + 1, i - it.value());
        changed = true;
        break;
      }
      seen.insert(key, i);
    }
    // Corners: a pixel whose two neighbours touch each other is redundant.
    for (int i = 1; i + 1 < chain.size(); ++i) {
      if (Touch(chain[i - 1], chain[i + 1])) {
        chain.remove(i);
        changed = true;
        --i;
      }
    }
  }
  return chain;
}

bool TouchesAny(QPoint p, const QVector<QPoint>& set) {
  for (const QPoint& q : set)
    if (Touch(p, q)) return true;
  return false;
}

bool InAny(QPoint p, const CityShape& c) { return c.interior.contains(p) || c.ring.contains(p); }

}  // namespace

CityShape MakeCity(QPoint centre, bool big) {
  // An octagon: a square with its corners cut at 45°. The ring is the set of
  // outside pixels four-adjacent to it, a closed line with no spurs, so a walk
  // round it never has a choice to make.
  const int r = big ? 3 : 2;
  const int cut = big ? 5 : 3;
  auto inside = [&](int dx, int dy) { return std::abs(dx) <= r && std::abs(dy) <= r && std::abs(dx) + std::abs(dy) <= cut; };
  CityShape city;
  city.centre = centre;
  for (int dy = -r - 1; dy <= r + 1; ++dy) {
    for (int dx = -r - 1; dx <= r + 1; ++dx) {
      const QPoint p = centre + QPoint(dx, dy);
      if (inside(dx, dy)) city.interior.append(p);
      else if (inside(dx - 1, dy) || inside(dx + 1, dy) || inside(dx, dy - 1) || inside(dx, dy + 1)) city.ring.append(p);
    }
  }
  for (const QPoint& p : city.ring) {
    int n = 0;
    for (const QPoint& q : city.ring) n += (q != p && Touch(p, q));
    if (n != 2) Fail(QStringLiteral("city ring at %1 is not a simple line").arg(Where(centre)));
  }
  return city;
}

LegendSample MakeLegendSample() {
  LegendSample s;
  for (int x = 66; x <= 88; ++x) s.route.append({x, 432});
  s.city = MakeCity({92, 432}, false);
  for (int x = 66; x <= 88; ++x) s.travelled.append({x, 450});
  s.conquered = MakeCity({92, 450}, false);
  return s;
}

RouteLayout LayOutRoute(const Route& route) {
  RouteLayout layout;
  layout.start = MakeCity({route.start.x, route.start.y}, route.start.big);
  for (const City& c : route.cities) layout.cities.append(MakeCity({c.x, c.y}, c.big));

  auto cityOf = [&](int i) -> const CityShape& { return i < 0 ? layout.start : layout.cities[i]; };
  const int legCount = route.legs.size();
  for (int i = 0; i < legCount; ++i) {
    const CityShape& from = cityOf(i - 1);
    const bool toCity = i < layout.cities.size();
    QVector<QPointF> pts{QPointF(from.centre)};
    pts += route.legs[i].via;
    pts.append(toCity ? QPointF(layout.cities[i].centre) : route.end);
    QVector<QPoint> chain = PixelChain(SmoothCurve(pts));

    // Keep the chain from the last pixel touching the first city's ring to
    // the first pixel after it touching the next city's ring: only the two
    // end pixels of a leg touch a ring.
    int first = -1;
    for (int k = 0; k < chain.size(); ++k)
      if (TouchesAny(chain[k], from.ring) && !InAny(chain[k], from)) first = k;
    if (first < 0) Fail(QStringLiteral("leg %1 does not leave its city").arg(i + 1));
    int last = chain.size() - 1;
    if (toCity) {
      last = -1;
      for (int k = first + 1; k < chain.size() && last < 0; ++k)
        if (TouchesAny(chain[k], layout.cities[i].ring)) last = k;
      if (last < 0 || InAny(chain[last], layout.cities[i])) Fail(QStringLiteral("leg %1 does not reach its city").arg(i + 1));
    }
    layout.legs.append(chain.mid(first, last - first + 1));
  }

  // Check every rule the tracing relies on, on the finished layout.
  QVector<const CityShape*> all{&layout.start};
  for (const CityShape& c : layout.cities) all.append(&c);
  for (int a = 0; a < all.size(); ++a) {
    for (const QPoint& p : all[a]->ring + all[a]->interior)
      if (p.x() < 1 || p.y() < 1 || p.x() >= kMapWidth - 1 || p.y() >= kMapHeight - 1)
        Fail(QStringLiteral("city %1 leaves the picture").arg(a));
    for (int b = a + 1; b < all.size(); ++b) {
      if (std::abs(all[a]->centre.x() - all[b]->centre.x()) > 12 || std::abs(all[a]->centre.y() - all[b]->centre.y()) > 12) continue;
      for (const QPoint& p : all[a]->ring)
        for (const QPoint& q : all[b]->ring)
          if (std::abs(p.x() - q.x()) <= 2 && std::abs(p.y() - q.y()) <= 2)
            Fail(QStringLiteral("cities %1 and %2 are too close").arg(a).arg(b));
    }
  }
  // The legend's samples stand well apart from the route.
  const QRect legendBox = QRect(QPoint(60, 424), QPoint(100, 458)).adjusted(-6, -6, 6, 6);
  for (const CityShape* c : all)
    if (legendBox.contains(c->centre)) Fail(QStringLiteral("a city lies on the legend"));
  QHash<quint64, QPair<int, int>> owner;  // pixel -> (leg, index)
  auto key = [](QPoint p) { return (quint64(quint32(p.x())) << 32) | quint32(p.y()); };
  for (int l = 0; l < layout.legs.size(); ++l) {
    const QVector<QPoint>& leg = layout.legs[l];
    if (leg.size() < 2) Fail(QStringLiteral("leg %1 is too short").arg(l + 1));
    for (int k = 0; k < leg.size(); ++k) {
      const QPoint p = leg[k];
      if (p.x() < 1 || p.y() < 1 || p.x() >= kMapWidth - 1 || p.y() >= kMapHeight - 1)
        Fail(QStringLiteral("leg %1 leaves the picture at %2").arg(l + 1).arg(Where(p)));
      for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
          auto it = owner.find(key(p + QPoint(dx, dy)));
          if (it == owner.end()) continue;
          const auto [otherLeg, otherIndex] = it.value();
          if (otherLeg != l || std::abs(otherIndex - k) != 1)
            Fail(QStringLiteral("leg %1 touches leg %2 at %3").arg(l + 1).arg(otherLeg + 1).arg(Where(p)));
        }
      }
      owner.insert(key(p), {l, k});
      if (legendBox.contains(p)) Fail(QStringLiteral("leg %1 crosses the legend").arg(l + 1));
      for (int c = 0; c < all.size(); ++c) {
        const CityShape& city = *all[c];
        if (std::abs(city.centre.x() - p.x()) > 6 || std::abs(city.centre.y() - p.y()) > 6) continue;
        if (InAny(p, city)) Fail(QStringLiteral("leg %1 runs into city %2 at %3").arg(l + 1).arg(c).arg(Where(p)));
        const bool allowed = (k == 0 && c == l) || (k == leg.size() - 1 && c == l + 1 && l < layout.cities.size());
        if (TouchesAny(p, city.ring) != allowed)
          Fail(QStringLiteral("leg %1 touches city %2 at %3").arg(l + 1).arg(c).arg(Where(p)));
      }
    }
  }
  return layout;
}

QImage RouteKeepOut(const RouteLayout& layout, int margin) {
  QImage mask(kMapWidth, kMapHeight, QImage::Format_Grayscale8);
  mask.fill(0);
  auto mark = [&](QPoint p) {
    for (int dy = -margin; dy <= margin; ++dy)
      for (int dx = -margin; dx <= margin; ++dx) {
        const QPoint q = p + QPoint(dx, dy);
        if (q.x() >= 0 && q.y() >= 0 && q.x() < kMapWidth && q.y() < kMapHeight) mask.scanLine(q.y())[q.x()] = 255;
      }
  };
  for (const auto& leg : layout.legs)
    for (const QPoint& p : leg) mark(p);
  auto city = [&](const CityShape& c) { for (const QPoint& p : c.ring) mark(p); };
  city(layout.start);
  for (const CityShape& c : layout.cities) city(c);
  return mask;
}

}  // namespace tolva::mapgen
