// The chronicle window's charts, filled in from the figures: the king's purse
// with the conquered cities marked, the wins by seat, the results by kind.
#pragma once

#include "chronicle/ChronicleData.h"
#include "chronicle/ChronicleFigures.h"
#include "render/Charts.h"

namespace tolva {

// Game i of the list stands at x = i + 1; a campaign's starting purse, where
// known, just before its first game.
LineChart PurseChart(const ChronicleData& data, const ChronicleFigures& figures);
BarChart WinsBySeatChart(const ChronicleFigures& figures);
// Kinds 0 to 6, then the drawn games.
BarChart ResultsChart(const ChronicleFigures& figures);

}  // namespace tolva
