// The table the drawing benchmarks compose: a busy mid-game table with every
// seat holding cards, melds on three rows, a pending pool, a Reach and a mark.
#pragma once

#include "rules/TableState.h"

namespace tolva {

TableState BusyTable();

}  // namespace tolva
