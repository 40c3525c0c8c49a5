// Small helpers for looking at decoded pictures in tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

namespace tolva::testing {

// The embedded picture at ":/" + path, decoded as the program decodes it.
QImage Embedded(const QString& path);

// How many pixels of `area` satisfy `test`.
int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test);

bool IsColour(QRgb pixel, const QColor& colour);
bool IsDarkInk(QRgb pixel);  // black or near black, as spades and clubs are printed
bool IsRedInk(QRgb pixel);   // the red of hearts and diamonds

}  // namespace tolva::testing
