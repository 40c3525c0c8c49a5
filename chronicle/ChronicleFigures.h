// The figures the chronicle window shows, worked out from the games read back
// (one campaign's, or all of them): results by seat and by kind, the success
// of Tolva and Reach, the king's best and worst games and his streaks, his
// purse game by game, and the cities conquered. No Qt.
//
// The words used:
//   a win        a game whose result seat won it: kinds 1 to 6 (a failed Tolva
//                is its declarer's loss, a drawn game nobody's);
//   a Tolva      a declaration, kinds 0 and 1; it succeeds with kind 1;
//   a Reach      a seat's declaration that stood to the game's end; it
//                succeeds when that seat won the game;
//   the king's loss  a game in which the settlement took coins from him.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "chronicle/ChronicleData.h"

namespace tolva {

struct SuccessRate {
  int tries = 0;
  int successes = 0;
  // successes / tries, none without a try.
  std::optional<double> Share() const;
};

struct SeatFigures {
  int wins = 0;
  SuccessRate tolva;
  SuccessRate reach;
  int calls = 0;  // Pon and Kan, over the games that counted them
};

// One of the king's games singled out: its place in ChronicleData::games and
// what the settlement paid him.
struct KingsGame {
  std::size_t game = 0;
  int payment = 0;
};

// A run of the king's purse: the purse a campaign began with (when the
// chronicle saw the course selection) and after each of its games.
struct PurseRun {
  std::size_t campaign = 0;
  std::size_t firstGame = 0;          // index of the run's first game in ChronicleData::games
  std::optional<int> startingPurse;
  std::vector<int> afterGame;         // one purse per game, in order
};

// A conquered city on the purse chart: after which game of the whole list.
struct CityMark {
  std::size_t conquest = 0;           // index into ChronicleData::conquests
  std::optional<std::size_t> afterGame;  // none when none of the city's games was recorded
};

struct ChronicleFigures {
  int games = 0;
  int drawn = 0;
  long long turns = 0;
  std::array<int, 7> byKind{};  // games by result kind 0 to 6 (drawn games in `drawn`)
  std::array<SeatFigures, kSeats> seats{};
  std::optional<KingsGame> best;   // the king's largest gain (the first, if several)
  std::optional<KingsGame> worst;  // his largest loss
  int longestWinningStreak = 0;    // the king's wins in a row
  int longestLosingStreak = 0;     // games in a row that cost him coins
  // The run the last games make: wins (> 0), losses (< 0), or neither (0).
  int currentStreak = 0;
  std::vector<PurseRun> purse;     // one run per campaign, in order
  std::vector<CityMark> cities;    // one per conquest
};

ChronicleFigures FiguresOf(const ChronicleData& data);

// Wins and losses as the streaks count them (see above).
bool KingWon(const GameFinished& game);
bool KingLost(const GameFinished& game);

}  // namespace tolva
