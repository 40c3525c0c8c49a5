// The world map picture without Qt: the map generator also writes the picture
// as a binary portable pixmap (P6), which the simulator reads here.
//
//   P6 <width> <height> 255 <one blank> <width * height * 3 bytes: R, G, B>
//
// The header's fields are separated by blanks and may carry comments from "#"
// to the end of the line. A file that is anything else is refused with a
// message that says what is wrong; nothing in it can make the reader allocate
// more than the file itself holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "table/MemoryPixelMap.h"

namespace tolva::sim {

// The picture in `bytes`, or nothing with `error` saying why.
std::optional<MemoryPixelMap> ParseMapPicture(std::string_view bytes, std::string& error);

// The picture in the file at `path`, or nothing with `error` saying why.
std::optional<MemoryPixelMap> ReadMapPicture(const std::string& path, std::string& error);

}  // namespace tolva::sim
