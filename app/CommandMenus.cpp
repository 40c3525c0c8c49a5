// So far only the start pop-up has its items; the settings, help and
// declaration pop-ups are filled in with the menu commands.
#include "app/CommandMenus.h"

#include <QMenu>

#include "app/CMainFrame.h"
#include "table/CTolvaView.h"

namespace tolva {

namespace {

void FillStartMenu(QMenu& menu, const CommandContext& context) {
  QAction* start = menu.addAction(QStringLiteral("ゲーム開始(&P)"));
  start->setEnabled(!context.view.TableActive);
  QObject::connect(start, &QAction::triggered, &menu, [&view = context.view] {
    if (!view.TableActive) view.StartGame();
  });
  menu.addSeparator();
  QAction* quit = menu.addAction(QStringLiteral("ゲーム終了(&X)"));
  QObject::connect(quit, &QAction::triggered, &menu, [&frame = context.frame] { frame.close(); });
}

}  // namespace

void FillCommandMenu(QMenu& menu, int index, const CommandContext& context) {
  if (index == 0) FillStartMenu(menu, context);
}

}  // namespace tolva
