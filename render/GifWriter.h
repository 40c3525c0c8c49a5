// A GIF89a encoder (Qt reads GIF but has no writer for it): one frame, a
// palette of at most 256 colours chosen by Qt's indexed conversion, LZW data.
#pragma once

#include <QIODevice>
#include <QImage>

namespace tolva {

bool WriteGif(QIODevice& device, const QImage& picture);

}  // namespace tolva
