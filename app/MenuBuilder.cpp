#include "app/MenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QString>
#include "dialogs/QtText.h"

namespace tolva {

void FillMenu(QMenu& menu, const MenuItems& items) {
  for (const MenuItem& item : items) {
    const QString text = Tr(text_context::kMenus, item.text);
    switch (item.kind) {
      case MenuItem::Kind::Separator:
        menu.addSeparator();
        break;
      case MenuItem::Kind::Popup:
        FillMenu(*menu.addMenu(text), item.items);
        break;
      case MenuItem::Kind::Command: {
        QAction* action = menu.addAction(text);
        action->setData(item.id);
        // Only a checked item is checkable: an unchecked one shows no box,
        // as a menu item without a check mark.
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        break;
      }
    }
  }
}

int CommandOf(const QAction* action) {
  if (action == nullptr) return 0;
  bool ok = false;
  const int id = action->data().toInt(&ok);
  return ok ? id : 0;
}

}  // namespace tolva
