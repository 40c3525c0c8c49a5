#include "render/DeviceScale.h"

#include <algorithm>

namespace tolva {

namespace {

// Rounding slack: a scale of 2.0000001 still takes the double pictures.
constexpr double kSlack = 1e-6;

}  // namespace

int DeviceScale::Density() const {
  const double largest = std::max(x, y);
  if (largest <= 1 + kSlack) return 1;
  if (largest <= 2 + kSlack) return 2;
  return 3;
}

QRect DevicePixelsOf(const QRect& window, double dpr) {
  return QRect(QPoint(static_cast<int>(std::floor(window.left() * dpr)),
                      static_cast<int>(std::floor(window.top() * dpr))),
               QPoint(static_cast<int>(std::ceil((window.right() + 1) * dpr)) - 1,
                      static_cast<int>(std::ceil((window.bottom() + 1) * dpr)) - 1));
}

DeviceScale ScaleFor(QSize deviceCanvas) {
  return {static_cast<double>(deviceCanvas.width()) / kCanvasWidth,
          static_cast<double>(deviceCanvas.height()) / kCanvasHeight};
}

}  // namespace tolva
