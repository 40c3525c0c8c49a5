// Small helpers over the ten exposed rows, shared by the calls, the meld
// validation and the computer players.
#pragma once

#include "rules/TableState.h"

namespace tolva {

// The first free row in rows [first, last], or -1 when all are taken.
inline int FirstFreeMeldRow(const TableState& t, int first = 0, int last = kMeldRows - 1) {
  for (int row = first; row <= last; ++row)
    if (t.MeldLength[row] == 0) return row;
  return -1;
}

// Empties a row: length 0 and every card slot -1.
inline void ClearMeldRow(TableState& t, int row) {
  t.MeldLength[row] = 0;
  t.Meld[row].fill(kEmptySlot);
}

}  // namespace tolva
