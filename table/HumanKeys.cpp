// The hand keys (discard, cursor, mark), and drawing from the stock (F7) and
// taking the river's top card (F8) by key. While the world map is shown the
// keys belong to the map. A second card in one turn (after a draw, the river
// card or a call) is refused with a reminder that a discard is due.
#include <algorithm>
#include <utility>

#include "table/CTolvaView.h"

namespace tolva {

void CTolvaView::Key(HumanKey key, bool ctrl) {
  if (!TableActive) return;
  if (MapShown) {
    switch (key) {
      case HumanKey::Backspace:
      case HumanKey::Escape:
      case HumanKey::Enter:
      case HumanKey::Space: ToggleMap(); break;
      case HumanKey::Digit1: SetMapZoom(1); break;
      case HumanKey::Digit2: SetMapZoom(2); break;
      case HumanKey::Digit3: SetMapZoom(3); break;
      default: break;
    }
    return;
  }
  if (!HumansTurn() || Dragging != DragKind::None) return;
  switch (key) {
    case HumanKey::Up:
    case HumanKey::Enter:
    case HumanKey::Space: KeyDiscard(); break;
    case HumanKey::Left: MoveCursor(-1, ctrl); break;
    case HumanKey::Right: MoveCursor(+1, ctrl); break;
    case HumanKey::Down:
      KeepCursorInHand();
      if (t.HandCount[kHumanSeat] > 0) ToggleMark(t.Cursor);
      break;
    default: break;
  }
}

// The cursor wraps; with Ctrl the card under it changes places with its
// neighbour (nothing moves at either end). In Reach the cursor stays on the
// drawn card. The window repaints the cursor sprite itself after a key, so a
// plain move needs no recomposition.
void CTolvaView::MoveCursor(int delta, bool ctrl) {
  const int n = t.HandCount[kHumanSeat];
  if (n <= 0) return;
  KeepCursorInHand();
  if (HumanInReach()) return;
  if (!ctrl) {
    t.Cursor = (t.Cursor + delta + n) % n;
    Cue(kWaveCursorMove);
    return;
  }
  const int other = t.Cursor + delta;
  if (other < 0 || other >= n) return;
  std::swap(t.Hand[kHumanSeat][t.Cursor], t.Hand[kHumanSeat][other]);
  std::swap(t.Selected[t.Cursor], t.Selected[other]);
  t.Cursor = other;
  Cue(kWaveCursorMove);
  RedrawScene(false);
}

void CTolvaView::KeepCursorInHand() {
  const int n = t.HandCount[kHumanSeat];
  if (n <= 0) {
    t.Cursor = 0;
  } else if (HumanInReach()) {
    t.Cursor = n - 1;
  } else {
    t.Cursor = std::clamp(t.Cursor, 0, n - 1);
  }
}

bool CTolvaView::RefusedAsDrawn() {
  if (!t.HasDrawn) return false;
  Refusal(kMsgDiscardDue);
  return true;
}

void CTolvaView::DrawFromStock() {
  if (resultShowing_) return;  // the game is over; the next one has not begun
  if (!TableActive || MapShown) return;
  if (HumansTurn() && Dragging == DragKind::None && RefusedAsDrawn()) return;
  if (!HumansTurn() || Dragging != DragKind::None || t.HasDrawn || t.PonSelect ||
      t.StockCount <= 0 || t.HandCount[kHumanSeat] >= kHandSlots) {
    Refusal();
    return;
  }
  const int card = t.Stock[--t.StockCount];
  const int slot = t.HandCount[kHumanSeat]++;
  t.Hand[kHumanSeat][slot] = card;
  t.Selected[slot] = 0;
  t.DrawnCard = card;
  t.Cursor = slot;
  Cue(kWaveKeyDraw);
  RedrawScene(true);
  if (TsumoOnEightCards()) return;
  t.IppatsuFlag[kHumanSeat] = 0;
  // A key draw of the last card ends the game at once, before any discard.
  if (t.StockCount == 0) {
    DrawnGame();
    return;
  }
  t.HasDrawn = 1;
}

void CTolvaView::TakeFromRiver() {
  if (resultShowing_) return;  // the game is over; the next one has not begun
  if (!TableActive || MapShown) return;
  if (HumansTurn() && Dragging == DragKind::None && RefusedAsDrawn()) return;
  if (!HumansTurn() || Dragging != DragKind::None || t.HasDrawn || t.PonSelect ||
      t.ReachFlag[kHumanSeat] || t.RiverCount <= 0 || t.HandCount[kHumanSeat] >= kHandSlots) {
    Refusal();
    return;
  }
  const int card = t.River[--t.RiverCount];
  t.River[t.RiverCount] = kEmptySlot;
  const int slot = t.HandCount[kHumanSeat]++;
  t.Hand[kHumanSeat][slot] = card;
  t.Selected[slot] = 0;
  t.RiverTakenCard = card;
  t.DrawnCard = card;
  t.Cursor = slot;
  Cue(kWaveKeyDraw);
  RedrawScene(true);
  t.HasDrawn = 1;
}

}  // namespace tolva
