#include "app/HoverTips.h"

#include <QPalette>
#include <QToolTip>

namespace tolva {

void UseHoverHelpColours() {
  QPalette palette = QToolTip::palette();
  palette.setColor(QPalette::ToolTipBase, kHoverBackground);
  palette.setColor(QPalette::ToolTipText, kHoverText);
  // The tooltip label paints its text in WindowText and its panel in Window
  // under some styles.
  palette.setColor(QPalette::Window, kHoverBackground);
  palette.setColor(QPalette::WindowText, kHoverText);
  QToolTip::setPalette(palette);
}

}  // namespace tolva
