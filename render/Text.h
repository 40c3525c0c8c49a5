// The canvas texts: purses, the stock count, the key labels and the angle, in
// IPAGothic (the metric twin of "ＭＳ ゴシック"), blue, on a transparent background.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

#include "render/Geometry.h"

namespace tolva {

QFont CanvasFont();

// The box a text takes when its top-left corner is at (x, y).
Rect TextBox(const QFont& font, int x, int y, const QString& text);

// Draws the text with its top-left corner at (x, y) and answers its box.
Rect DrawCanvasText(QPainter& painter, int x, int y, const QString& text);

}  // namespace tolva
