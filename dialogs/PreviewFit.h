// Where the 151 x 215 card back picture is drawn inside a preview area of the
// card back dialog: at its own size and centred when the area is larger, else
// scaled down to fit with its proportions kept and centred the other way.
#pragma once

#include <QRect>

namespace tolva {

QRect FitCardPicture(const QRect& area);

}  // namespace tolva
