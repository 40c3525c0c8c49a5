#include "Terrain.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace tolva::mapgen {
namespace {

constexpr int W = kMapWidth;
constexpr int H = kMapHeight;

QPainterPath RingsPath(const QVector<Polyline>& rings, Qt::FillRule rule = Qt::OddEvenFill) {
  QPainterPath path;
  path.setFillRule(rule);
  for (const Polyline& r : rings) path.addPolygon(QPolygonF(r));
  path.closeSubpath();
  return path;
}

// A smooth path through the midpoints of a polyline, for rivers and ridges.
QPainterPath SmoothPath(const Polyline& pts) {
  QPainterPath path(pts.front());
  if (pts.size() == 2) {
    path.lineTo(pts.back());
    return path;
  }
  for (int i = 1; i + 1 < pts.size(); ++i) path.quadTo(pts[i], (pts[i] + pts[i + 1]) / 2);
  path.lineTo(pts.back());
  return path;
}

// Exact Euclidean distance transform (Felzenszwalb and Huttenlocher): the
// distance of every pixel to the nearest pixel where `feature` holds.
std::vector<float> DistanceTo(const std::vector<uint8_t>& feature) {
  const float inf = 1e12f;
  std::vector<float> d(static_cast<size_t>(W) * H);
  for (size_t i = 0; i < d.size(); ++i) d[i] = feature[i] ? 0.f : inf;
  auto pass = [&](int n, auto get, auto set) {
    std::vector<float> f(n), out(n), z(n + 1);
    std::vector<int> v(n);
    for (int i = 0; i < n; ++i) f[i] = get(i);
    int k = 0;
    v[0] = 0;
    z[0] = -inf;
    z[1] = inf;
    for (int q = 1; q < n; ++q) {
      float s;
      while (true) {
        s = ((f[q] + q * float(q)) - (f[v[k]] + v[k] * float(v[k]))) / (2.f * q - 2.f * v[k]);
        if (s <= z[k] && k > 0) --k;
        else break;
      }
      if (s <= z[k]) { v[k] = q; z[k + 1] = inf; continue; }
      ++k;
      v[k] = q;
      z[k] = s;
      z[k + 1] = inf;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
      while (z[k + 1] < q) ++k;
      out[q] = (q - v[k]) * float(q - v[k]) + f[v[k]];
    }
    for (int i = 0; i < n; ++i) set(i, out[i]);
  };
  for (int x = 0; x < W; ++x)
    pass(H, [&](int y) { return d[size_t(y) * W + x]; }, [&](int y, float val) { d[size_t(y) * W + x] = val; });
  for (int y = 0; y < H; ++y)
    pass(W, [&](int x) { return d[size_t(y) * W + x]; }, [&](int x, float val) { d[size_t(y) * W + x] = val; });
  for (float& v : d) v = std::sqrt(v);
  return d;
}

// Three box blurs approximate a Gaussian; used to soften tint masks.
std::vector<float> Blur(std::vector<float> a, int radius) {
  std::vector<float> tmp(a.size());
  for (int iteration = 0; iteration < 3; ++iteration) {
    for (int y = 0; y < H; ++y) {
      double sum = 0;
      for (int x = -radius; x <= radius; ++x) sum += a[size_t(y) * W + std::clamp(x, 0, W - 1)];
      for (int x = 0; x < W; ++x) {
        tmp[size_t(y) * W + x] = float(sum / (2 * radius + 1));
        sum += a[size_t(y) * W + std::min(x + radius + 1, W - 1)] - a[size_t(y) * W + std::max(x - radius, 0)];
      }
    }
    for (int x = 0; x < W; ++x) {
      double sum = 0;
      for (int y = -radius; y <= radius; ++y) sum += tmp[size_t(std::clamp(y, 0, H - 1)) * W + x];
      for (int y = 0; y < H; ++y) {
        a[size_t(y) * W + x] = float(sum / (2 * radius + 1));
        sum += tmp[size_t(std::min(y + radius + 1, H - 1)) * W + x] - tmp[size_t(std::max(y - radius, 0)) * W + x];
      }
    }
  }
  return a;
}

std::vector<float> Mask(const std::function<void(QPainter&)>& draw) {
  QImage img(W, H, QImage::Format_Grayscale8);
  img.fill(0);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
  }
  std::vector<float> m(size_t(W) * H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) m[size_t(y) * W + x] = img.constScanLine(y)[x] / 255.f;
  return m;
}

