// The human's pointer: pressing on his cards, the stock, the river or the
// icons, dragging, and dropping on his hand, a meld row or the river; the right
// button marks cards (also the two cards of a Pon).
#include <algorithm>

#include "table/CTolvaView.h"
#include "table/SettingsSchema.h"
#include "table/ViewAngle.h"

namespace tolva {

namespace {
constexpr int kMaxMarks = 3;
constexpr int kPonMarks = 2;

void InsertIntoHumanHand(TableState& t, int position, int card) {
  auto& hand = t.Hand[kHumanSeat];
  int& count = t.HandCount[kHumanSeat];
  position = std::clamp(position, 0, count);
  for (int slot = count; slot > position; --slot) {
    hand[slot] = hand[slot - 1];
    t.Selected[slot] = t.Selected[slot - 1];
  }
  hand[position] = card;
  t.Selected[position] = 0;
  ++count;
}
}  // namespace

bool CTolvaView::HumansTurn() const {
  return TableActive && !Initialising && !MapShown && !ChoiceShown && !resultShowing_ &&
         t.TurnSeat == kHumanSeat;
}

bool CTolvaView::HumanInReach() const { return t.ReachFlag[kHumanSeat] && !t.ReachPending; }

void CTolvaView::ClearMarks() { t.Selected.fill(0); }

void CTolvaView::LeftPress(PointerTarget target) {
  if (MapShown) return;
  SkipEffect = 1;
  if (!TableActive) return;
  if (target.kind == TargetKind::Icon) {
    if (target.index == kIconAngleUp) AngleUp();
    if (target.index == kIconAngleDown) AngleDown();
    return;  // the menu icons act on the release
  }
  if (!HumansTurn() || Dragging != DragKind::None) return;

  const int count = t.HandCount[kHumanSeat];
  switch (target.kind) {
    case TargetKind::HandCard:
      if (target.index >= 0 && target.index < count) {
        PickUpHandCards(target.index);
        return;
      }
      break;
    case TargetKind::Stock:
      if (RefusedAsDrawn()) return;
      // A Pon selection is finished or cancelled first; then his turn goes on.
      if (!t.PonSelect && t.StockCount > 0) {
        --t.StockCount;
        t.Dragged[0] = t.Stock[t.StockCount];
        t.DraggedFrom[0] = kEmptySlot;
        t.DraggedCount = 1;
        Dragging = DragKind::StockCard;
        StockCardFaceDown = 1;
        StockCardTurnedUp = 0;
        if (t.StockCount == 0) RedrawScene(true);
      }
      return;
    case TargetKind::River:
      if (RefusedAsDrawn()) return;
      if (!t.PonSelect && !t.ReachFlag[kHumanSeat] && t.RiverCount > 0) {
        --t.RiverCount;
        t.Dragged[0] = t.River[t.RiverCount];
        t.River[t.RiverCount] = kEmptySlot;
        t.DraggedFrom[0] = kEmptySlot;
        t.DraggedCount = 1;
        Dragging = DragKind::RiverCard;
        RedrawScene(true);
      }
      return;
    case TargetKind::SeatPlace0:
    case TargetKind::SeatPlace3:
      if (ComputerHandsFaceUp()) {
        PeekOnPress[target.kind == TargetKind::SeatPlace0 ? 0 : 1] = 1;
        RedrawScene(false);
        return;
      }
      break;
    default: break;
  }
  if (std::any_of(t.Selected.begin(), t.Selected.end(), [](int mark) { return mark != 0; })) {
    ClearMarks();
    RedrawScene(false);
  }
}

void CTolvaView::PickUpHandCards(int slot) {
  std::array<int, kHandSlots> slots{};
  int n = 0;
  if (t.Selected[slot]) {
    for (int s = 0; s < t.HandCount[kHumanSeat]; ++s)
      if (t.Selected[s]) slots[n++] = s;
  } else if (think.CountSelected() > 0) {
    Cue(kWaveRefused);
    Inform(kMsgOnlySelectedCards);
    return;
  } else {
    slots[n++] = slot;
  }
  for (int k = 0; k < n; ++k) {
    t.Dragged[k] = t.Hand[kHumanSeat][slots[k]];
    t.DraggedFrom[k] = slots[k];
  }
  t.DraggedCount = n;
  for (int k = n - 1; k >= 0; --k) think.RemoveFromHand(kHumanSeat, slots[k]);
  Dragging = DragKind::HandCards;
  RedrawScene(false);
}

void CTolvaView::DragMove(PointerTarget target) {
  const bool inHandArea =
      target.kind == TargetKind::HandCard || target.kind == TargetKind::HandArea;
  if (Dragging != DragKind::StockCard || !StockCardFaceDown || !inHandArea) return;
  // The stock card turns up and becomes a hand card being dragged, as if
  // picked up from the slot after his last card.
  const int card = t.Dragged[0];
  StockCardFaceDown = 0;
  StockCardTurnedUp = 1;
  Dragging = DragKind::HandCards;
  t.DraggedFrom[0] = t.HandCount[kHumanSeat];
  t.DrawnCard = card;
  t.HasDrawn = 1;
  if (t.ReachFlag[kHumanSeat]) {
    if (OfferCard(kHumanSeat, card, true)) {
      EndDrag();  // the card now lies in his hand
      Tsumo(kHumanSeat);  // in Reach a win is taken without a question
      return;
    }
    t.IppatsuFlag[kHumanSeat] = 0;
  }
  RedrawScene(false);
}

void CTolvaView::LeftRelease(PointerTarget target) {
  if (MapShown) return;
  if (PeekOnPress[0] || PeekOnPress[1]) {
    PeekOnPress.fill(0);
    RedrawScene(false);
  }
  // The drag is settled before any menu opens, so that no command runs while
  // cards are in the air.
  switch (Dragging) {
    case DragKind::StockCard:
      ReturnDragged();  // still face down: back onto the stock
      break;
    case DragKind::RiverCard:
      if (target.kind == TargetKind::HandCard && target.index >= 0 &&
          target.index < t.HandCount[kHumanSeat]) {
        const int card = t.Dragged[0];
        InsertIntoHumanHand(t, target.index + 1, card);
        EndDrag();
        t.RiverTakenCard = card;
        t.DrawnCard = card;
        t.HasDrawn = 1;
        KeepCursorInHand();
        RedrawScene(true);
      } else {
        ReturnDragged();
      }
      break;
    case DragKind::HandCards: DropHandCards(target); break;
    case DragKind::None: break;
  }
  if (target.kind == TargetKind::Icon) {
    switch (target.index) {
      case kIconStartMenu: host_.ShowCommandMenu(kMenuStart); break;
      case kIconSettingsMenu: host_.ShowCommandMenu(kMenuSettings); break;
      case kIconHelpMenu: host_.ShowCommandMenu(kMenuHelp); break;
      case kIconDeclarationMenu:
        if (TableActive) host_.ShowCommandMenu(kMenuDeclarations);
        break;
      default: break;
    }
  }
}

void CTolvaView::DropHandCards(PointerTarget target) {
  const int n = t.DraggedCount;
  const bool onHandCard = target.kind == TargetKind::HandCard && target.index >= 0 &&
                          target.index < t.HandCount[kHumanSeat];
  if (HumanInReach() && StockCardTurnedUp) {
    HumanDiscard(DiscardSource::Drag);  // in Reach the drawn card goes wherever it is let go
    return;
  }
  if (onHandCard) {
    InsertDragged(target.index);
    RedrawScene(false);
    TsumoCheckAfterDrop();
    return;
  }
  if (t.ReachPending) {
    if (target.kind == TargetKind::River && n == 1) {
      HumanDiscard(DiscardSource::Drag);
    } else {
      ReturnDragged();
    }
    return;
  }
  if (!t.HasDrawn) {
    Refusal(t.ReachFlag[kHumanSeat] ? kMsgDrawFromStockFirst : kMsgDrawOrTakeFirst);
    ReturnDragged();
    return;
  }
  if (target.kind == TargetKind::MeldRow && target.index >= 0 && target.index < kMeldRows) {
    if (think.CheckExposeCount(target.index, n) == 1 &&
        think.ExposeSelection(target.index, n) == 1) {
      ClearMarks();
      EndDrag();
      KeepCursorInHand();
      RedrawScene(true);
    } else {
      ReturnDragged();
    }
    return;
  }
  if (target.kind == TargetKind::River || target.kind == TargetKind::RiverNeighbourhood) {
    if (n == 1) {
      HumanDiscard(DiscardSource::Drag);
    } else {
      ReturnDragged();
    }
    return;
  }
  ReturnDragged();
}

void CTolvaView::InsertDragged(int afterSlot) {
  for (int k = 0; k < t.DraggedCount; ++k) InsertIntoHumanHand(t, afterSlot + 1 + k, t.Dragged[k]);
  EndDrag();
  KeepCursorInHand();
}

void CTolvaView::TsumoCheckAfterDrop() {
  if (TsumoOnEightCards()) return;
  t.IppatsuFlag[kHumanSeat] = 0;
}

// An eight-card hand that wins ends the game as Tsumo: at once in Reach, else
// when the human says so. True when the game ended.
bool CTolvaView::TsumoOnEightCards() {
  if (t.HandCount[kHumanSeat] != kHandSlots || think.IsWinningHand(kHumanSeat) != 1) return false;
  if (!t.ReachFlag[kHumanSeat] && Ask(kMsgAskTsumo, MessageStyle::YesNo) != Answer::Yes)
    return false;
  Tsumo(kHumanSeat);
  return true;
}

void CTolvaView::ReturnDragged() {
  const bool pileChanged = Dragging != DragKind::HandCards;
  switch (Dragging) {
    case DragKind::StockCard:
      if (t.DraggedCount > 0) t.Stock[t.StockCount++] = t.Dragged[0];
      break;
    case DragKind::RiverCard:
      if (t.DraggedCount > 0) t.River[t.RiverCount++] = t.Dragged[0];
      break;
    case DragKind::HandCards:
      // Picked up in slot order, so putting each back at its old slot in the
      // same order rebuilds the hand.
      for (int k = 0; k < t.DraggedCount; ++k)
        InsertIntoHumanHand(t, t.DraggedFrom[k], t.Dragged[k]);
      break;
    case DragKind::None: break;
  }
  EndDrag();
  KeepCursorInHand();
  RedrawScene(pileChanged);
}

void CTolvaView::EndDrag() {
  t.DraggedCount = 0;
  Dragging = DragKind::None;
  StockCardFaceDown = 0;
  StockCardTurnedUp = 0;
}

void CTolvaView::RightPress(PointerTarget target) {
  if (MapShown || !TableActive || resultShowing_) return;
  if (target.kind != TargetKind::HandCard || target.index < 0 ||
      target.index >= t.HandCount[kHumanSeat])
    return;
  ToggleMark(target.index);
}

void CTolvaView::ToggleMark(int slot) {
  Cue(kWaveMarkToggle);
  if (t.Selected[slot]) {
    t.Selected[slot] = 0;
  } else if (t.PonSelect && t.RiverCount > 0) {
    const int top = t.River[t.RiverCount - 1];
    const int card = t.Hand[kHumanSeat][slot];
    if (!IsJoker(card) && RankOf(card) == RankOf(top) && think.CountSelected() < kPonMarks) {
      t.Selected[slot] = 1;
      if (think.CountSelected() == kPonMarks) {
        RedrawScene(false);
        AskPonWithSelection();
      }
    }
  } else if (!t.ReachPending && think.CountSelected() < kMaxMarks) {
    t.Selected[slot] = 1;
  }
  RedrawScene(false);
}

void CTolvaView::AskPonWithSelection() {
  switch (Ask(kMsgAskPonWithSelection, MessageStyle::YesNoCancel)) {
    case Answer::Yes:
      HumanCalls(1);  // takes the marked cards while PonSelect is still set
      t.HasDrawn = 1;
      t.PonSelect = 0;
      ClearMarks();
      KeepCursorInHand();
      RedrawScene(true);
      break;
    case Answer::No: ClearMarks(); break;  // he chooses again
    default:
      ClearMarks();
      t.PonSelect = 0;
      if (lastTimer_.id != 0) SetFlowTimer(lastTimer_.id, lastTimer_.periodMs);
      break;
  }
}

void CTolvaView::AngleUp() {
  if (!TableActive || ViewAngle >= kMaxViewAngle) return;
  ViewAngle = std::clamp<double>(ViewAngle + 1, kMinViewAngle, kMaxViewAngle);
  StoredSettings().SetKakudo(static_cast<int>(ViewAngle));
  RedrawScene(true);
}

void CTolvaView::AngleDown() {
  if (!TableActive || ViewAngle <= kMinViewAngle) return;
  ViewAngle = std::clamp<double>(ViewAngle - 1, kMinViewAngle, kMaxViewAngle);
  StoredSettings().SetKakudo(static_cast<int>(ViewAngle));
  RedrawScene(true);
}

}  // namespace tolva
