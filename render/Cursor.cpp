#include "render/Cursor.h"

#include <algorithm>

#include "rules/TableState.h"

namespace tolva {

int ClampCursor(int cursor, int handCount, bool inReach, bool reachPending) {
  if (handCount <= 0) return -1;
  const int last = std::min(handCount, kHandSlots) - 1;
  if (cursor < 0) cursor = last;
  if (cursor > last) cursor = 0;
  if (inReach && !reachPending) cursor = last;
  return cursor;
}

Rect CursorSpriteRect(const HitRects& hits, int slot, float scaleX, float scaleY) {
  if (slot < 0 || slot >= kHandSlots || hits.HandCardRect[slot].IsEmpty()) return {};
  const Rect& card = hits.HandCardRect[slot];
  const int x = static_cast<int>(static_cast<float>(card.left + 10) * scaleX);
  const int y = static_cast<int>(static_cast<float>(card.top - 20) * scaleY);
  return Rect::Sized(x, y, static_cast<int>(20 * scaleX), static_cast<int>(18 * scaleY));
}

void DrawCursorSprite(QPainter& device, ScaledPictures& pictures, const QRect& deviceRect) {
  if (deviceRect.isEmpty()) return;
  const QImage& sprite = pictures.Cursor(deviceRect.size());
  if (!sprite.isNull()) device.drawImage(deviceRect.topLeft(), sprite);
}

}  // namespace tolva
