// Pictures the table copies with a key colour: every pixel is either exactly
// the key (transparent) or a colour that is certainly not the key.
#pragma once

#include <QColor>
#include <QImage>

namespace tolva::picturegen {

// Flattens `art` (drawn with transparency) onto `key`. Pixels less opaque than
// `threshold` (0..255) become the key. The others are laid over `matte`, so
// their antialiased fringe blends into the matte instead of into the key; a
// mostly opaque pixel that happens to equal the key is moved one step off it.
QImage OnKey(const QImage& art, const QColor& key, const QColor& matte, int threshold = 128);

}  // namespace tolva::picturegen
