#include "render/Pixels.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace tolva {

QImage Opaque(const QImage& picture) {
  if (picture.isNull() || picture.format() == kSurfaceFormat) return picture;
  return picture.convertToFormat(kSurfaceFormat);
}

QImage Keyed(const QImage& picture, QRgb key) {
  if (picture.isNull()) return {};
  const QImage source = Opaque(picture);
  QImage keyed(source.size(), kKeyedFormat);
  if (keyed.isNull()) return {};
  const QRgb keyColour = key & 0x00ffffff;
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const QRgb colour = in[x] & 0x00ffffff;
      out[x] = colour == keyColour ? 0u : (colour | 0xff000000u);
    }
  }
  return keyed;
}

QImage Halftone(const QImage& picture, int w, int h) {
  if (picture.isNull() || w <= 0 || h <= 0) return {};
  if (picture.width() == w && picture.height() == h) return picture;
  return picture.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// The picture a raster painter writes to, and where painter point (0, 0) is
// on it, when that point maps one to one onto its pixels.
QImage* RasterTarget(QPainter& painter, QPoint& origin) {
  QPaintEngine* engine = painter.paintEngine();
  if (engine == nullptr || engine->type() != QPaintEngine::Raster) return nullptr;
  QPaintDevice* device = engine->paintDevice();
  if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
  // A shared picture would be copied on the first write, away from the painter.
  if (!static_cast<QImage*>(device)->isDetached()) return nullptr;
  // (A widget's painter scaled back by its device pixel ratio ends up one to
  // one, up to rounding.)
  const QTransform t = painter.deviceTransform();
  constexpr double kExact = 1e-9;
  if (std::abs(t.m11() - 1) > kExact || std::abs(t.m22() - 1) > kExact ||
      std::abs(t.m12()) > kExact || std::abs(t.m21()) > kExact || t.type() == QTransform::TxProject)
    return nullptr;
  origin = QPoint(static_cast<int>(std::lround(t.dx())), static_cast<int>(std::lround(t.dy())));
  return static_cast<QImage*>(device);
}

}  // namespace

void CopyRects(QPainter& painter, const QImage& source, const std::vector<QRect>& rects) {
  QPoint origin;
  QImage* target = RasterTarget(painter, origin);
  // The window's picture on an X11 desktop carries premultiplied alpha; an
  // opaque picture is copied onto it word for word, as QPainter copies it.
  const bool copies =
      target != nullptr && source.depth() == 32 &&
      (target->format() == source.format() ||
       (source.format() == kSurfaceFormat && target->format() == QImage::Format_ARGB32_Premultiplied));
  if (source.isNull() || !copies) {
    for (const QRect& r : rects)
      if (!r.isEmpty()) painter.drawImage(r.topLeft(), source, r);
    return;
  }
  // The painter's clip is the caller's to keep to: these copies stay inside
  // the rectangles it repaints.
  const QRect within = source.rect().intersected(target->rect().translated(-origin));
  const qsizetype stride = target->bytesPerLine();
  uchar* const bits = target->bits();
  const uchar* const from = source.constBits();
  const qsizetype fromStride = source.bytesPerLine();
  // The rectangles lie anywhere on large pictures (a dissolve's squares), so
  // each row is a cache miss on both; the rows of a rectangle a few ahead
  // are asked for while this one is copied.
  constexpr size_t kAhead = 4;
  for (size_t i = 0; i < rects.size(); ++i) {
    if (i + kAhead < rects.size()) {
      const QRect next = rects[i + kAhead].intersected(within);
      for (int y = next.top(); y <= next.bottom(); ++y) {
        __builtin_prefetch(from + y * fromStride + next.left() * 4);
        __builtin_prefetch(bits + (y + origin.y()) * stride + (next.left() + origin.x()) * 4, 1);
      }
    }
    const QRect part = rects[i].intersected(within);
    if (part.isEmpty()) continue;
    const size_t bytes = static_cast<size_t>(part.width()) * 4;
    for (int y = part.top(); y <= part.bottom(); ++y)
      std::memcpy(bits + (y + origin.y()) * stride + (part.left() + origin.x()) * 4,
                  from + y * fromStride + part.left() * 4, bytes);
  }
}

void BeginSmooth(QPainter& painter) {
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.setRenderHint(QPainter::Antialiasing, false);
}

void FillOutlined(QPainter& painter, const Rect& r, QRgb fill, QRgb line) {
  if (r.IsEmpty()) return;
  painter.fillRect(r.ToQRect(), QColor::fromRgb(fill));
  FrameRect(painter, r, line);
}

void FrameRect(QPainter& painter, const Rect& r, QRgb line) {
  if (r.IsEmpty()) return;
  const QColor colour = QColor::fromRgb(line);
  // Four one-pixel strips: exact pixels whatever the painter's hints.
  painter.fillRect(QRect(r.left, r.top, r.Width(), 1), colour);
  painter.fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), colour);
  painter.fillRect(QRect(r.left, r.top, 1, r.Height()), colour);
  painter.fillRect(QRect(r.right - 1, r.top, 1, r.Height()), colour);
}

}  // namespace tolva
