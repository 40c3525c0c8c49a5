// The seven-point paths of the cards and coins that fly across the table.
#include "table/CTolvaView.h"

namespace tolva {

FlightPath MakeFlight(TablePoint from, TablePoint to) {
  // Integer division truncates towards zero, which is exactly the rule: the
  // step is the whole part of a seventh of the way.
  const int stepX = (to.x - from.x) / kFlightPoints;
  const int stepY = (to.y - from.y) / kFlightPoints;
  FlightPath path{};
  for (int d = 1; d <= kFlightPoints; ++d) path[d - 1] = {from.x + d * stepX, from.y + d * stepY};
  return path;
}

void CTolvaView::ComputeFlights() {
  for (int seat = 0; seat < kComputerSeats; ++seat) {
    StockFlight[seat] = MakeFlight(kStockPoint, kSeatPlaces[seat]);
    RiverFlight[seat] = MakeFlight(kRiverPoint, kSeatPlaces[seat]);
    DiscardFlight[seat] = MakeFlight(kSeatPlaces[seat], kRiverPoint);
  }
  for (int seat = 0; seat < kSeats; ++seat)
    ReachFlight[seat] = MakeFlight(kSeatPlaces[seat], kReachCoinPlaces[seat]);
}

}  // namespace tolva
