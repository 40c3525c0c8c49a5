#include "res/CityNames.h"

#include <array>

namespace tolva {

namespace {
// Generated from the "start" and "city" lines of res/map/route.txt.
constexpr std::array kCityNames = {
#include "CityNames.inc"
};
}  // namespace

std::string_view CityName(int number) {
  if (number < 0 || number >= static_cast<int>(kCityNames.size())) return {};
  return kCityNames[static_cast<std::size_t>(number)];
}

}  // namespace tolva
