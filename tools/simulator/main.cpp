// tolva-sim: plays games with all five seats and no window, checking card
// conservation after every step, and prints what happened.
//
//   tolva-sim --games 2000 --seed 1 --quiet
//   tolva-sim --cities 3 --jokers 6 --tolva-rate 1
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>

#include "tools/simulator/Simulation.h"

namespace {

constexpr long long kGamesPerCity = 10;

void Usage(std::ostream& out) {
  out << "usage: tolva-sim [--games N | --cities N] [--jokers 2|4|6] [--tolva-rate 1|2|3]\n"
         "                 [--seed N] [--quiet]\n";
}

bool ReadNumber(std::string_view text, long long& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  tolva::sim::SimOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--quiet") {
      options.quiet = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      Usage(std::cout);
      return 0;
    }
    long long value = 0;
    if (i + 1 >= argc || !ReadNumber(argv[i + 1], value)) {
      std::cerr << "tolva-sim: " << arg << " needs a number\n";
      Usage(std::cerr);
      return 2;
    }
    ++i;
    if (arg == "--games" && value > 0) {
      options.games = value;
    } else if (arg == "--cities" && value > 0) {
      options.games = value * kGamesPerCity;
    } else if (arg == "--jokers" && (value == 2 || value == 4 || value == 6)) {
      options.jokers = static_cast<int>(value);
    } else if (arg == "--tolva-rate" && value >= 1 && value <= 3) {
      options.tolvaRate = static_cast<int>(value);
    } else if (arg == "--seed" && value >= 0) {
      options.seed = static_cast<std::uint64_t>(value);
    } else {
      std::cerr << "tolva-sim: bad option " << arg << " " << value << "\n";
      Usage(std::cerr);
      return 2;
    }
  }

  tolva::sim::Simulation simulation(options, &std::cout);
  for (long long game = 0; game < options.games; ++game) {
    if (!simulation.PlayGame()) {
      std::cout << simulation.Fault();
      simulation.PrintSummary(std::cout);
      return 1;
    }
  }
  simulation.PrintSummary(std::cout);
  return 0;
}
