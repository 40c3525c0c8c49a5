#include "table/MemoryPixelMap.h"

#include <algorithm>

namespace tolva {

MemoryPixelMap::MemoryPixelMap(int width, int height, Rgb fill)
    : width_(std::clamp(width, 0, kMaxSide)),
      height_(std::clamp(height, 0, kMaxSide)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill & 0xFFFFFFu) {}

}  // namespace tolva
