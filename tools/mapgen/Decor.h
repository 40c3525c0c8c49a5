// The ornaments of the map: the title cartouche, the compass rose, the
// legend panel with its scale bar, and the frame round the sheet. Each
// returns the rectangle it covers, so the names keep clear of it.
#pragma once

#include <QImage>
#include <QRect>

namespace tolva::mapgen {

QRect PaintCartouche(QImage& map);
QRect PaintCompass(QImage& map, QPoint centre, int radius);
QRect PaintLegendPanel(QImage& map);  // the key-colour samples are stamped later
void PaintFrame(QImage& map);

}  // namespace tolva::mapgen
