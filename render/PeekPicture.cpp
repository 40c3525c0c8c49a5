#include "render/PeekPicture.h"

#include "render/CardDrawing.h"
#include "table/PeekChannel.h"

namespace tolva {

namespace {
constexpr int kPeekCardStep = 30;
}  // namespace

void PaintPeek(QPainter& painter, const Surfaces& s, std::span<const int> hand, int points,
               QSize client) {
  painter.fillRect(QRect(QPoint(0, 0), client), Qt::white);
  for (size_t i = 0; i < hand.size(); ++i) {
    const int code = hand[i];
    if (code < 1 || code > kLargestCardCode) continue;
    DrawFace(painter, s, code, static_cast<int>(i) * kPeekCardStep, 0);
  }
  DrawBigNumber(painter, s, points, client.width() / 2, client.height() / 2);
}

}  // namespace tolva
