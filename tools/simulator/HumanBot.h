// A simple player for seat 4 that acts only through the human's actions of
// the table view: pointer targets, keys and the declaration commands, exactly
// as the window would deliver them. It draws by key or by dragging the stock
// card, sometimes takes the river card, discards its highest card by key or by
// dropping it on the river, sometimes declares Reach when its hand allows, and
// sometimes Tolva with a low hand. Its questions are answered by SimHost.
#pragma once

#include <cstdint>
#include <random>

#include "table/CTolvaView.h"

namespace tolva::sim {

class HumanBot {
 public:
  HumanBot(CTolvaView& view, std::uint64_t seed) : view_(view), random_(seed) {}

  // One decision on the human's turn; each call makes progress (a draw, a
  // mark, a declaration or a discard).
  void Act();

  long long actions = 0;

 private:
  bool Chance(int oneIn) { return random_() % static_cast<unsigned>(oneIn) == 0; }
  void StartTurn();
  void MarkForPon();
  void Discard();
  int ReachDiscardSlot();  // a card whose discard leaves a Reach hand, or -1
  int HighestDiscardable();
  void TryExposure();
  void DiscardSlot(int slot);
  void MoveCursorTo(int slot);

  CTolvaView& view_;
  std::mt19937_64 random_;
  int turnOfLastExposure_ = -1;
  int turnOfLastReach_ = -1;
  int turn_ = 0;
};

}  // namespace tolva::sim
