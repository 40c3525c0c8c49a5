// The game's window timers by id: one periodic precise QTimer per id, whose
// ticks call the handler (the table view's OnTimer). A period of 1 ms stays
// 1 ms; setting an id that runs restarts it with the new period.
//
// The game is one thread and its steps must not run inside one another. While
// a hold is in force, the ticks it keeps out are remembered and delivered once
// the last hold ends (if the timer still runs); nothing is lost and nothing
// re-enters:
//   - Hold::Everything for the blocking waits (blinks, sounds played to their
//     end, the hand flash): the game stands still, as a sleeping thread would;
//   - Hold::Steps for modal message boxes and dialogs: the game's steps wait
//     for the answer; only the animations (the Reach coin, timer 6, and the
//     peek refresh, timer 98) go on.
// A tick never runs while the handler for the same id is still on the stack.
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "table/TimerIds.h"

class QTimer;

namespace tolva {

class GameTimers : public QObject {
 public:
  using Handler = std::function<void(int id)>;
  static constexpr int kIdLimit = kTimerIds;

  explicit GameTimers(Handler handler, QObject* parent = nullptr);
  ~GameTimers() override;

  // False for an id outside 1 .. 99. A period below 1 ms runs at 1 ms.
  bool Set(int id, int periodMs);
  // Stops the timer; a tick it still owes is forgotten. False for a bad id.
  bool Kill(int id);
  void KillAll();
  bool Running(int id) const;
  int Period(int id) const;  // 0 when not running
  const QTimer* TimerOf(int id) const;  // for tests

  enum class Hold { Everything, Steps };
  // Keeps ticks out while it lives.
  class Scope {
   public:
    Scope(GameTimers& timers, Hold hold);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    GameTimers& timers_;
    Hold hold_;
  };

 private:
  static bool ValidId(int id) { return id > 0 && id < kIdLimit; }
  bool MayRun(int id) const;
  void Tick(int id);
  void Release();
  void DeliverDeferred();

  Handler handler_;
  std::array<QTimer*, kIdLimit> timers_{};
  std::array<bool, kIdLimit> deferred_{};
  std::array<bool, kIdLimit> running_{};  // the handler for the id is on the stack
  int everything_ = 0;
  int steps_ = 0;
  bool deliveryPosted_ = false;
};

}  // namespace tolva
