// The world map picture as the campaign paints it. Every pixel the route
// tracing changes goes through here and is recorded with the colour it had,
// so the marks of this run can be taken off again: a campaign that is reset
// within the run sends the king back to the starting city on a clean map.
#pragma once

#include <cstddef>
#include <vector>

#include "table/PixelMap.h"

namespace tolva {

class MapMarks final : public PixelMap {
 public:
  // The picture to paint on. Another picture than the last one starts a
  // fresh record (the old record belongs to the old picture) and answers true.
  bool Attach(PixelMap& picture);

  int Width() const override { return picture_ != nullptr ? picture_->Width() : 0; }
  int Height() const override { return picture_ != nullptr ? picture_->Height() : 0; }

  // Pixels changed and not erased (each change counted once); a mark to
  // erase back to.
  std::size_t Changes() const { return changes_.size(); }
  // Gives the pixels changed since Changes() was `mark` the colours they had
  // then; EraseMarks() takes off every mark of this run.
  void EraseMarksSince(std::size_t mark);
  void EraseMarks() { EraseMarksSince(0); }

 protected:
  Rgb ReadPixel(int x, int y) const override { return picture_->Pixel(x, y); }
  void WritePixel(int x, int y, Rgb rgb) override;

 private:
  struct Change {
    int x;
    int y;
    Rgb before;
  };
  PixelMap* picture_ = nullptr;
  // The tracing only ever turns route pixels travelled and city pixels
  // conquered, so a pixel changes at most twice and the record stays within
  // twice the picture's size.
  std::vector<Change> changes_;
};

}  // namespace tolva
