// Small map pictures for tests, drawn and read back as rows of characters:
//   '.' background   'r' route   'e' city edge   'c' city
//   'X' conquered    'm' travelled   '#' land (any other colour)
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "table/MapTracing.h"
#include "table/PixelMap.h"

namespace tolva::testing {

inline constexpr Rgb kArtBackground = 0xC8D8E8;

// The key colours of the test pictures.
MapColours ArtColours();

// Paints the rows with their top-left character at `origin`; '.' paints the
// background colour too.
void DrawArt(PixelMap& map, MapPoint origin, std::initializer_list<std::string_view> rows);

// Reads a w x h block back as characters.
std::vector<std::string> ReadArt(const PixelMap& map, MapPoint origin, int w, int h);

}  // namespace tolva::testing
