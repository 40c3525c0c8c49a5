// The human's discard, by mouse or by key: the refusals (the card just taken
// from the river, a card other than the drawn one in Reach), the question for
// a card that could join a meld, the river, and the test of a Reach declared
// with this discard.
#include <algorithm>

#include "table/CTolvaView.h"

namespace tolva {

void CTolvaView::KeyDiscard() {
  if (think.CountSelected() >= 2) {
    Refusal(kMsgKeyDiscardOnlyToRiver);
    return;
  }
  if (!t.HasDrawn) {
    Refusal(t.ReachFlag[kHumanSeat] ? kMsgDrawFromStockFirst : kMsgDrawOrTakeFirst);
    return;
  }
  KeepCursorInHand();
  if (t.HandCount[kHumanSeat] <= 0) return;
  HumanDiscard(DiscardSource::Key);
}

void CTolvaView::HumanDiscard(DiscardSource source) {
  const bool dragged = source == DiscardSource::Drag;
  const int slot = dragged ? t.DraggedFrom[0] : t.Cursor;
  const int card = dragged ? t.Dragged[0] : t.Hand[kHumanSeat][slot];
  const int cardsLeft = t.HandCount[kHumanSeat] - (dragged ? 0 : 1);
  // A refused discard puts a dragged card back; a card chosen by key never left.
  auto keep = [&] {
    if (dragged) ReturnDragged();
  };

  if (card == t.RiverTakenCard && cardsLeft > 0) {
    Refusal(kMsgRiverCardNotAtOnce);
    keep();
    return;
  }
  if (HumanInReach() && card != t.DrawnCard) {
    Refusal(kMsgReachOnlyStockCard);
    keep();
    return;
  }
  if (!t.ReachFlag[kHumanSeat]) {
    for (int row = 0; row < kMeldRows; ++row) {
      if (t.MeldLength[row] == 0 || think.CanAttachToMeld(row, card) != 1) continue;
      if (Ask(kMsgAskDiscardAttachable, MessageStyle::YesNo) != Answer::Yes) {
        keep();
        return;
      }
    }
  }

  if (dragged) {
    EndDrag();
  } else {
    think.RemoveFromHand(kHumanSeat, slot);
  }

  // A Reach is tested on the seven cards the discard leaves, before the card
  // reaches the river: while 30007 is open the Reach coin's flight goes on
  // redrawing the table, which must not show a discard that may come back.
  if (t.ReachPending) {
    if (think.IsReachHand(kHumanSeat) == 1) {
      t.ReachPending = 0;
    } else {
      const Answer answer = Ask(kMsgCannotReachWithThisDiscard, MessageStyle::YesNo);
      auto& hand = t.Hand[kHumanSeat];
      int& count = t.HandCount[kHumanSeat];
      // Back as the eighth card; a card dragged with the mouse to another
      // discard returns to its own slot.
      const int position = answer != Answer::Yes && dragged ? std::min(slot, count) : count;
      for (int s = count; s > position; --s) {
        hand[s] = hand[s - 1];
        t.Selected[s] = t.Selected[s - 1];
      }
      hand[position] = card;
      t.Selected[position] = 0;
      ++count;
      t.HasDrawn = 1;
      if (answer == Answer::Yes) {  // the Reach is withdrawn
        ++t.Purse[kHumanSeat];
        --t.PendingPool;
        t.ReachPending = 0;
        t.ReachFlag[kHumanSeat] = 0;
        t.IppatsuFlag[kHumanSeat] = 0;
      }
      KeepCursorInHand();
      RedrawScene(true);
      return;
    }
  }

  t.HasDrawn = 0;
  // Only a discard that stands lifts the ban on the card taken from the river:
  // a refused or withdrawn one leaves it in force.
  t.RiverTakenCard = kEmptySlot;
  LandInRiver(card);
  KeepCursorInHand();
  RedrawScene(true);
  AfterHumanDiscard();
}

}  // namespace tolva
