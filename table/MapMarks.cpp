#include "table/MapMarks.h"

namespace tolva {

bool MapMarks::Attach(PixelMap& picture) {
  if (picture_ == &picture) return false;
  picture_ = &picture;
  changes_.clear();
  return true;
}

void MapMarks::WritePixel(int x, int y, Rgb rgb) {
  const Rgb before = picture_->Pixel(x, y);
  if (before == rgb) return;
  changes_.push_back({x, y, before});
  picture_->SetPixel(x, y, rgb);
}

void MapMarks::EraseMarksSince(std::size_t mark) {
  // Latest first, so a pixel changed twice ends with its first colour.
  while (changes_.size() > mark) {
    const Change change = changes_.back();
    changes_.pop_back();
    picture_->SetPixel(change.x, change.y, change.before);
  }
}

}  // namespace tolva
