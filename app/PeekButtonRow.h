// The row of the four peek buttons on the table's window, beside the icons at
// the top left: each shows its seat's coin from bitmap 166 with the command's
// tooltip, and a click gives its peek command. The buttons never take the
// keyboard focus from the table.
#pragma once

#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>

namespace tolva {

class PeekButtonRow : public QWidget {
 public:
  explicit PeekButtonRow(std::function<void(int command)> onCommand, QWidget* parent = nullptr);

  // Puts the row at its place beside the icons and gives its buttons their
  // size, both scaled with the window as the icons are (a tile of 26 canvas
  // pixels holding a coin of 16).
  void Place(float scaleX, float scaleY);

  // The buttons from left to right (kPeekCommands' order).
  QToolButton& Button(int i) { return *buttons_.at(static_cast<size_t>(i)); }

 private:
  std::array<QToolButton*, 4> buttons_{};
};

}  // namespace tolva
