#include "render/PeekPicture.h"

#include "render/CardDrawing.h"
#include "render/DrawListPainter.h"
#include "table/PeekChannel.h"

namespace tolva {

namespace {
constexpr int kPeekCardStep = 30;
}  // namespace

void PaintPeek(QPainter& painter, ScaledPictures& pictures, std::span<const int> hand, int points,
               QSize client) {
  DrawList list;
  list.Fill(Rect::Sized(0, 0, client.width(), client.height()), colours::kWhite);
  for (size_t i = 0; i < hand.size(); ++i) {
    const int code = hand[i];
    if (code < 1 || code > kLargestCardCode) continue;
    DrawFace(list, code, static_cast<int>(i) * kPeekCardStep, 0);
  }
  DrawBigNumber(list, points, client.width() / 2, client.height() / 2);
  PaintList(painter, list, pictures, QImage());
}

void PaintPeek(QPainter& painter, Surfaces& s, std::span<const int> hand, int points, QSize client) {
  ScaledPictures pictures(s);
  PaintPeek(painter, pictures, hand, points, client);
}

}  // namespace tolva
