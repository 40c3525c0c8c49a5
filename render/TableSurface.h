// The flat table, 1010 x 1010, seen from straight above: felt and border,
// Reach coins, the stock and river piles with their height, the ten meld rows,
// the opening-seat cards and the cards and coins in flight.
#pragma once

#include "render/DrawList.h"
#include "render/SceneState.h"
#include "render/Surfaces.h"

namespace tolva {

// Records the flat table in table coordinates.
void RecordTableSurface(DrawList& list, const SceneState& scene);

// Draws the whole flat table onto s.TableSurface at its own scale.
void DrawTableSurface(Surfaces& s, const SceneState& scene);

// Where card j of a meld row of k cards lies on the table.
Rect MeldCardPlace(int row, int k, int j);

// The river card the pile shows: the top one, or the one under it while the
// top card is flying away; -1 for none.
int ShownRiverCard(const SceneState& scene);

}  // namespace tolva
