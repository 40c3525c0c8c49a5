#include "render/CardDrawing.h"

#include <algorithm>

#include "rules/Card.h"

namespace tolva {

namespace {

bool HasFace(int code) { return IsOrdinary(code) || IsJoker(code); }

}  // namespace

void DrawFace(DrawList& list, int code, int x, int y) {
  DrawFaceScaled(list, code, x, y, kCardWidth, kCardHeight);
}

void DrawFaceScaled(DrawList& list, int code, int x, int y, int w, int h) {
  // Every joker shows the one joker picture.
  if (HasFace(code)) list.Picture({PictureKind::Face, IsJoker(code) ? 53 : code}, Rect::Sized(x, y, w, h));
}

void DrawCardBack(DrawList& list, int x, int y) {
  list.Picture({PictureKind::CardBack, 0}, Rect::Sized(x, y, kCardWidth, kCardHeight));
}

void DrawBigNumber(DrawList& list, int value, int cx, int cy) {
  if (value < 0) return;
  value = std::min(value, 99);
  const auto digit = [&](int d, int x) {
    list.Picture({PictureKind::Digit, d}, Rect::Sized(x, cy - kDigitSize / 2, kDigitSize, kDigitSize));
  };
  if (value < 10) {
    digit(value, cx - kDigitSize / 2);
  } else {
    digit(value / 10, cx - kDigitSize);
    digit(value % 10, cx);
  }
}

}  // namespace tolva
