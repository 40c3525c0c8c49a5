// Whether the bytes of a picture file run to their proper end. Some decoders
// return a grey-filled picture for a file that is cut short (JPEG, BMP); the
// game refuses such a file instead of showing half a picture.
#pragma once

#include <QByteArray>

namespace tolva {

// format is the decoder's name for the content ("jpeg", "png", "gif", "bmp",
// ...). Formats without a check here count as complete; their decoders fail
// on a short file by themselves.
bool LooksComplete(const QByteArray& data, const QByteArray& format);

}  // namespace tolva
