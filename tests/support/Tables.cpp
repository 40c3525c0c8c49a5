#include "tests/support/Tables.h"

#include <stdexcept>

#include "rules/CardText.h"

namespace tolva::testing {

TableState EmptyTable() { return TableState{}; }

void SetHand(TableState& t, int seat, std::string_view cards) {
  const auto codes = ParseCards(cards);
  if (codes.size() > kHandSlots) throw std::invalid_argument("more than 8 cards in a hand");
  t.Hand[seat].fill(kEmptySlot);
  for (size_t i = 0; i < codes.size(); ++i) t.Hand[seat][i] = codes[i];
  t.HandCount[seat] = static_cast<int>(codes.size());
}

namespace {
void SetPile(std::array<int, kPileSlots>& pile, int& count, std::string_view cards) {
  const auto codes = ParseCards(cards);
  if (codes.size() > kPileSlots) throw std::invalid_argument("more than 23 cards in a pile");
  pile.fill(kEmptySlot);
  for (size_t i = 0; i < codes.size(); ++i) pile[i] = codes[i];
  count = static_cast<int>(codes.size());
}
}  // namespace

void SetRiver(TableState& t, std::string_view cards) { SetPile(t.River, t.RiverCount, cards); }
void SetStock(TableState& t, std::string_view cards) { SetPile(t.Stock, t.StockCount, cards); }

void SetMeld(TableState& t, int row, std::string_view cards) {
  const auto codes = ParseCards(cards);
  if (codes.size() > kMeldSlots) throw std::invalid_argument("more than 19 cards in a row");
  t.Meld[row].fill(kEmptySlot);
  for (size_t i = 0; i < codes.size(); ++i) t.Meld[row][i] = codes[i];
  t.MeldLength[row] = static_cast<int>(codes.size());
}

std::vector<int> HandOf(const TableState& t, int seat) {
  return {t.Hand[seat].begin(), t.Hand[seat].begin() + t.HandCount[seat]};
}

std::vector<int> MeldOf(const TableState& t, int row) {
  return {t.Meld[row].begin(), t.Meld[row].begin() + t.MeldLength[row]};
}

std::vector<int> Cards(std::string_view cards) { return ParseCards(cards); }

void DealTheRest(TableState& t) {
  std::vector<bool> used(t.DeckSize + 1, false);
  auto mark = [&](int code) {
    if (code >= 1 && code <= t.DeckSize) used[code] = true;
  };
  for (int s = 0; s < kSeats; ++s)
    for (int i = 0; i < t.HandCount[s]; ++i) mark(t.Hand[s][i]);
  for (int i = 0; i < t.RiverCount; ++i) mark(t.River[i]);
  for (int i = 0; i < t.StockCount; ++i) mark(t.Stock[i]);
  for (int r = 0; r < kMeldRows; ++r)
    for (int i = 0; i < t.MeldLength[r]; ++i) mark(t.Meld[r][i]);
  std::vector<int> rest;
  for (int code = 1; code <= t.DeckSize; ++code)
    if (!used[code]) rest.push_back(code);
  for (int s = 0; s < kSeats && !rest.empty(); ++s) {
    if (t.HandCount[s] != 0) continue;
    while (t.HandCount[s] < kDealtCards && !rest.empty()) {
      t.Hand[s][t.HandCount[s]++] = rest.back();
      rest.pop_back();
    }
  }
  if (t.StockCount + static_cast<int>(rest.size()) > kPileSlots)
    throw std::invalid_argument("the rest of the deck does not fit on the stock");
  // The rest goes under the cards already on the stock.
  std::vector<int> pile(rest);
  pile.insert(pile.end(), t.Stock.begin(), t.Stock.begin() + t.StockCount);
  t.Stock.fill(kEmptySlot);
  for (size_t i = 0; i < pile.size(); ++i) t.Stock[i] = pile[i];
  t.StockCount = static_cast<int>(pile.size());
}

}  // namespace tolva::testing
