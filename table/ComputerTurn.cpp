// A computer seat's turn: the other seats' calls on the river's top card, the
// choice of action, the card's flight from the stock or the river, and the
// discard phase (TakeTurnStep) that sends the discard flying to the river.
#include "table/CTolvaView.h"

namespace tolva {

namespace {
constexpr int kFlightTicks = 7;
constexpr int kMaxExposures = 7;
}  // namespace

void CTolvaView::ComputerTurn() {
  KillFlowTimer(kTimerComputerTurn);
  const int seat = t.TurnSeat;
  if (!IsComputerSeat(seat)) return;

  // The lowest seat that calls gets the card, whatever the order of play.
  const int discarder = seat - 1;  // -1 when the human made the discard
  for (int j = 0; j < kComputerSeats; ++j) {
    if (j == discarder || t.ReachFlag[j]) continue;
    const int call = think.ChooseCall(j);
    if (call != kCallPon && call != kCallKan) continue;
    const bool pon = call == kCallPon;
    Cue(pon ? kWaveComputerPon : kWaveComputerKan, true);
    if (think.ComputerCall(j, pon ? 1 : 0) != 1) continue;
    ++tally_.calls[j];
    t.FirstRound = 0;
    t.IppatsuFlag.fill(0);
    t.TurnSeat = j;
    TakeTurnStep(false, true);
    RedrawScene(true);
    return;
  }

  switch (think.ChooseTurnAction()) {
    case kActionRon:
      t.ResultSeat = seat;
      t.ResultKind = kRon;
      t.PayerSeat = PreviousSeat(seat);
      WinOnDiscard();
      return;
    case kActionTolva: TolvaDeclared(seat); return;
    case kActionSeventy: SeventyDeclared(seat); return;
    case kActionTakeRiver:
      if (t.RiverCount > 0) {
        RiverStep = 0;
        if (!SetFlowTimer(kTimerRiverFlight, CardTick())) RiverStep = -1;
        return;
      }
      break;  // nothing to take: the seat draws instead
    default: break;
  }
  if (t.StockCount <= 0) {  // cannot happen in play: an empty stock ends the game first
    DrawnGame();
    return;
  }
  StockStep = 0;
  if (!SetFlowTimer(kTimerStockFlight, CardTick())) StockStep = -1;
}

void CTolvaView::RiverFlightTick() {
  if (++RiverStep < kFlightTicks) {
    RedrawScene(true);
    return;
  }
  RiverStep = -1;
  KillFlowTimer(kTimerRiverFlight);
  --t.RiverCount;
  t.DrawnCard = t.River[t.RiverCount];
  t.River[t.RiverCount] = kEmptySlot;
  t.RiverTakenCard = t.DrawnCard;
  TakeTurnStep(true, false);
}

void CTolvaView::StockFlightTick() {
  if (++StockStep < kFlightTicks) {
    RedrawScene(true);
    return;
  }
  StockStep = -1;
  KillFlowTimer(kTimerStockFlight);
  --t.StockCount;
  t.DrawnCard = t.Stock[t.StockCount];
  const int seat = t.TurnSeat;
  if (t.ReachFlag[seat] && OfferCard(seat, t.DrawnCard, true)) {
    Tsumo(seat);
    return;
  }
  TakeTurnStep(true, true);
}

void CTolvaView::TakeTurnStep(bool insert, bool mayDiscardDrawn) {
  const int seat = t.TurnSeat;
  if (!IsComputerSeat(seat)) return;
  t.IppatsuFlag[seat] = 0;
  if (t.ReachFlag[seat]) {
    t.DiscardCard = t.DrawnCard;  // a seat in Reach throws what it took
  } else {
    if (insert) {
      think.InsertIntoHand(seat, t.DrawnCard);
      RedrawScene(false);
    }
    if (t.StrategyMode[seat] == kModeLowHand || t.StrategyMode[seat] == kModeShedHigh) {
      for (int n = 0; n < kMaxExposures && t.HandCount[seat] > 1; ++n) {
        if (think.ExposeFromHand() == 0) break;
        Cue(kWaveComputerExposes);
      }
    }
    const int count = t.HandCount[seat];
    int slot = 0;
    if (count > 1) {
      const int reach = think.ChooseReachDiscard(seat);
      if (reach >= 0 && reach < count) {
        slot = reach;
        RedrawScene(true);
        ReachCue();
        t.ReachFlag[seat] = 1;
        t.IppatsuFlag[seat] = 1;
        --t.Purse[seat];
        ++t.PendingPool;
        StartReachCoin(seat);
      } else {
        slot = think.ChooseDiscard(t.DrawnCard, mayDiscardDrawn ? 1 : 0);
        // A plan that names no card of the hand throws the last one.
        if (slot < 0 || slot >= count) slot = count - 1;
      }
    }
    t.DiscardCard = t.Hand[seat][slot];
    think.RemoveFromHand(seat, slot);
    RedrawScene(true);
  }
  DiscardStep = 0;
  SetFlowTimer(kTimerDiscardFlight, CardTick());
}

void CTolvaView::StartReachCoin(int seat) {
  ReachAnimSeat = seat;
  ReachStep = 0;
  if (!SetFlowTimer(kTimerReachCoin, CardTick())) {
    ReachStep = -1;
    ReachAnimSeat = -1;
  }
}

void CTolvaView::ReachCoinTick() {
  if (++ReachStep > kFlightTicks - 1) {
    ReachStep = -1;
    ReachAnimSeat = -1;
    KillFlowTimer(kTimerReachCoin);
  }
  RedrawScene(true);
}

void CTolvaView::TurnPauseEnds() {
  KillFlowTimer(kTimerTurnPause);
  SetFlowTimer(kTimerComputerTurn, TurnPause());
}

}  // namespace tolva
