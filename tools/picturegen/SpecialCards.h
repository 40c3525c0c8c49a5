// The joker strip (bitmap 146: six 151-wide pictures, the first the joker
// the table draws) and the default card back (bitmap 147).
#pragma once

#include <QImage>

namespace tolva::picturegen {

// 906 x 215, opaque: the comedy-mask joker first, then a tragedy-mask joker,
// a joker with both masks, and three emblem cards of the same style.
QImage JokerStrip(int density = 1);

// One 151 x 215 picture of the strip (0..5).
QImage SpecialCard(int index, int density = 1);

// 151 x 215, opaque: deep blue with gold meander and the royal sun in a
// laurel wreath, the same when turned half round. The corners outside the
// rounded card are the hidden-hand strip's key colour (255, 247, 255), so the
// fanned backs keep their round corners; on the stock they read as the white
// border.
QImage DefaultCardBack(int density = 1);

}  // namespace tolva::picturegen
