// The names of the campaign's cities, taken at build time from the route the
// world map is drawn from (res/map/route.txt), so that each city is named in
// one place only.
#pragma once

#include <string_view>

namespace tolva {

// City 0 is the starting city, 1 to 99 the cities in the order of the march;
// any other number has no name (empty).
std::string_view CityName(int number);

}  // namespace tolva
