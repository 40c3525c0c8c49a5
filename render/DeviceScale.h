// How the canvas's coordinates (and the flat table's) become device pixels:
// a point (x, y) lands on (x × kx, y × ky), rounded. The game's geometry stays
// in canvas coordinates; only the pixels are produced at the window's
// physical size. At scale 1 every position is the canvas's own.
#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

#include "render/Geometry.h"

namespace tolva {

struct DeviceScale {
  double x = 1;
  double y = 1;

  bool IsUnit() const { return x == 1 && y == 1; }
  // The smallest picture density (1, 2 or 3 times the canvas's size) that
  // needs no enlarging at this scale; 3 beyond it.
  int Density() const;

  int X(double canvasX) const { return static_cast<int>(std::floor(canvasX * x + 0.5)); }
  int Y(double canvasY) const { return static_cast<int>(std::floor(canvasY * y + 0.5)); }
  // A rectangle's edges each rounded, so rectangles that meet on the canvas
  // meet in device pixels too.
  QRect Map(const Rect& r) const { return QRect(QPoint(X(r.left), Y(r.top)), QPoint(X(r.right) - 1, Y(r.bottom) - 1)); }
  // The size a picture of w x h canvas pixels is made at.
  QSize Size(int w, int h) const { return {std::max(1, X(w)), std::max(1, Y(h))}; }

  friend bool operator==(const DeviceScale&, const DeviceScale&) = default;
};

// The scale at which a canvas of 1200 x 900 fills exactly `deviceCanvas` pixels.
DeviceScale ScaleFor(QSize deviceCanvas);

// Every device pixel a rectangle of window pixels touches, `dpr` device
// pixels a window pixel.
QRect DevicePixelsOf(const QRect& window, double dpr);

}  // namespace tolva
