// A game in progress on a scripted host, with the cards a scenario needs:
// a game past the first of its city (no opening choice) is started through
// the real StartGame, every card is then taken off the table, and the test
// places the cards that matter before play begins.
//
//   TableScenario s;
//   SetHand(s.t(), 4, "5s 5h 9d 9c Kd Kh 2s");
//   s.StockTop("3c");          // the next card drawn
//   s.Complete();              // the rest of the deck goes somewhere harmless
//   s.view.PlayFrom(0);        // seat 0 moves first
#pragma once

#include <string_view>

#include "rules/CardText.h"

#include "table/CTolvaView.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/Tables.h"

namespace tolva::testing {

struct TableScenario {
  explicit TableScenario(int gameNo = 2, int opener = 0);

  ScriptedHost host;
  CTolvaView view{host};
  TableState& t() { return view.t; }

  // Cards on top of the stock, the last one drawn first (like SetStock).
  void StockTop(std::string_view cards);
  // Where the cards go that a short stock does not hold.
  enum class Rest { UnderRiver, InRow9 };
  // Places every card of the deck that is nowhere yet: seats with an empty
  // hand get seven, the rest goes under the stock; then, if `stockCount` is
  // given, the stock keeps only that many cards from its top and the others
  // go to the bottom of the river (keeping its top) or lie in meld row 9
  // (keeping the river empty, so that no call or river choice comes up).
  void Complete(int stockCount = -1, Rest rest = Rest::UnderRiver);
  int Card(std::string_view name) const;  // one card code: Card("7d")
};

}  // namespace tolva::testing
