// The human's declarations (the declaration menu, F9 and F10) and the Reach
// cue that every Reach plays.
#include "table/CTolvaView.h"

namespace tolva {

namespace {
constexpr int kReachBadgeFirst = 169;
constexpr int kReachBadgeSecond = 168;
constexpr int kSeventyPoints = 70;
}  // namespace

bool CTolvaView::DeclarationAllowed(Declaration which) const {
  if (!HumansTurn() || Dragging != DragKind::None) return false;
  if (t.PonSelect || t.ReachPending || t.ReachFlag[kHumanSeat]) return false;
  switch (which) {
    case Declaration::Reach: return t.HasDrawn && t.HandCount[kHumanSeat] == kHandSlots;
    case Declaration::Tolva: return !t.HasDrawn;
    case Declaration::Seventy: return !t.HasDrawn && t.HandCount[kHumanSeat] == kDealtCards;
  }
  return false;
}

void CTolvaView::DeclareReach() {
  if (resultShowing_) return;  // the game is over; the next one has not begun
  if (!DeclarationAllowed(Declaration::Reach)) {
    Refusal(kMsgReachAfterDrawOnly);
    return;
  }
  if (t.StockCount == 0) {
    Refusal(kMsgStockEmptyNoReach);
    return;
  }
  ReachCue();
  --t.Purse[kHumanSeat];
  ++t.PendingPool;
  t.ReachPending = 1;
  t.ReachFlag[kHumanSeat] = 1;
  t.IppatsuFlag[kHumanSeat] = 1;
  ClearMarks();
  StartReachCoin(kHumanSeat);
  RedrawScene(true);
}

void CTolvaView::DeclareTolva() {
  if (resultShowing_) return;  // the game is over; the next one has not begun
  if (!DeclarationAllowed(Declaration::Tolva)) {
    Refusal(kMsgCannotDeclareNow);
    return;
  }
  TolvaDeclared(kHumanSeat);
}

void CTolvaView::DeclareSeventy() {
  if (resultShowing_) return;  // the game is over; the next one has not begun
  if (!DeclarationAllowed(Declaration::Seventy)) {
    Refusal(kMsgCannotDeclareNow);
    return;
  }
  if (think.HandPoints(kHumanSeat) != kSeventyPoints) {
    Refusal(kMsgNotSeventyPoints);
    return;
  }
  SeventyDeclared(kHumanSeat);
}

void CTolvaView::ReachCue() {
  Cue(kWaveReach, true);
  if (CunningMode) {
    // The badge shows whatever the sound option; only the waves follow it.
    host_.ShowReachBadge(kReachBadgeFirst);
    Cue(kWaveReachSecond, true);
    host_.ShowReachBadge(kReachBadgeSecond);
    Cue(kWaveReachSecond, true);
    host_.ShowReachBadge(0);
  } else {
    Cue(kWaveReachSecond, true);
  }
}

}  // namespace tolva
