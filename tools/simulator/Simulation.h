// Headless self-play: whole games and cities with all five seats, seat 4
// played by HumanBot, card conservation checked after every step.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "rules/TableState.h"
#include "table/Chronicle.h"
#include "table/MemoryPixelMap.h"

namespace tolva::sim {

struct SimOptions {
  long long games = 10;
  // Campaign mode: play until the campaign ends, by the king's purse used up
  // at a city's start (then 30015 is answered No) or by the hundredth leg.
  // Otherwise a lost campaign starts again from the course selection and a
  // completed one with the next run of the program.
  bool campaign = false;
  int kingPurse = 10000;  // what the course selection gives the king
  // The map picture; none: the simulator's stand-in (StandInMap.h).
  std::shared_ptr<const MemoryPixelMap> map;
  std::uint64_t seed = 1;
  int jokers = 2;
  int tolvaRate = 2;
  bool quiet = false;
  bool checkEveryStep = true;  // card conservation after every timer step and bot action
  long long stepLimit = 50000;  // steps one game may take before it counts as stuck
  // Where the game's chronicle entries go (none: nowhere).
  std::function<void(const ChronicleEntry&)> chronicle;
};

struct SimStats {
  long long games = 0;
  std::array<long long, 7> kinds{};  // by ResultKind
  long long drawn = 0;
  long long turns = 0;  // discards that reached the river
  long long steps = 0;
  long long campaignResets = 0;
  long long legs = 0;        // route legs walked to their end
  long long routeSteps = 0;  // pixels moved along them
  long long routeFifths = 0; // waves 157 and 158 they sounded
  long long routeTenths = 0;
  int mostCities = 0;        // the highest "ConqCity" reached
  int cities = 0;            // cities conquered by the campaign under way (or that ended)
  long long completions = 0; // campaigns completed
  long long runs = 0;        // starts of the program
  bool campaignLost = false; // campaign mode: the purse was used up
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
  // Campaign mode: the campaign has ended, one way or the other.
  bool CampaignOver() const;
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
