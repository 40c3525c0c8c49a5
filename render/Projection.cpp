#include "render/Projection.h"

#include <QRegion>
#include <algorithm>
#include <cmath>

#include "render/DrawList.h"
#include "render/Pixels.h"
#include "table/ViewAngle.h"

namespace tolva {

namespace {

constexpr double kPi = 3.1415926535;

double TangentOf(double viewAngle) { return std::tan(kPi / (180 / viewAngle)); }

// Where a band's stretch lands, in device pixels.
QRect BandTarget(const ProjectionBand& band, const DeviceScale& scale) {
  return scale.Map(Rect::Sized(band.x, band.y, band.w, kBandRows));
}

// The rows of band i that the nearer bands leave in sight, across its width.
// Bands overlap: each nearer one covers the rows of the one before it from
// its own top down, across all of its width (nearer bands are no narrower).
QRect BandInSight(const Projection& projection, const DeviceScale& scale, size_t i) {
  QRect shown = BandTarget(projection.bands[i], scale);
  if (i + 1 < projection.bands.size())
    shown.setBottom(std::min(shown.bottom(), scale.Y(projection.bands[i + 1].y) - 1));
  return shown;
}

}  // namespace

double DrawableViewAngle(double viewAngle) {
  if (!std::isfinite(viewAngle)) return 23;
  if (viewAngle < 1) return 1;
  if (viewAngle > 89) return 89;
  return viewAngle;
}

Projection ComputeProjection(double viewAngle) {
  viewAngle = DrawableViewAngle(viewAngle);
  Projection p;
  p.angle = static_cast<int>(viewAngle);
  p.t = TangentOf(viewAngle);
  p.A = static_cast<int>(p.t * 1050);
  const float b = static_cast<float>(p.A / static_cast<double>(kTableSize));
  for (int i = 0; i < kBands; ++i) {
    ProjectionBand& band = p.bands[i];
    band.sourceY = i * kBandRows;
    band.a = p.A - static_cast<int>(static_cast<float>(band.sourceY) * b);
    const int f = static_cast<int>(band.a / p.t * 0.125 * 2.0);
    band.w = 1040 - f;
    band.x = (kCanvasWidth - band.w) / 2;
    band.y = p.angle * 12 - band.a + 403;
  }
  p.e = (kMaxViewAngle - p.angle) / 2 + 7;
  return p;
}

Rect ProjectRect(const Rect& r, double viewAngle) {
  viewAngle = DrawableViewAngle(viewAngle);
  const double t = TangentOf(viewAngle);
  const int A = static_cast<int>(t * 1050);
  const float F = static_cast<float>(A);
  const float yScale = F / kTableSize;
  const int g = static_cast<int>((F / t) * 0.125 * 2.0);
  const int w = kTableSize - g;
  const int xOff = (kCanvasWidth - w) / 2;
  const int yTop = static_cast<int>(viewAngle) * 12 - A + 403;

  const int c = (r.top + r.bottom) / 2;
  const float depth = static_cast<float>(kTableSize - c) / kTableSize;
  const float hScale = (1 - depth) * 0.3f + static_cast<float>(w) / kTableSize;
  const int shift = static_cast<int>((1 - depth) * 150);
  Rect out;
  out.left = static_cast<int>(static_cast<float>(r.left) * hScale) - shift + xOff;
  out.right = static_cast<int>(static_cast<float>(r.right) * hScale) - shift + xOff;
  out.top = static_cast<int>(static_cast<float>(r.top) * yScale) + yTop;
  out.bottom = static_cast<int>(static_cast<float>(r.bottom) * yScale) + yTop;
  return out;
}

int PileTop(int n, double viewAngle) {
  const int angle = static_cast<int>(DrawableViewAngle(viewAngle));
  return kPileTopAtRest - (kMaxViewAngle - angle) * n / 5;
}

void ProjectTable(QPainter& canvas, const QImage& table, const Projection& projection,
                  const DeviceScale& scale, const QRect& clip) {
  BeginSmooth(canvas);
  // Each band is stretched only over the rows that stay in sight, which are
  // less than half of them. Those rows are clipped across the band's whole
  // width, so every pixel comes out as the whole stretch makes it.
  const bool clipped = canvas.hasClipping();
  const QRegion outer = clipped ? canvas.clipRegion() : QRegion();
  const auto& bands = projection.bands;
  for (size_t i = 0; i < bands.size(); ++i) {
    const ProjectionBand& band = bands[i];
    const QRect target = BandTarget(band, scale);
    const QRect shown = BandInSight(projection, scale, i);
    // Setting a stretch up costs more than painting a small change, so bands
    // that miss the change are left.
    if (shown.isEmpty() || (!clip.isEmpty() && !shown.intersects(clip))) continue;
    if (!clipped) {
      canvas.setClipRect(shown);
    } else if (outer.rectCount() == 1) {
      canvas.setClipRect(outer.boundingRect().intersected(shown));
    } else {
      canvas.setClipRegion(outer.intersected(shown));
    }
    const int top = scale.Y(band.sourceY);
    canvas.drawImage(target, table,
                     QRect(0, top, table.width(), scale.Y(band.sourceY + kBandRows) - top));
  }
  if (clipped) {
    canvas.setClipRegion(outer);
  } else {
    canvas.setClipping(false);
  }
}

bool ProjectionCovers(const Projection& projection, const DeviceScale& scale, const QRect& device) {
  if (device.isEmpty()) return false;
  // The rows in sight of one band and the next meet or leave a gap; every
  // row of `device` must lie in one band's rows, and that band span all of
  // its columns.
  int next = device.top();  // the first row not yet found covered
  for (size_t i = 0; i < projection.bands.size() && next <= device.bottom(); ++i) {
    const QRect shown = BandInSight(projection, scale, i);
    if (shown.isEmpty() || shown.bottom() < next) continue;
    if (shown.top() > next) return false;
    if (shown.left() > device.left() || shown.right() < device.right()) return false;
    next = shown.bottom() + 1;
  }
  return next > device.bottom();
}

Rect ProjectedBounds(const Projection& projection) {
  Rect bounds;
  for (const ProjectionBand& band : projection.bands)
    bounds = Union(bounds, Rect::Sized(band.x, band.y, band.w, kBandRows));
  return bounds;
}

Rect FrontEdge(const Projection& projection) {
  const ProjectionBand& last = projection.Last();
  return Rect::Sized(last.x, last.y, last.w, projection.e);
}

Rect ProjectedArea(const Projection& projection, const Rect& flat) {
  // The stretch reads a row or two beyond a band's own.
  constexpr int kReach = 2;
  Rect area;
  for (const ProjectionBand& band : projection.bands) {
    if (band.sourceY + kBandRows + kReach <= flat.top || band.sourceY - kReach >= flat.bottom)
      continue;
    const double across = static_cast<double>(band.w) / kTableSize;
    const int left = band.x + static_cast<int>(std::floor(flat.left * across)) - kReach;
    const int right = band.x + static_cast<int>(std::ceil(flat.right * across)) + kReach;
    area = Union(area, Rect{left, band.y - kReach, right, band.y + kBandRows + kReach});
  }
  return area;
}

Rect TableEdgePlace(const Projection& projection) {
  return Rect{0, kTableSize, kTableSize,
              kTableSize + static_cast<int>(projection.e / (projection.A / static_cast<double>(kTableSize)))};
}

}  // namespace tolva
