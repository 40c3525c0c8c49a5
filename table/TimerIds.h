// The ids of the game's window timers, shared by the game flow that sets them
// and the shell and simulator that run them.
#pragma once

namespace tolva {

enum TimerId : int {
  kTimerOpeningSeat = 1,
  kTimerComputerTurn = 2,
  kTimerRiverFlight = 3,
  kTimerStockFlight = 4,
  kTimerDiscardFlight = 5,
  kTimerReachCoin = 6,
  kTimerNextCity = 12,
  kTimerRoute = 13,
  kTimerTurnPause = 21,
  kTimerPeek = 98,
  kTimerStartUp = 99,
};
inline constexpr int kTimerIds = 100;  // ids are below this

// The Reach coin and the peek refresh only animate and may tick beside a step
// of the game; every other timer carries a step, one at a time.
constexpr bool IsAnimationTimer(int id) { return id == kTimerReachCoin || id == kTimerPeek; }

}  // namespace tolva
