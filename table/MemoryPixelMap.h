// A PixelMap held in memory: the map generator's working copy and the tests'
// hand-made pictures.
#pragma once

#include <vector>

#include "table/PixelMap.h"

namespace tolva {

class MemoryPixelMap final : public PixelMap {
 public:
  // Sides are clamped to 0 … kMaxSide, so a wrong size cannot allocate
  // without bound.
  static constexpr int kMaxSide = 8192;

  MemoryPixelMap(int width, int height, Rgb fill = 0xFFFFFF);

  int Width() const override { return width_; }
  int Height() const override { return height_; }

  // Row-major pixels, for comparing whole pictures.
  const std::vector<Rgb>& Pixels() const { return pixels_; }

  friend bool operator==(const MemoryPixelMap& a, const MemoryPixelMap& b) {
    return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
  }

 protected:
  Rgb ReadPixel(int x, int y) const override { return pixels_[Index(x, y)]; }
  void WritePixel(int x, int y, Rgb rgb) override { pixels_[Index(x, y)] = rgb; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace tolva
