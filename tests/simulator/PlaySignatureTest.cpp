// The play of the rules and the computer generals as a whole, pinned: for a
// fixed seed and settings the simulator's totals (how the games ended, how
// long they took, where the coins went) must come out exactly as recorded.
// Unit tests judge single decisions; this catches a change that keeps each of
// them plausible but makes the generals play differently.
//
// When a change is meant to alter play, paste the figures the failure prints
// into kSignatures, and say in the same commit why play changed.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <sstream>

#include "tools/simulator/Simulation.h"

namespace tolva {
namespace {

using sim::Simulation;
using sim::SimOptions;
using sim::SimStats;

constexpr long long kGames = 1000;
constexpr std::uint64_t kSeed = 17;

struct Signature {
  int jokers = 0;
  std::array<long long, 7> kinds{};  // games by ResultKind
  long long drawn = 0;
  long long turns = 0;
  long long campaignResets = 0;
  std::array<int, kSeats> purses{};
  friend bool operator==(const Signature&, const Signature&) = default;
};

std::ostream& operator<<(std::ostream& out, const Signature& s) {
  auto list = [&out](const auto& values) {
    out << "{";
    for (std::size_t i = 0; i < values.size(); ++i) out << (i ? ", " : "") << values[i];
    out << "}";
  };
  out << "{" << s.jokers << ", ";
  list(s.kinds);
  out << ", " << s.drawn << ", " << s.turns << ", " << s.campaignResets << ", ";
  list(s.purses);
  return out << "}";
}

// Seed 17, 1000 games, Tolva rate 2, the stand-in map.
constexpr std::array kSignatures{
    Signature{2, {28, 143, 200, 2, 74, 428, 40}, 85, 13115, 2, {232, 249, 271, 292, 8956}},
    Signature{4, {13, 55, 176, 1, 105, 557, 76}, 17, 10276, 2, {314, 365, 337, 213, 8771}},
    Signature{6, {11, 31, 106, 0, 114, 562, 176}, 0, 7409, 2, {243, 266, 231, 334, 8926}},
};

class PlaySignature : public testing::TestWithParam<Signature> {};

TEST_P(PlaySignature, FixedSeedGamesEndAsRecorded) {
  const Signature& pinned = GetParam();
  SimOptions options;
  options.games = kGames;
  options.seed = kSeed;
  options.jokers = pinned.jokers;
  options.quiet = true;
  Simulation simulation(options);
  for (long long game = 0; game < kGames; ++game)
    ASSERT_TRUE(simulation.PlayGame()) << simulation.Fault();

  const SimStats& stats = simulation.Stats();
  ASSERT_EQ(stats.games, kGames);
  const Signature played{pinned.jokers, stats.kinds,          stats.drawn,
                         stats.turns,   stats.campaignResets, stats.purses};
  EXPECT_EQ(played, pinned)
      << "Play with " << pinned.jokers << " jokers has changed. If the change is meant, put\n    "
      << played << ",\ninto kSignatures and say in the same commit why the generals' play changed.";
}

INSTANTIATE_TEST_SUITE_P(Jokers, PlaySignature, testing::ValuesIn(kSignatures),
                         [](const auto& info) { return std::to_string(info.param.jokers) + "Jokers"; });

}  // namespace
}  // namespace tolva
