#include "app/PointerTargets.h"

#include <algorithm>
#include <cmath>

#include "render/Geometry.h"
#include "render/Hands.h"
#include "rules/TableState.h"

namespace tolva {

namespace {

bool Inside(const Rect& r, QPointF p) {
  // Canvas points are fractional after the division; a pixel's whole square
  // belongs to it.
  return r.Contains(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

int IconAt(QPointF p) {
  for (int i = 0; i < static_cast<int>(kButtonRect.size()); ++i)
    if (Inside(kButtonRect[i], p)) return i;
  return -1;
}

int HandCardAt(const HitRects& hits, int handCount, QPointF p) {
  const int n = std::clamp(handCount, 0, static_cast<int>(hits.HandCardRect.size()));
  for (int i = 0; i < n; ++i)
    if (Inside(hits.HandCardRect[i], p)) return i;
  return -1;
}

int MeldRowAt(const HitRects& hits, QPointF p) {
  for (int row = 0; row < static_cast<int>(hits.MeldHitRect.size()); ++row)
    if (Inside(hits.MeldHitRect[row], p)) return row;
  return -1;
}

}  // namespace

QPointF WindowToCanvas(QPoint window, float scaleX, float scaleY) {
  if (scaleX <= 0 || scaleY <= 0) return {-1, -1};
  return {window.x() / static_cast<double>(scaleX), window.y() / static_cast<double>(scaleY)};
}

Rect RiverNeighbourhood(const Rect& river) {
  if (river.IsEmpty()) return {};
  const int w = river.Width();
  const int h = river.Height();
  return Rect{river.left - w / 2, river.top - h / 2, river.right + w / 6, river.bottom + h / 2};
}

Rect HumanHandArea(const HitRects& hits, const PointerContext& context) {
  const Rect first = HumanCardPlace(kHandSlots, 0, context.viewAngle);
  Rect area{first.left, first.top, first.left + 40 * (kHandSlots - 1) + kCardWidth, first.bottom};
  const Rect& hand = hits.SeatHandRect[kHumanSeat];
  if (context.handCount > 0 && !hand.IsEmpty()) {
    area.left = std::min(area.left, hand.left);
    area.top = std::min(area.top, hand.top);
    area.right = std::max(area.right, hand.right);
    area.bottom = std::max(area.bottom, hand.bottom);
  }
  return area;
}

PointerTarget TargetAt(const HitRects& hits, const PointerContext& context, QPointF canvas,
                       Gesture gesture) {
  if (const int icon = IconAt(canvas); icon >= 0) return PointerTarget::Icon(icon);
  if (const int card = HandCardAt(hits, context.handCount, canvas); card >= 0)
    return PointerTarget::HandCard(card);
  const bool inHandArea = Inside(HumanHandArea(hits, context), canvas);
  if (gesture == Gesture::Move && inHandArea) return PointerTarget::HandArea();

  const bool onSeat0 = Inside(hits.SeatHandRect[0], canvas);
  const bool onSeat3 = Inside(hits.SeatHandRect[3], canvas);
  if (gesture == Gesture::Press) {
    if (Inside(hits.StockRect, canvas)) return PointerTarget::Stock();
    if (Inside(hits.RiverRect, canvas)) return PointerTarget::River();
    if (context.seatHandsFaceUp && onSeat0) return PointerTarget::SeatPlace0();
    if (context.seatHandsFaceUp && onSeat3) return PointerTarget::SeatPlace3();
  } else {
    if (Inside(hits.RiverRect, canvas)) return PointerTarget::River();
    if (Inside(RiverNeighbourhood(hits.RiverRect), canvas))
      return PointerTarget::RiverNeighbourhood();
  }
  // The rows the human's hand leaves uncovered take drops, also where the
  // place of a longer hand would reach over them.
  if (const int row = MeldRowAt(hits, canvas); row >= 0) return PointerTarget::MeldRow(row);
  if (Inside(hits.StockRect, canvas)) return PointerTarget::Stock();
  if (onSeat0) return PointerTarget::SeatPlace0();
  if (onSeat3) return PointerTarget::SeatPlace3();
  if (inHandArea) return PointerTarget::HandArea();
  return PointerTarget::Elsewhere();
}

bool ShowsHandPointer(const PointerTarget& target, bool tableActive) {
  switch (target.kind) {
    case TargetKind::Icon: return target.index < kIconAngleUp || tableActive;
    case TargetKind::MeldRow:
    case TargetKind::Stock:
    case TargetKind::River:
    case TargetKind::HandCard: return tableActive;
    default: return false;
  }
}

}  // namespace tolva
