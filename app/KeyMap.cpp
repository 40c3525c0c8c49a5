#include "app/KeyMap.h"

#include <Qt>

namespace tolva {

std::optional<HumanKey> HumanKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Up: return HumanKey::Up;
    case Qt::Key_Down: return HumanKey::Down;
    case Qt::Key_Left: return HumanKey::Left;
    case Qt::Key_Right: return HumanKey::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter: return HumanKey::Enter;
    case Qt::Key_Space: return HumanKey::Space;
    case Qt::Key_Backspace: return HumanKey::Backspace;
    case Qt::Key_Escape: return HumanKey::Escape;
    case Qt::Key_1: return HumanKey::Digit1;
    case Qt::Key_2: return HumanKey::Digit2;
    case Qt::Key_3: return HumanKey::Digit3;
    default: return std::nullopt;
  }
}

}  // namespace tolva
