// Copying rectangles of the canvas onto a window's picture: what lands there
// is what QPainter would have drawn, on a window of the canvas's format and
// on one with alpha, as X11 windows have.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "render/Pixels.h"

namespace tolva {
namespace {

// A canvas whose every pixel differs, with the alpha byte left at zero in
// places (raw writes into an opaque picture leave it as it was; QPainter
// copies it as it is).
QImage Canvas() {
  QImage canvas(64, 48, kSurfaceFormat);
  for (int y = 0; y < canvas.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
    for (int x = 0; x < canvas.width(); ++x)
      line[x] = (x % 3 == 0 ? 0u : 0xff000000u) | static_cast<QRgb>(x * 4) << 16 | static_cast<QRgb>(y * 5) << 8 | 77u;
  }
  return canvas;
}

TEST(CopyRects, WhatLandsIsWhatThePainterDrawsOnEveryWindowFormat) {
  const QImage canvas = Canvas();
  const std::vector<QRect> squares{QRect(2, 3, 6, 6), QRect(60, 44, 8, 8), QRect(30, 0, 5, 7),
                                   QRect(-3, 20, 6, 6)};
  for (const QImage::Format format : {kSurfaceFormat, QImage::Format_ARGB32_Premultiplied}) {
    QImage copied(canvas.size(), format), drawn(canvas.size(), format);
    copied.fill(Qt::black);
    drawn.fill(Qt::black);
    {
      QPainter painter(&copied);
      CopyRects(painter, canvas, squares);
    }
    {
      QPainter painter(&drawn);
      for (const QRect& r : squares) painter.drawImage(r.topLeft(), canvas, r);
    }
    EXPECT_EQ(copied, drawn) << "format " << format;
    EXPECT_EQ(qAlpha(copied.pixel(4, 4)), 255) << "format " << format;
    EXPECT_EQ(copied.pixel(20, 30), qRgb(0, 0, 0)) << "nothing beside the squares";
  }
}

// A window of device pixel ratio 2 is painted in device pixels through a
// painter scaled back by a half: the squares still land one to one.
TEST(CopyRects, ThroughAPainterScaledBackOnADenserPicture) {
  const QImage canvas = Canvas();
  const std::vector<QRect> squares{QRect(2, 3, 12, 12), QRect(40, 30, 12, 12)};
  QImage copied(canvas.size(), kSurfaceFormat), drawn(canvas.size(), kSurfaceFormat);
  for (QImage* window : {&copied, &drawn}) {
    window->fill(Qt::black);
    window->setDevicePixelRatio(2);
  }
  {
    QPainter painter(&copied);
    painter.setTransform(QTransform::fromScale(0.5, 0.5));
    CopyRects(painter, canvas, squares);
  }
  {
    QPainter painter(&drawn);
    painter.setTransform(QTransform::fromScale(0.5, 0.5));
    for (const QRect& r : squares) painter.drawImage(r.topLeft(), canvas, r);
  }
  EXPECT_EQ(copied, drawn);
  EXPECT_EQ(copied.pixel(45, 35), canvas.pixel(45, 35));
}

}  // namespace
}  // namespace tolva
