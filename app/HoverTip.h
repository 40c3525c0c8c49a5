// The hover help's one tooltip over the table's window. Its text lasts: over
// a part of the table that has no text of its own the tip keeps the text it
// had. But a tip is only ever popped up over a part it describes; once it has
// gone (its five seconds are over, a press hid it, or the pointer left the
// window), the old text does not come back at some unrelated place.
#pragma once

#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace tolva {

class HoverTip {
 public:
  explicit HoverTip(QWidget& owner) : owner_(owner) {}

  // The pointer moved to `global`; `text` is the text of the part under it,
  // none when that part has no text.
  void PointerAt(QPoint global, const std::optional<QString>& text);
  // The pointer left the window, or pressed: the tip goes, its text stays.
  void Hide();
  // The text is forgotten as well (the option is off, the focus is lost).
  void Clear();
  const QString& Text() const { return text_; }

 private:
  QWidget& owner_;
  QString text_;
};

}  // namespace tolva
