#include "app/GameTimers.h"

#include <QTimer>
#include <algorithm>

namespace tolva {

GameTimers::GameTimers(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

GameTimers::~GameTimers() { KillAll(); }

bool GameTimers::Set(int id, int periodMs) {
  if (!ValidId(id)) return false;
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id] { Tick(id); });
  }
  deferred_[id] = false;
  timer->start(std::max(1, periodMs));  // restarts a running timer
  return true;
}

bool GameTimers::Kill(int id) {
  if (!ValidId(id)) return false;
  deferred_[id] = false;
  if (timers_[id] != nullptr) timers_[id]->stop();
  return true;
}

void GameTimers::KillAll() {
  for (int id = 1; id < kIdLimit; ++id) Kill(id);
}

bool GameTimers::Running(int id) const {
  return ValidId(id) && timers_[id] != nullptr && timers_[id]->isActive();
}

int GameTimers::Period(int id) const { return Running(id) ? timers_[id]->interval() : 0; }

const QTimer* GameTimers::TimerOf(int id) const { return ValidId(id) ? timers_[id] : nullptr; }

bool GameTimers::MayRun(int id) const {
  if (running_[id] || everything_ > 0) return false;
  return steps_ == 0 || IsAnimationTimer(id);
}

void GameTimers::Tick(int id) {
  if (!MayRun(id)) {
    deferred_[id] = true;
    return;
  }
  running_[id] = true;
  handler_(id);
  running_[id] = false;
  // Ticks kept out while this handler ran (its own, or others behind a hold
  // that has ended meanwhile) are due now.
  if (std::any_of(deferred_.begin(), deferred_.end(), [](bool d) { return d; })) Release();
}

void GameTimers::Release() {
  // Delivered from the event loop, not from inside the code that ended the
  // hold, so that no step runs in the middle of another.
  if (deliveryPosted_) return;
  deliveryPosted_ = true;
  QTimer::singleShot(0, this, [this] { DeliverDeferred(); });
}

void GameTimers::DeliverDeferred() {
  deliveryPosted_ = false;
  for (int id = 1; id < kIdLimit; ++id) {
    if (!deferred_[id] || !MayRun(id)) continue;
    deferred_[id] = false;
    if (Running(id)) Tick(id);
  }
}

GameTimers::Scope::Scope(GameTimers& timers, Hold hold) : timers_(timers), hold_(hold) {
  ++(hold_ == Hold::Everything ? timers_.everything_ : timers_.steps_);
}

GameTimers::Scope::~Scope() {
  --(hold_ == Hold::Everything ? timers_.everything_ : timers_.steps_);
  if (std::any_of(timers_.deferred_.begin(), timers_.deferred_.end(), [](bool d) { return d; }))
    timers_.Release();
}

}  // namespace tolva
