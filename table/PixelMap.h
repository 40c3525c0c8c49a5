// The world map picture as the campaign sees it: single pixels read and
// painted. The Qt view implements it over its map image; tests and the map
// generator use MemoryPixelMap.
#pragma once

#include <cstdint>

namespace tolva {

using Rgb = std::uint32_t;  // 0xRRGGBB

// What a read outside the picture returns. No picture colour has this value,
// so a search that runs off the edge finds nothing there.
inline constexpr Rgb kNoColour = 0xFFFFFFFFu;

class PixelMap {
 public:
  virtual ~PixelMap() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

  // Reads outside the picture give kNoColour; writes there are ignored, so no
  // caller has to trust the route drawn in a picture to stay inside it.
  Rgb Pixel(int x, int y) const { return Contains(x, y) ? (ReadPixel(x, y) & 0xFFFFFFu) : kNoColour; }
  void SetPixel(int x, int y, Rgb rgb) {
    if (Contains(x, y)) WritePixel(x, y, rgb & 0xFFFFFFu);
  }

 protected:
  // Called only for pixels inside the picture.
  virtual Rgb ReadPixel(int x, int y) const = 0;
  virtual void WritePixel(int x, int y, Rgb rgb) = 0;
};

}  // namespace tolva