// Smooth value noise from a fixed hash: the parchment's grain, the same on
// every build.
float Hash(int x, int y, int seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return float((h ^ (h >> 16)) & 0xFFFF) / 65535.f;
}
float ValueNoise(float x, float y, int seed) {
  const int xi = int(std::floor(x)), yi = int(std::floor(y));
  const float fx = x - xi, fy = y - yi;
  const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const float a = Hash(xi, yi, seed), b = Hash(xi + 1, yi, seed), c = Hash(xi, yi + 1, seed), d = Hash(xi + 1, yi + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}
float Grain(int x, int y, int seed) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (float scale = 64; scale >= 8; scale /= 2, amp *= 0.6f) {
    sum += amp * ValueNoise(x / scale, y / scale, seed + int(scale));
    norm += amp;
  }
  return sum / norm - 0.5f;  // about -0.5 … 0.5
}

struct Rgbf {
  float r, g, b;
};
Rgbf Mix(Rgbf a, Rgbf b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgbf Scale(Rgbf a, float k) { return {a.r * k, a.g * k, a.b * k}; }

void DrawMountains(QPainter& p, const QVector<Polyline>& ranges) {
  p.setRenderHint(QPainter::Antialiasing);
  int seed = 0;
  for (const Polyline& range : ranges) {
    // Walk the crest at even spacing, placing small shaded peaks on
    // alternate sides so the range reads as a band of hills.
    double carry = 0;
    for (int i = 0; i + 1 < range.size(); ++i) {
      const QPointF a = range[i], b = range[i + 1];
      const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
      const QPointF dir = (b - a) / std::max(len, 1e-6);
      const QPointF normal(-dir.y(), dir.x());
      for (double s = carry; s < len; s += 6.5) {
        ++seed;
        const float j = Hash(seed, 7, 3);
        const double side = (seed % 2 ? 1.0 : -1.0) * (1.5 + 2.0 * j);
        const QPointF base = a + dir * s + normal * side;
        const double w = 3.2 + 1.6 * Hash(seed, 11, 5), h = 4.0 + 2.2 * Hash(seed, 13, 7);
        const QPointF left = base + QPointF(-w, 0), right = base + QPointF(w, 0), top = base + QPointF(0.3, -h);
        QPolygonF lit{left, top, base + QPointF(0.6, 0)};
        QPolygonF shade{base + QPointF(0.6, 0), top, right};
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(222, 202, 160, 230));
        p.drawPolygon(lit);
        p.setBrush(QColor(150, 116, 78, 220));
        p.drawPolygon(shade);
        p.setPen(QPen(QColor(104, 78, 52, 200), 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{left, top, right});
        carry = 0;
      }
      carry = std::fmod(carry + len, 6.5);
    }
  }
}

}  // namespace

QImage LandCoverage(const Features& features) {
  QImage img(W, H, QImage::Format_Grayscale8);
  img.fill(0);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(RingsPath(features.land), QColor(255, 255, 255));
  QPainterPath lakes;
  for (const Polyline& l : features.lakes) lakes.addPolygon(QPolygonF(l + Polyline{l.front()}));
  p.fillPath(lakes, QColor(0, 0, 0));
  return img;
}

