// The world map picture as the campaign reads and marks it: the pixels of the
// table window's map surface, so that every mark shows the next time the map
// is painted.
#pragma once

#include <QImage>

#include "table/PixelMap.h"

namespace tolva {

class QImagePixelMap : public PixelMap {
 public:
  // The image must outlive this; it may be replaced (loaded) meanwhile.
  explicit QImagePixelMap(QImage& image) : image_(image) {}

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }

 protected:
  Rgb ReadPixel(int x, int y) const override { return image_.pixel(x, y) & 0xFFFFFFu; }
  void WritePixel(int x, int y, Rgb rgb) override { image_.setPixel(x, y, 0xFF000000u | rgb); }

 private:
  QImage& image_;
};

}  // namespace tolva
