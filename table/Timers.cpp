// The game's window timers: setting and killing them by id, the record of the
// last timer set, the periods the speed options give, and the dispatch of a
// timer message to its step.
#include "table/CTolvaView.h"

namespace tolva {

namespace {
// Timers that carry a step of the game (all but the animation timers).
constexpr std::array kGameStepTimers{kTimerOpeningSeat, kTimerComputerTurn, kTimerRiverFlight,
                                     kTimerStockFlight,  kTimerDiscardFlight, kTimerTurnPause,
                                     kTimerNextCity,     kTimerRoute,         kTimerStartUp};
static_assert([] {
  for (const int id : kGameStepTimers)
    if (IsAnimationTimer(id)) return false;
  return true;
}());

bool ValidTimerId(int id) { return id > 0 && id < kTimerIds; }
}  // namespace

int CTolvaView::TurnPause() const { return (t.ManSpeed - 1) * 1000 + 1; }
int CTolvaView::CardTick() const { return (t.CardSpeed - 1) * 100 + 1; }
int CTolvaView::DiscardPause() const { return t.PonSpeed * 600; }

bool CTolvaView::SetFlowTimer(int id, int periodMs) {
  if (!ValidTimerId(id) || !host_.SetTimer(id, periodMs)) {
    lastTimer_ = {};
    host_.ShowMessage({}, kMsgTimerSetFailed, MessageStyle::Error);
    return false;
  }
  timerSet_[id] = true;
  lastTimer_ = {id, periodMs};
  return true;
}

void CTolvaView::KillFlowTimer(int id) {
  // Only a timer that is running is killed: asking the platform to kill one
  // that is not would report a failure that is none.
  if (!ValidTimerId(id) || !timerSet_[id]) return;
  timerSet_[id] = false;
  lastTimer_ = {};
  if (!host_.KillTimer(id)) host_.ShowMessage({}, kMsgTimerKillFailed, MessageStyle::Error);
}

void CTolvaView::KillLastTimer() {
  if (lastTimer_.id != 0) KillFlowTimer(lastTimer_.id);
}

void CTolvaView::KillGameTimers() {
  for (const int id : kGameStepTimers) KillFlowTimer(id);
  KillFlowTimer(kTimerReachCoin);
  RiverStep = StockStep = DiscardStep = ReachStep = -1;
  ReachAnimSeat = -1;
}

bool CTolvaView::TimerRunning(int id) const { return ValidTimerId(id) && timerSet_[id]; }

bool CTolvaView::GameTimerPending() const {
  for (const int id : kGameStepTimers)
    if (timerSet_[id]) return true;
  return false;
}

void CTolvaView::ClearLastTimerRecord() { lastTimer_ = {}; }

void CTolvaView::OnTimer(int id) {
  // A tick of a timer the game has killed (or never set) is stale: the step
  // it stood for is over.
  if (!TimerRunning(id)) return;
  switch (id) {
    case kTimerStartUp: StartUpStep(); break;
    case kTimerOpeningSeat: OpeningSeatTick(); break;
    case kTimerComputerTurn: ComputerTurn(); break;
    case kTimerRiverFlight: RiverFlightTick(); break;
    case kTimerStockFlight: StockFlightTick(); break;
    case kTimerDiscardFlight: DiscardLands(); break;
    case kTimerReachCoin: ReachCoinTick(); break;
    case kTimerTurnPause: TurnPauseEnds(); break;
    case kTimerNextCity: NextCity(); break;
    case kTimerRoute: RouteTick(); break;
    case kTimerPeek: PeekTick(); break;
    default: break;
  }
}

}  // namespace tolva