QImage PaintTerrain(const Features& features, const QImage& coverage) {
  std::vector<uint8_t> land(size_t(W) * H), sea(size_t(W) * H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const bool l = coverage.constScanLine(y)[x] >= 128;
      land[size_t(y) * W + x] = l;
      sea[size_t(y) * W + x] = !l;
    }
  const std::vector<float> toLand = DistanceTo(land);
  const std::vector<float> toSea = DistanceTo(sea);

  const auto desert = Blur(Mask([&](QPainter& p) { p.fillPath(RingsPath(features.deserts, Qt::WindingFill), Qt::white); }), 9);
  const auto fertile = Blur(Mask([&](QPainter& p) {
    p.fillPath(RingsPath(features.fertile, Qt::WindingFill), Qt::white);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Polyline& r : features.rivers) p.drawPath(SmoothPath(r));
  }), 3);
  const auto highland = Blur(Mask([&](QPainter& p) {
    p.setPen(QPen(Qt::white, 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Polyline& r : features.mountains) p.drawPath(SmoothPath(r));
  }), 7);

  const Rgbf shallow{166, 203, 211}, deep{52, 98, 142}, abyss{38, 78, 122};
  const Rgbf parchment{230, 216, 174}, sand{238, 212, 150}, green{178, 190, 124}, hill{196, 168, 122};

  QImage img(W, H, QImage::Format_RGB32);
  for (int y = 0; y < H; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < W; ++x) {
      const size_t i = size_t(y) * W + x;
      const float cover = coverage.constScanLine(y)[x] / 255.f;
      const float grain = Grain(x, y, 1);
      // Sea: light over the shelf, darkening with distance from the coast,
      // with two faint engraved lines following the shore.
      const float d = toLand[i];
      Rgbf s = Mix(shallow, deep, 1 - std::exp(-d / 18.f));
      s = Mix(s, abyss, std::clamp((d - 60) / 80.f, 0.f, 1.f));
      const float ripple = 0.10f * std::exp(-(d - 4.5f) * (d - 4.5f) / 0.6f) + 0.06f * std::exp(-(d - 9.f) * (d - 9.f) / 0.8f);
      s = Scale(s, 1.f - ripple + grain * 0.05f);
      // Land: parchment tinted by desert, green lowland and highland, darker
      // just inside the coast.
      const float e = toSea[i];
      Rgbf g = Mix(parchment, sand, std::min(desert[i] * 1.1f, 1.f));
      g = Mix(g, green, std::min(fertile[i], 1.f) * 0.75f);
      g = Mix(g, hill, std::min(highland[i] * 1.2f, 1.f) * 0.7f);
      g = Scale(g, 1.f - 0.10f * std::exp(-e / 2.2f) + grain * 0.09f);
      Rgbf c = Mix(s, g, cover);
      // A soft darkening towards the picture's edges, like an old sheet.
      const float ex = std::min(x, W - 1 - x) / 60.f, ey = std::min(y, H - 1 - y) / 60.f;
      c = Scale(c, 0.92f + 0.08f * std::clamp(std::min(ex, ey), 0.f, 1.f));
      line[x] = qRgb(std::clamp(int(c.r + 0.5f), 0, 255), std::clamp(int(c.g + 0.5f), 0, 255), std::clamp(int(c.b + 0.5f), 0, 255));
    }
  }

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // The graticule, faint, under the coastline.
  p.setPen(QPen(QColor(92, 70, 44, 55), 0.7, Qt::DashLine));
  for (const Polyline& g : features.graticule) p.drawPolyline(QPolygonF(g));
  // Coastline ink.
  p.setPen(QPen(QColor(78, 62, 44, 220), 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawPath(RingsPath(features.land));
  // Lakes: shallow water with an ink rim.
  for (const Polyline& l : features.lakes) {
    QPainterPath path;
    path.addPolygon(QPolygonF(l + Polyline{l.front()}));
    p.fillPath(path, QColor(150, 192, 206));
    p.strokePath(path, QPen(QColor(78, 62, 44, 200), 0.8));
  }
  // Rivers, widening a little towards the mouth.
  for (const Polyline& r : features.rivers) {
    const QPainterPath path = SmoothPath(r);
    p.strokePath(path, QPen(QColor(230, 236, 226, 120), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(QColor(58, 108, 160, 235), 1.15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  DrawMountains(p, features.mountains);
  return img;
}

}  // namespace tolva::mapgen
