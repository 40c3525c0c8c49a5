// The four command pop-ups the icons and F1, F2, F3, F6 open under the icons:
// 0 start, 1 settings, 2 help, 3 declarations. The table's window makes an
// empty QMenu, asks FillCommandMenu for its items, and shows it at the window
// point (int(10 x ScaleX), int(52 x ScaleY)); the command of the chosen item runs
// from the item's signal after the menu has closed.
#pragma once

class QMenu;

namespace tolva {

class CMainFrame;
class CTolvaView;
class CTolvaViewWidget;
class SettingsStore;
struct AppState;

// Everything a command may act on.
struct CommandContext {
  CTolvaView& view;
  CTolvaViewWidget& window;
  CMainFrame& frame;
  SettingsStore& store;
  AppState& app;
};

// Puts the items of pop-up `index` into `menu`, with their check marks and
// grey-outs from the state as it stands, connected to their commands. An index
// outside 0 .. 3 leaves the menu empty (it is then not shown).
void FillCommandMenu(QMenu& menu, int index, const CommandContext& context);

}  // namespace tolva
