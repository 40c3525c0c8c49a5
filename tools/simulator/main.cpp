// tolva-sim: plays games with all five seats and no window, checking card
// conservation after every step, and prints what happened.
//
//   tolva-sim --games 2000 --seed 1 --quiet
//   tolva-sim --cities 3 --jokers 6 --tolva-rate 1
//   tolva-sim --campaign --map build/assets/raw/142.ppm --purse 1000000 --quiet
//
// --campaign plays until the campaign ends: the king's purse used up at the
// start of a city, or the hundredth leg of the route walked. --map gives the
// world map picture as the map generator writes it without Qt (a binary
// portable pixmap); without it the simulator's stand-in route is used.
// --purse is the king's purse from the course selection (10000, the beginner
// course's, unless given). --chronicle FILE keeps every game, conquest and
// campaign in a chronicle database as the program does, for its window.
#include <charconv>
#include <climits>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "tools/simulator/MapFile.h"
#include "tools/simulator/SimChronicle.h"
#include "tools/simulator/Simulation.h"

namespace {

constexpr long long kGamesPerCity = 10;

void Usage(std::ostream& out) {
  out << "usage: tolva-sim [--games N | --cities N] [--campaign] [--map FILE] [--purse N]\n"
         "                 [--jokers 2|4|6] [--tolva-rate 1|2|3] [--seed N] [--quiet]\n"
         "                 [--chronicle FILE]\n";
}

bool ReadNumber(std::string_view text, long long& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  tolva::sim::SimOptions options;
  bool gamesGiven = false;
  std::unique_ptr<tolva::sim::SimChronicle> chronicle;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--quiet") {
      options.quiet = true;
      continue;
    }
    if (arg == "--campaign") {
      options.campaign = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      Usage(std::cout);
      return 0;
    }
    if (arg == "--map") {
      if (i + 1 >= argc) {
        std::cerr << "tolva-sim: --map needs a file\n";
        return 2;
      }
      std::string error;
      auto map = tolva::sim::ReadMapPicture(argv[++i], error);
      if (!map) {
        std::cerr << "tolva-sim: " << error << "\n";
        return 2;
      }
      options.map = std::make_shared<const tolva::MemoryPixelMap>(std::move(*map));
      continue;
    }
    if (arg == "--chronicle") {
      if (i + 1 >= argc) {
        std::cerr << "tolva-sim: --chronicle needs a file\n";
        return 2;
      }
      chronicle = std::make_unique<tolva::sim::SimChronicle>(argv[++i]);
      if (!chronicle->Problem().empty()) {
        std::cerr << "tolva-sim: " << chronicle->Problem() << "\n";
        return 2;
      }
      if (!chronicle->Notice().empty()) std::cerr << "tolva-sim: " << chronicle->Notice() << "\n";
      options.chronicle = [keeper = chronicle.get()](const tolva::ChronicleEntry& entry) {
        keeper->Keep(entry);
      };
      continue;
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
      gamesGiven = true;
    } else if (arg == "--cities" && value > 0 && value <= LLONG_MAX / kGamesPerCity) {
      options.games = value * kGamesPerCity;
      gamesGiven = true;
    } else if (arg == "--purse" && value > 0 && value <= 999'999'999) {
      options.kingPurse = static_cast<int>(value);
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
  // A campaign runs to its end unless a number of games was asked for.
  if (options.campaign && !gamesGiven) options.games = LLONG_MAX;

  tolva::sim::Simulation simulation(options, &std::cout);
  for (long long game = 0; game < options.games && !simulation.CampaignOver(); ++game) {
    if (!simulation.PlayGame()) {
      std::cout << simulation.Fault();
      simulation.PrintSummary(std::cout);
      return 1;
    }
    if (chronicle && !chronicle->Problem().empty()) break;
  }
  simulation.PrintSummary(std::cout);
  if (chronicle && !chronicle->Problem().empty()) {
    std::cerr << "tolva-sim: the chronicle stopped: " << chronicle->Problem() << "\n";
    return 1;
  }
  return 0;
}
