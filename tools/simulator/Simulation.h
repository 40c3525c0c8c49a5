// Headless self-play: whole games and cities with all five seats, seat 4
// played by HumanBot, card conservation checked after every step.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "rules/TableState.h"

namespace tolva::sim {

struct SimOptions {
  long long games = 10;
  std::uint64_t seed = 1;
  int jokers = 2;
  int tolvaRate = 2;
  bool quiet = false;
  bool checkEveryStep = true;  // card conservation after every timer step and bot action
  long long stepLimit = 50000;  // steps one game may take before it counts as stuck
};

struct SimStats {
  long long games = 0;
  std::array<long long, 7> kinds{};  // by ResultKind
  long long drawn = 0;
  long long turns = 0;  // discards that reached the river
  long long steps = 0;
  long long campaignResets = 0;
  long long botActions = 0;
  long long unknownQuestions = 0;
  std::array<int, kSeats> purses{};
};

class Simulation {
 public:
  explicit Simulation(const SimOptions& options, std::ostream* log = nullptr);
  ~Simulation();

  // Plays until one more game has ended. False on a fault (then Fault() says
  // what, where, and shows the table).
  bool PlayGame();
  const SimStats& Stats() const;
  const std::string& Fault() const;
  void PrintSummary(std::ostream& out) const;

 private:
  struct State;
  std::unique_ptr<State> s_;
};

// Card conservation with a bit set: the complete check describes the fault in
// words and is kept for the report; this one decides quickly whether there is
// one, after each of the millions of steps of a long run.
bool CardsConserved(const TableState& t, int inFlightCard);

}  // namespace tolva::sim
