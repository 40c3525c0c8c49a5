#include "dialogs/PreviewFit.h"

#include "render/Geometry.h"

namespace tolva {

QRect FitCardPicture(const QRect& area) {
  const int aw = area.width();
  const int ah = area.height();
  if (aw <= 0 || ah <= 0) return QRect(area.topLeft(), QSize(0, 0));
  if (aw >= kCardWidth + 1 && ah >= kCardHeight + 1) {
    return QRect(area.left() + (aw - kCardWidth) / 2, area.top() + (ah - kCardHeight) / 2,
                 kCardWidth, kCardHeight);
  }
  if (static_cast<double>(ah) / kCardHeight > static_cast<double>(aw) / kCardWidth) {
    const int height = static_cast<int>(static_cast<double>(aw) / kCardWidth * kCardHeight);
    return QRect(area.left(), area.top() + (ah - height) / 2, aw, height);
  }
  const int width = static_cast<int>(static_cast<double>(ah) / kCardHeight * kCardWidth);
  return QRect(area.left() + (aw - width) / 2, area.top(), width, ah);
}

}  // namespace tolva
