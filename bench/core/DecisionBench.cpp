// How fast the rules engine makes a computer seat's decisions, deals a game
// and judges a hand.
//
// A "decision" is everything a computer seat decides in one turn: the choice
// at the start of the turn, taking the card, the exposure loop (up to seven
// calls while it answers 1 and more than one card is left), and the Reach or
// ordinary discard. The tables are dealt with varied seeds and deck sizes and
// then played on for a varied number of turns, so that rivers, exposed rows
// and plans of every kind appear. Each measured decision starts from a fresh
// copy of one of them (the copy is part of the figure).
#include <benchmark/benchmark.h>

#include <vector>

#include "rules/CThink.h"
#include "rules/Deal.h"
#include "rules/RulesHost.h"

namespace tolva {
namespace {

class BenchHost : public RulesHost {
 public:
  int seconds = 0;
  Answer ShowMessage(std::string_view, int, MessageStyle) override { return Answer::Yes; }
  void PlayWave(int, bool) override {}
  void RedrawScene(bool) override {}
  int ClockSeconds() override { return seconds; }
  int TolvaRate() override { return 2; }
  void SavePurses() override {}
  void ClearLastTimerRecord() override {}
};

// One full decision of the seat whose turn it is, with the table changes the
// flow would make. False when the turn ends the game (Ron, a declaration, an
// empty stock, a seat out of cards).
bool Decide(CThink& think) {
  TableState& t = think.Table();
  const int seat = t.TurnSeat;
  const int action = think.ChooseTurnAction();
  if (action == kActionRon || action == kActionTolva || action == kActionSeventy) return false;
  int mayDiscardTaken = 1;
  if (action == kActionTakeRiver && t.RiverCount > 0) {
    t.DrawnCard = t.River[--t.RiverCount];
    t.River[t.RiverCount] = kEmptySlot;
    mayDiscardTaken = 0;
  } else {
    if (t.StockCount == 0) return false;
    t.DrawnCard = t.Stock[--t.StockCount];
  }
  int discard = t.DrawnCard;
  if (!t.ReachFlag[seat]) {
    think.InsertIntoHand(seat, t.DrawnCard);
    const int mode = seat < kComputerSeats ? t.StrategyMode[seat] : kModeShedHigh;
    if (mode == kModeLowHand || mode == kModeShedHigh)
      for (int k = 0; k < 7 && t.HandCount[seat] > 1; ++k)
        if (think.ExposeFromHand() == 0) break;
    int index = 0;
    if (t.HandCount[seat] > 1) {
      index = think.ChooseReachDiscard(seat);
      if (index >= 0) {
        t.ReachFlag[seat] = 1;
      } else {
        index = think.ChooseDiscard(t.DrawnCard, mayDiscardTaken);
      }
    }
    discard = t.Hand[seat][index];
    think.RemoveFromHand(seat, index);
  }
  t.River[t.RiverCount++] = discard;
  t.TurnSeat = NextSeat(seat);
  return t.HandCount[seat] > 0;
}

// Tables at the start of a computer seat's turn, from the deal to late in the game.
std::vector<TableState> VariedTables(int count) {
  std::vector<TableState> tables;
  BenchHost host;
  for (int i = 0; tables.size() < static_cast<size_t>(count); ++i) {
    TableState t = TableState{};
    t.DeckSize = 54 + 2 * (i % 3);
    ShuffleAndDeal(t, static_cast<std::uint32_t>(1000 + i));
    CThink think(t, host);
    for (int seat = 0; seat < kComputerSeats; ++seat) think.PlanStrategy(seat);
    t.TurnSeat = i % kComputerSeats;
    host.seconds = i % 60;
    bool going = true;
    for (int turn = 0; turn < i % 17 && going; ++turn) going = Decide(think);
    if (going && t.TurnSeat < kComputerSeats && t.StockCount > 0) tables.push_back(t);
  }
  return tables;
}

void BM_ComputerDecision(benchmark::State& state) {
  const std::vector<TableState> tables = VariedTables(512);
  BenchHost host;
  size_t next = 0;
  for (auto _ : state) {
    TableState t = tables[next];
    host.seconds = static_cast<int>(next % 60);
    next = (next + 1) % tables.size();
    CThink think(t, host);
    benchmark::DoNotOptimize(Decide(think));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("decisions");
}
BENCHMARK(BM_ComputerDecision);

void BM_ShuffleAndDeal(benchmark::State& state) {
  TableState t = TableState{};
  std::uint32_t seed = 1;
  for (auto _ : state) {
    t.DeckSize = 54 + 2 * static_cast<int>(seed % 3);
    ShuffleAndDeal(t, seed++);
    benchmark::DoNotOptimize(t.Hand);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("deals");
}
BENCHMARK(BM_ShuffleAndDeal);

void BM_IsWinningHand(benchmark::State& state) {
  // Eight-card hands: every seat of a dealt table holds the stock's top card
  // as the eighth card.
  std::vector<TableState> tables;
  BenchHost host;
  for (std::uint32_t seed = 1; seed <= 256; ++seed) {
    TableState t = TableState{};
    t.DeckSize = 54 + 2 * static_cast<int>(seed % 3);
    ShuffleAndDeal(t, seed);
    for (int seat = 0; seat < kSeats; ++seat) {
      t.Hand[seat][kDealtCards] = t.Stock[t.StockCount - 1 - seat];
      t.HandCount[seat] = kHandSlots;
    }
    tables.push_back(t);
  }
  size_t next = 0;
  int seat = 0;
  for (auto _ : state) {
    CThink think(tables[next], host);
    benchmark::DoNotOptimize(think.IsWinningHand(seat));
    if (++seat == kSeats) {
      seat = 0;
      next = (next + 1) % tables.size();
    }
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("hands judged");
}
BENCHMARK(BM_IsWinningHand);

}  // namespace
}  // namespace tolva
