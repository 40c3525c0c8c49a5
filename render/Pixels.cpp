#include "render/Pixels.h"

#include <algorithm>

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
