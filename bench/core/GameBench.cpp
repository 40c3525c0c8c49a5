// Complete games per second on one core, with the simulator's host: timers
// fire at once in virtual time, waits and animations take no time, seat 4 is
// the simulator's bot.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

#include "tools/simulator/Simulation.h"

namespace {

void PlayGames(benchmark::State& state, bool checkEveryStep) {
  tolva::sim::SimOptions options;
  options.seed = 1;
  options.quiet = true;
  options.checkEveryStep = checkEveryStep;
  tolva::sim::Simulation simulation(options);
  for (auto _ : state) {
    if (!simulation.PlayGame()) {
      state.SkipWithError(simulation.Fault().c_str());
      break;
    }
  }
  state.counters["games/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["turns/game"] = static_cast<double>(simulation.Stats().turns) /
                                 static_cast<double>(std::max<long long>(simulation.Stats().games, 1));
}

// As the simulator runs: card conservation after every step.
void BM_CompleteGamesChecked(benchmark::State& state) { PlayGames(state, true); }
// The game alone.
void BM_CompleteGames(benchmark::State& state) { PlayGames(state, false); }

BENCHMARK(BM_CompleteGamesChecked);
BENCHMARK(BM_CompleteGames);

}  // namespace
