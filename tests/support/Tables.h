// Building table states for tests from readable card strings.
#pragma once

#include <string_view>
#include <vector>

#include "rules/TableState.h"

namespace tolva::testing {

// A table as it is constructed: empty hands, piles and rows (all slots -1),
// 54 cards, every seat's strategy 9, options at their defaults.
TableState EmptyTable();

// Sets a seat's hand to exactly these cards, in the given order ("5s 5h Jk").
void SetHand(TableState& t, int seat, std::string_view cards);
void SetRiver(TableState& t, std::string_view cards);  // last card is the top
void SetStock(TableState& t, std::string_view cards);  // last card is the top
void SetMeld(TableState& t, int row, std::string_view cards);

std::vector<int> HandOf(const TableState& t, int seat);
std::vector<int> MeldOf(const TableState& t, int row);
std::vector<int> Cards(std::string_view cards);  // ParseCards, for expectations

// Places every card of the deck that is not yet anywhere, so a hand-made
// scenario satisfies card conservation: seats with an empty hand get seven
// cards each, the rest goes under the cards already on the stock.
void DealTheRest(TableState& t);

}  // namespace tolva::testing
