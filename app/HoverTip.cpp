#include "app/HoverTip.h"

#include <QToolTip>
#include <QWidget>

namespace tolva {

namespace {
constexpr int kShownMs = 5000;
}  // namespace

void HoverTip::PointerAt(QPoint global, const std::optional<QString>& text) {
  if (!text) return;  // a shown tip stays as it is; a gone one stays gone
  if (*text == text_ && QToolTip::isVisible() && QToolTip::text() == text_) return;
  text_ = *text;
  if (text_.isEmpty()) {
    QToolTip::hideText();
    return;
  }
  QToolTip::showText(global, text_, &owner_, QRect(), kShownMs);
}

void HoverTip::Hide() { QToolTip::hideText(); }

void HoverTip::Clear() {
  text_.clear();
  QToolTip::hideText();
}

}  // namespace tolva
