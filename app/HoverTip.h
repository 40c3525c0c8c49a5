// The hover help's one tip over the table's window. Its text lasts: over a
// part of the table that has no text of its own the tip keeps the text it
// had. But a tip is only ever popped up over a part it describes; once it has
// gone (its five seconds are over, a press hid it, or the pointer left the
// window), the old text does not come back at some unrelated place.
//
// The tip is a window of its own rather than QToolTip's shared one: that one
// catches the pointer when the pointer moves onto it (the table then gets no
// moves, so a rest under the old tip shows nothing), hides itself on any
// Leave anywhere in the program only 300 ms later, and ignores the same text
// shown again meanwhile. This one lets the pointer through to the table,
// hides at once, and shows again whenever it is asked to.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <optional>

class QLabel;
class QWidget;

namespace tolva {

class HoverTip {
 public:
  explicit HoverTip(QWidget& owner);

  // The pointer moved to `global`; `text` is the text of the part under it,
  // none when that part has no text.
  void PointerAt(QPoint global, const std::optional<QString>& text);
  // The pointer left the window, or pressed: the tip goes, its text stays.
  void Hide();
  // The text is forgotten as well (the option is off, the focus is lost).
  void Clear();
  const QString& Text() const { return text_; }
  // The tip is on the screen.
  bool Shown() const;
  // Where it is on the screen (empty while it is not shown).
  QRect ShownGeometry() const;

 private:
  void ShowAt(QPoint global);

  QWidget& owner_;
  QLabel* label_;  // a child of the owner: it goes with the table's window
  QTimer expiry_;
  QString text_;
};

}  // namespace tolva
