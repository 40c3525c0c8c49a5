// What happens when a discard reaches the river: the Reach wins, the Ron, going
// out, the human's Pon or Kan, then the next seat or the drawn game. The order
// of these tests is the heart of the rules of play.
#include "rules/MeldRows.h"
#include "table/CTolvaView.h"

namespace tolva {

namespace {
constexpr int kFlightTicks = 7;
}  // namespace

void CTolvaView::LandInRiver(int card) {
  t.River[t.RiverCount++] = card;
  ++tally_.turns;
  Cue(kWaveDiscardLands);
}

void CTolvaView::HumanCalls(int ponFlag) {
  const int riverBefore = t.RiverCount;
  think.HumanCall(ponFlag);
  if (t.RiverCount < riverBefore) ++tally_.calls[kHumanSeat];  // the call took the card
}

bool CTolvaView::OfferCard(int seat, int card, bool keepOnWin) {
  int& count = t.HandCount[seat];
  if (count < 0 || count >= kHandSlots) return false;
  t.Hand[seat][count] = card;  // the slot keeps the card until overwritten
  ++count;
  const bool wins = think.IsWinningHand(seat) == 1;
  if (wins && keepOnWin) {
    // A computer hand stays sorted: the winning card goes to its place.
    if (seat != kHumanSeat) {
      --count;
      think.InsertIntoHand(seat, card);
    }
    return true;
  }
  --count;
  return wins;
}

// The seats in Reach, in order of play from the one after the discarder, may
// win on the discard; the human in Reach is not asked.
bool CTolvaView::ReachWinOnDiscard(int discarder, int card) {
  for (int seat = NextSeat(discarder); seat != discarder; seat = NextSeat(seat)) {
    if (!t.ReachFlag[seat] || !OfferCard(seat, card, false)) continue;
    t.ResultSeat = seat;
    t.ResultKind = kReachWin;
    t.PayerSeat = discarder;
    WinOnDiscard();
    return true;
  }
  return false;
}

// The human's Pon or Kan on a computer's discard. True when the step ends here
// (he called, or chooses the cards for his Pon).
bool CTolvaView::HumanCallOnDiscard(int card) {
  // Without a free row a call cannot be laid, so none is offered.
  if (t.ReachFlag[kHumanSeat] || FirstFreeMeldRow(t) < 0) return false;
  int ponFlag = -1;
  switch (think.CountForCall(kHumanSeat, card)) {
    case 1:
      if (Ask(kMsgAskPon, MessageStyle::YesNo) == Answer::Yes) ponFlag = 1;
      break;
    case 2:
      switch (Ask(kMsgAskKan, MessageStyle::YesNoCancel)) {
        case Answer::Yes: ponFlag = 0; break;
        case Answer::No:
          // A Pon with two of his three cards, chosen by marking them.
          t.FirstRound = 0;
          t.IppatsuFlag.fill(0);
          Inform(kMsgChooseTwoPonCards);
          t.PonSelect = 1;
          t.TurnSeat = kHumanSeat;
          ClearMarks();
          RedrawScene(true);
          return true;
        default: break;
      }
      break;
    default: break;
  }
  if (ponFlag < 0) return false;
  t.IppatsuFlag.fill(0);
  t.FirstRound = 0;
  HumanCalls(ponFlag);
  t.HasDrawn = 1;
  t.TurnSeat = kHumanSeat;
  KeepCursorInHand();
  RedrawScene(true);
  return true;
}

void CTolvaView::DiscardLands() {
  if (++DiscardStep < kFlightTicks) {
    RedrawScene(true);
    return;
  }
  const int discarder = t.TurnSeat;
  const int card = t.DiscardCard;
  LandInRiver(card);
  DiscardStep = -1;
  KillFlowTimer(kTimerDiscardFlight);

  if (ReachWinOnDiscard(discarder, card)) return;
  if (discarder == 3 && t.HandCount[kHumanSeat] == kDealtCards &&
      OfferCard(kHumanSeat, card, false) &&
      Ask(kMsgAskRon, MessageStyle::YesNo) == Answer::Yes) {
    t.ResultSeat = kHumanSeat;
    t.ResultKind = kRon;
    t.PayerSeat = 3;
    WinOnDiscard();
    return;
  }
  if (t.HandCount[discarder] == 0) {
    WentOut(discarder);
    return;
  }
  if (HumanCallOnDiscard(card)) return;

  if (t.StockCount == 0) {
    DrawnGame();
    return;
  }
  t.TurnSeat = NextSeat(t.TurnSeat);
  if (t.FirstRound && t.TurnSeat == t.ResultSeat) t.FirstRound = 0;
  if (t.TurnSeat == kHumanSeat) {
    t.HasDrawn = 0;
    KeepCursorInHand();
  } else {
    SetFlowTimer(kTimerTurnPause, DiscardPause());
  }
  RedrawScene(true);
}

void CTolvaView::AfterHumanDiscard() {
  const int card = t.River[t.RiverCount - 1];
  for (int seat = 0; seat < kComputerSeats; ++seat) {
    if (!t.ReachFlag[seat] || !OfferCard(seat, card, false)) continue;
    t.ResultSeat = seat;
    t.ResultKind = kReachWin;
    t.PayerSeat = kHumanSeat;
    WinOnDiscard();
    return;
  }
  // Seat 0 comes next and wins on the human's discard at once.
  if (t.HandCount[0] == kDealtCards && OfferCard(0, card, false)) {
    t.ResultSeat = 0;
    t.ResultKind = kRon;
    t.PayerSeat = kHumanSeat;
    WinOnDiscard();
    return;
  }
  if (t.StockCount == 0) {
    DrawnGame();
    return;
  }
  if (t.HandCount[kHumanSeat] == 0) {
    WentOut(kHumanSeat);
    return;
  }
  t.HasDrawn = 0;
  t.TurnSeat = 0;
  if (t.FirstRound && t.ResultSeat == 0) t.FirstRound = 0;
  SetFlowTimer(kTimerComputerTurn, TurnPause());
  // Seat 0's plate lights for the turn pause, which may last seconds.
  RedrawScene(false);
}

}  // namespace tolva
