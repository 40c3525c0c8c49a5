#include "tests/render/support/PictureDetail.h"

#include <cstdlib>

namespace tolva::testing {

namespace {

int Step(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

}  // namespace

int SteepSteps(const QImage& image, const QRect& r) {
  int steep = 0;
  for (int y = r.top(); y < r.bottom(); ++y)
    for (int x = r.left(); x < r.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (Step(p, image.pixel(x + 1, y)) > 200) ++steep;
      if (Step(p, image.pixel(x, y + 1)) > 200) ++steep;
    }
  return steep;
}

double MixedBlocks(const QImage& image, const QRect& r) {
  int mixed = 0, blocks = 0;
  for (int y = r.top() & ~1; y + 1 <= r.bottom(); y += 2)
    for (int x = r.left() & ~1; x + 1 <= r.right(); x += 2) {
      const QRgb p = image.pixel(x, y);
      ++blocks;
      if (Step(image.pixel(x + 1, y), p) > 24 || Step(image.pixel(x, y + 1), p) > 24 ||
          Step(image.pixel(x + 1, y + 1), p) > 24)
        ++mixed;
    }
  return blocks > 0 ? static_cast<double>(mixed) / blocks : 0;
}

}  // namespace tolva::testing
