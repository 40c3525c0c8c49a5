#include "render/Geometry.h"

namespace tolva {

Rect ToWindow(const Rect& r, float scaleX, float scaleY) {
  Rect w;
  w.left = static_cast<int>(static_cast<float>(r.left) * scaleX);
  w.top = static_cast<int>(static_cast<float>(r.top) * scaleY);
  w.right = w.left + static_cast<int>(static_cast<float>(r.Width()) * scaleX);
  w.bottom = w.top + static_cast<int>(static_cast<float>(r.Height()) * scaleY);
  return w;
}

}  // namespace tolva
