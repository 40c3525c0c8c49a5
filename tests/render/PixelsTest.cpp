// Copying rectangles of the canvas onto a window's picture: what lands there
// is what QPainter draws, on a window of the canvas's format and on one with
// premultiplied alpha, as X11 windows have.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "render/Pixels.h"

namespace tolva {
namespace {

TEST(CopyRects, WhatLandsIsWhatThePainterDrawsOnEveryWindowFormat) {
  // Every pixel differs; some keep an alpha byte of zero, as raw writes into
  // an opaque picture leave it (QPainter copies it as it is).
  QImage canvas(64, 48, kSurfaceFormat);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      reinterpret_cast<QRgb*>(canvas.scanLine(y))[x] = (x % 3 == 0 ? 0u : 0xff000000u) | (qRgb(x * 4, y * 5, 77) & 0xffffffu);
  const std::vector<QRect> squares{QRect(2, 3, 6, 6), QRect(60, 44, 8, 8), QRect(-3, 20, 6, 6)};
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
    EXPECT_EQ(copied.pixel(20, 30), qRgb(0, 0, 0)) << "nothing beside the squares";
  }
}

}  // namespace
}  // namespace tolva
