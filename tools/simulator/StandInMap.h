// A map picture for runs without the world map's file: the route's hundred
// legs in a row eastwards from the starting city, short legs between small
// cities, with the key colours where the real picture keeps them. It has what
// the campaign's tracing needs of a map and nothing else.
#pragma once

#include "table/MemoryPixelMap.h"

namespace tolva::sim {

MemoryPixelMap StandInMap();

}  // namespace tolva::sim
