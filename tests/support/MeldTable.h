// A table for meld tests: the human's turn, a hand that is not empty, and
// helpers to pick up cards, fill rows and snapshot the exposed area.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "res/ResourceIds.h"
#include "rules/CThink.h"
#include "rules/MeldRows.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/Tables.h"

namespace tolva::testing {

// The exposed area, for checking that a refusal changed nothing.
struct MeldArea {
  std::array<std::array<int, kMeldSlots>, kMeldRows> cards;
  std::array<int, kMeldRows> lengths;
  bool operator==(const MeldArea&) const = default;
};

inline MeldArea MeldAreaOf(const TableState& t) { return {t.Meld, t.MeldLength}; }

struct MeldTable : ::testing::Test {
  TableState t = EmptyTable();
  ScriptedRulesHost host;
  CThink think{t, host};

  MeldTable() {
    t.TurnSeat = kHumanSeat;
    SetHand(t, kHumanSeat, "2c 9d");  // the picked-up cards have left the hand
  }

  static int Card(std::string_view name) { return Cards(name)[0]; }

  // Puts these cards into the human's selection, as if picked up.
  void PickUp(std::string_view cards) {
    const auto codes = Cards(cards);
    t.Dragged.fill(kEmptySlot);
    for (size_t i = 0; i < codes.size(); ++i) t.Dragged[i] = codes[i];
    t.DraggedCount = static_cast<int>(codes.size());
  }

  // Picks the cards up and drops them on `row`, as the table does after
  // CheckExposeCount accepted them.
  int Expose(int row, std::string_view cards) {
    PickUp(cards);
    return think.ExposeSelection(row, t.DraggedCount);
  }

  int Check(int row, std::string_view cards) {
    PickUp(cards);
    return think.CheckExposeCount(row, t.DraggedCount);
  }

  // Occupies rows [first, last] with three-card melds of clubs that no test
  // attaches to, so that placement finds them taken.
  void TakeRows(int first, int last) {
    for (int row = first; row <= last; ++row) SetMeld(t, row, "Jc Jc Jc");
  }

  int RefusalSounds() const {
    int n = 0;
    for (const int wave : host.waves) n += wave == kWaveRefused;
    return n;
  }
};

}  // namespace tolva::testing
