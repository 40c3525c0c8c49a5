// Places of dialog controls, kept in the dialog units the dialogs were laid out
// in and converted to pixels here: about 1.5 pixels per horizontal unit and 1.6
// per vertical one, which matches the 12-pixel Japanese fonts of the dialogs.
#pragma once

#include <QRect>
#include <QWidget>

namespace tolva {

inline constexpr double kPixelsPerUnitX = 1.5;
inline constexpr double kPixelsPerUnitY = 1.6;

constexpr int UnitsToPixelsX(int units) {
  return static_cast<int>(units * kPixelsPerUnitX + 0.5);
}
constexpr int UnitsToPixelsY(int units) {
  return static_cast<int>(units * kPixelsPerUnitY + 0.5);
}

// A rectangle in dialog units (left, top, width, height) as pixels.
inline QRect UnitRect(int x, int y, int w, int h) {
  return QRect(UnitsToPixelsX(x), UnitsToPixelsY(y), UnitsToPixelsX(w), UnitsToPixelsY(h));
}

// Places a control at a rectangle in dialog units. A control whose text needs
// more room than the units give it (a check box laid out one text line high,
// a button's picture beside its text) grows to its size hint: wider to the
// right, taller about the same middle line, so that no glyph is cut.
void PlaceControl(QWidget& control, int x, int y, int w, int h);

}  // namespace tolva
