#include "render/CardDrawing.h"

#include <algorithm>

namespace tolva {

void DrawFace(QPainter& painter, const Surfaces& s, int code, int x, int y) {
  const FaceRef face = s.FaceOf(code);
  if (face.image != nullptr) painter.drawImage(QPoint(x, y), *face.image, face.source);
}

void DrawFaceScaled(QPainter& painter, Surfaces& s, int code, int x, int y, int w, int h) {
  const QImage& face = s.ScaledFace(code, w, h);
  if (!face.isNull()) painter.drawImage(x, y, face);
}

void DrawCardBack(QPainter& painter, const Surfaces& s, int x, int y) {
  const QImage& back = s.CardBackShown.isNull() ? s.CardBack : s.CardBackShown;
  if (!back.isNull()) painter.drawImage(QPoint(x, y), back, QRect(0, 0, kCardWidth, kCardHeight));
}

void InvertArea(QPainter& painter, const Rect& r) {
  if (r.IsEmpty()) return;
  const QPainter::CompositionMode mode = painter.compositionMode();
  painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter.fillRect(r.ToQRect(), Qt::black);
  painter.setCompositionMode(mode);
}

void DrawBigNumber(QPainter& painter, const Surfaces& s, int value, int cx, int cy) {
  if (s.Digits.isNull() || value < 0) return;
  value = std::min(value, 99);
  const auto digit = [&](int d, int x) {
    painter.drawImage(QPoint(x, cy - kDigitSize / 2), s.Digits,
                      QRect(d * kDigitSize, 0, kDigitSize, kDigitSize));
  };
  if (value < 10) {
    digit(value, cx - kDigitSize / 2);
  } else {
    digit(value / 10, cx - kDigitSize);
    digit(value % 10, cx);
  }
}

}  // namespace tolva
