#include "dialogs/DialogUnits.h"

namespace tolva {

void PlaceControl(QWidget& control, int x, int y, int w, int h) {
  QRect place = UnitRect(x, y, w, h);
  const QSize hint = control.sizeHint();
  if (hint.width() > place.width()) place.setWidth(hint.width());
  const int needed = hint.height();
  if (needed > place.height()) {
    place.setTop(place.top() - (needed - place.height()) / 2);
    place.setHeight(needed);
  }
  control.setGeometry(place);
}

}  // namespace tolva
