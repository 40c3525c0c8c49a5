#include "PictureChecks.h"

#include <QImageReader>

namespace tolva::testing {

QImage Embedded(const QString& path) {
  QImageReader reader(":/" + path);
  return reader.read().convertToFormat(QImage::Format_ARGB32);
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
  int count = 0;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

bool IsColour(QRgb pixel, const QColor& colour) {
  return qAlpha(pixel) == 255 && (pixel & 0xFFFFFFu) == (colour.rgb() & 0xFFFFFFu);
}

bool IsDarkInk(QRgb pixel) { return qRed(pixel) < 90 && qGreen(pixel) < 90 && qBlue(pixel) < 100; }

bool IsRedInk(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 110; }

}  // namespace tolva::testing
