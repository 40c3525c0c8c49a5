#include "tests/support/TableScenario.h"

#include <stdexcept>
#include <vector>

#include "rules/CardText.h"
#include "table/SettingsSchema.h"

namespace tolva::testing {

TableScenario::TableScenario(int gameNo, int opener) {
  host.Attach(view);
  Settings(host.store).SetPurse(kHumanSeat, 1000);  // a campaign under way
  view.Initialising = 0;
  view.t.GameNo = gameNo - 1;
  view.StartGame();
  view.t.ResultSeat = opener;
  view.t.Purse = {100, 100, 100, 100, 1000};
  // The table is emptied: the scenario places its own cards.
  for (auto& hand : view.t.Hand) hand.fill(kEmptySlot);
  view.t.HandCount.fill(0);
  view.t.Stock.fill(kEmptySlot);
  view.t.StockCount = 0;
  view.t.River.fill(kEmptySlot);
  view.t.RiverCount = 0;
  host.ClearEvents();
}

void TableScenario::StockTop(std::string_view cards) {
  const std::vector<int> codes = ParseCards(cards);
  for (const int code : codes) view.t.Stock[view.t.StockCount++] = code;
}

int TableScenario::Card(std::string_view name) const { return ParseCard(name); }

void TableScenario::Complete(int stockCount, Rest rest) {
  TableState& table = view.t;
  DealTheRest(table);
  if (stockCount < 0 || stockCount >= table.StockCount) return;
  const int moved = table.StockCount - stockCount;
  if (rest == Rest::InRow9) {
    if (table.MeldLength[9] + moved > kMeldSlots) throw std::invalid_argument("row 9 cannot take the rest");
    for (int i = 0; i < moved; ++i) table.Meld[9][table.MeldLength[9]++] = table.Stock[i];
  } else {
    if (table.RiverCount + moved > kPileSlots) throw std::invalid_argument("the river cannot take the rest");
    // The bottom of the stock goes under the river, which keeps its top.
    for (int i = table.RiverCount - 1; i >= 0; --i) table.River[i + moved] = table.River[i];
    for (int i = 0; i < moved; ++i) table.River[i] = table.Stock[i];
    table.RiverCount += moved;
  }
  for (int i = 0; i < stockCount; ++i) table.Stock[i] = table.Stock[i + moved];
  for (int i = stockCount; i < kPileSlots; ++i) table.Stock[i] = kEmptySlot;
  table.StockCount = stockCount;
}

}  // namespace tolva::testing
