// Turns a menu's items (MenuModel.h) into the actions of a QMenu. Each command
// action carries its command number as its data; a tab in an item's text puts
// the key hint into the menu's shortcut column, and "&" marks the mnemonic, as
// QMenu shows them itself.
#pragma once

#include "app/MenuModel.h"

class QAction;
class QMenu;

namespace tolva {

// Appends the items to `menu`; pop-ups become sub-menus owned by it.
void FillMenu(QMenu& menu, const MenuItems& items);

// The command an action of such a menu gives; 0 for none.
int CommandOf(const QAction* action);

}  // namespace tolva
