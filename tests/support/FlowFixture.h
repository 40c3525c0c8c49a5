// The common frame of the flow tests: a game in progress (game 2 of a city,
// seat 0 opened it) on a scripted host, with the table emptied for the
// scenario's own cards.
#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "tests/support/ScriptedHost.h"
#include "tests/support/TableScenario.h"
#include "tests/support/Tables.h"

namespace tolva::testing {

class FlowFixture : public ::testing::Test {
 protected:
  TableScenario s;
  ScriptedHost& host = s.host;
  CTolvaView& view = s.view;
  TableState& t = s.t();

  int C(std::string_view name) const { return s.Card(name); }
  std::vector<int> Hand(int seat) const { return HandOf(s.view.t, seat); }
  int RiverTop() const { return t.RiverCount > 0 ? t.River[t.RiverCount - 1] : kEmptySlot; }
  const FinishedGame& LastGame() const { return host.finished.back(); }
  // The human's turn with the cards as placed: he has not drawn yet.
  void HumansTurn() {
    s.Complete();
    view.PlayFrom(kHumanSeat);
  }
};

}  // namespace tolva::testing
