// Picture files for the card back tests, made here rather than by the game's
// own encoders: two-colour pictures, a GIF written byte by byte, and headers
// that claim a size the file does not hold.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tolva::testing {

// A picture of two colours, `top` over `bottom`, so that whatever shows it can
// tell both that it is this picture and which way up it stands.
QImage TwoColours(QRgb top, QRgb bottom, int w = 240, int h = 320);

// The same picture as a GIF: a four-colour palette and LZW codes kept at three
// bits by a clear code before every pair of pixels, so no code table grows.
QByteArray TwoColourGif(QRgb top, QRgb bottom, int w, int h);

// The picture encoded by Qt's writer for `format` ("jpeg", "png", "bmp", "tiff").
QByteArray Encoded(const QImage& image, const char* format);

// A small file of the format whose header says it is w x h pixels (JPEG and
// GIF hold at most 65535 a side). Empty when the header could not be found.
QByteArray ClaimingSize(const char* format, quint32 w, quint32 h);

}  // namespace tolva::testing
