#include "chronicle/ChronicleFigures.h"

#include <algorithm>
#include <map>
#include <utility>

namespace tolva {

namespace {

bool IsWin(int kind) { return kind >= kTolvaSucceeded && kind <= kRon; }

}  // namespace

std::optional<double> SuccessRate::Share() const {
  if (tries <= 0) return std::nullopt;
  return static_cast<double>(successes) / tries;
}

bool KingWon(const GameFinished& game) {
  return game.resultSeat == kHumanSeat && IsWin(game.resultKind);
}

bool KingLost(const GameFinished& game) { return game.seats[kHumanSeat].payment < 0; }

ChronicleFigures FiguresOf(const ChronicleData& data) {
  ChronicleFigures f;
  int winning = 0;
  int losing = 0;
  // The last game of each city of each campaign, where its conquest is marked.
  std::map<std::pair<std::size_t, int>, std::size_t> lastGameOfCity;

  for (std::size_t i = 0; i < data.games.size(); ++i) {
    const GameRow& row = data.games[i];
    const GameFinished& g = row.game;
    ++f.games;
    f.turns += g.turns;
    if (g.resultKind == kDrawnResult) {
      ++f.drawn;
    } else if (g.resultKind >= 0 && g.resultKind < static_cast<int>(f.byKind.size())) {
      ++f.byKind[g.resultKind];
    }
    const bool won = IsWin(g.resultKind);
    if (IsSeat(g.resultSeat)) {
      SeatFigures& winner = f.seats[g.resultSeat];
      if (won) ++winner.wins;
      if (g.resultKind == kTolvaFailed || g.resultKind == kTolvaSucceeded) {
        ++winner.tolva.tries;
        if (g.resultKind == kTolvaSucceeded) ++winner.tolva.successes;
      }
    }
    for (int seat = 0; seat < kSeats; ++seat) {
      SeatFigures& s = f.seats[seat];
      if (g.seats[seat].reach) {
        ++s.reach.tries;
        if (won && g.resultSeat == seat) ++s.reach.successes;
      }
      if (row.callsKnown) s.calls += g.seats[seat].calls;
    }

    const int payment = g.seats[kHumanSeat].payment;
    if (payment > 0 && (!f.best || payment > f.best->payment)) f.best = KingsGame{i, payment};
    if (payment < 0 && (!f.worst || payment < f.worst->payment)) f.worst = KingsGame{i, payment};
    winning = KingWon(g) ? winning + 1 : 0;
    losing = KingLost(g) ? losing + 1 : 0;
    f.longestWinningStreak = std::max(f.longestWinningStreak, winning);
    f.longestLosingStreak = std::max(f.longestLosingStreak, losing);
    f.currentStreak = winning > 0 ? winning : -losing;

    if (f.purse.empty() || f.purse.back().campaign != row.campaign) {
      PurseRun run;
      run.campaign = row.campaign;
      run.firstGame = i;
      if (row.campaign < data.campaigns.size()) {
        if (const auto& purses = data.campaigns[row.campaign].startingPurses)
          run.startingPurse = (*purses)[kHumanSeat];
      }
      f.purse.push_back(std::move(run));
    }
    f.purse.back().afterGame.push_back(g.seats[kHumanSeat].purse);
    lastGameOfCity[{row.campaign, g.city}] = i;
  }

  for (std::size_t k = 0; k < data.conquests.size(); ++k) {
    const ConquestRow& conquest = data.conquests[k];
    CityMark mark{k, std::nullopt};
    // The conquest follows the last game of its city, or of the nearest city
    // before it whose games were recorded.
    auto after = lastGameOfCity.upper_bound({conquest.campaign, conquest.city});
    if (after != lastGameOfCity.begin() && (--after)->first.first == conquest.campaign)
      mark.afterGame = after->second;
    f.cities.push_back(mark);
  }
  return f;
}

}  // namespace tolva
