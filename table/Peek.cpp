// Cunning mode: the game publishes the computer seats' hands in the "Cun"
// section of the store, and a peek window, a second process of the program,
// polls it and shows the seat the player chose. The two processes share
// nothing else.
#include <algorithm>
#include <span>
#include <string>

#include "table/CTolvaView.h"
#include "table/PeekChannel.h"
#include "table/SettingsSchema.h"

namespace tolva {

void CTolvaView::PublishHand(int seat) const {
  if (!IsComputerSeat(seat)) return;
  const int count = std::clamp(t.HandCount[seat], 0, kHandSlots);
  // The store leaves a value alone that already holds the text, so the
  // redraws of an unchanged hand cost no writes.
  StoredSettings().SetCunHand(seat, PeekHandText(std::span(t.Hand[seat]).first(count)));
}

void CTolvaView::StartPeek(int seat) {
  if (!IsComputerSeat(seat)) return;
  Settings settings = StoredSettings();
  // A running peek window switches to this seat at its next poll.
  settings.SetCunNow(seat);
  if (t.HandCount[seat] <= 0) return;
  if (settings.CunningView() != 0) {
    if (host_.PeekInstanceRunning()) return;
    // The peek window that set the flag ended without clearing it (it was
    // killed); it must not keep every later peek from starting.
    settings.SetCunningView(0);
  }
  if (!host_.StartPeekInstance()) {
    Inform(kMsgPeekStartFailed);
    return;
  }
  settings.SetCunningView(1);
}

void CTolvaView::StartPeekPolling() {
  if (!SetFlowTimer(kTimerPeek, kPeekPollMs)) return;
  // The hand shows as soon as the window does, not half a second later.
  PeekTick();
}

void CTolvaView::PeekTick() {
  const Settings settings = StoredSettings();
  const int seat = settings.CunNow();
  if (seat == kPeekClose) {
    KillFlowTimer(kTimerPeek);
    host_.QuitProgram();
    return;
  }
  // Any other seat than 0 to 3 has no hand text: nothing changes.
  const std::string text = settings.CunHand(seat);
  if (text == LastPeekText) return;
  LastPeekText = text;
  if (text.empty()) return;  // the picture stays as it was

  host_.SetWindowTitle(std::string(SeatName(seat)));
  const PeekHand hand = ParsePeekHand(text);
  t.Hand[0].fill(kEmptySlot);
  std::copy_n(hand.cards.begin(), hand.count, t.Hand[0].begin());
  t.HandCount[0] = hand.count;
  host_.ResizePeekWindow(PeekClientWidth(hand.count), kPeekClientHeight);
  RedrawScene(false);
}

}  // namespace tolva
