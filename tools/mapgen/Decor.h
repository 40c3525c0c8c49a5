// The ornaments of the map: the title cartouche, the compass rose, the
// legend panel with its scale bar, and the frame round the sheet. Each
// returns the rectangle it covers, so the names keep clear of it.
#pragma once

#include <QImage>
#include <QRect>

#include "MapWords.h"

namespace tolva::mapgen {

// The words are drawn in `words`' language; English ones are made smaller
// where they would not fit their place.
QRect PaintCartouche(QImage& map, const MapWords& words);
QRect PaintCompass(QImage& map, QPoint centre, int radius, const MapWords& words);
QRect PaintLegendPanel(QImage& map, const MapWords& words);  // the key-colour samples are stamped later
void PaintFrame(QImage& map);

}  // namespace tolva::mapgen
