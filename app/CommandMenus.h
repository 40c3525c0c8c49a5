// The program's commands: the four pop-up menus under the table's buttons,
// the world map's pop-up, the function keys F1 to F10, and what each command
// does. The table's widget opens a pop-up with ShowCommandMenu(index) (its
// icons, and the game through Host::ShowCommandMenu); the main window's
// function keys and the chosen menu items all end in RunCommand(id).
//
//   CommandMenus commands(view, host, shell);
//   commands.ShowCommandMenu(kMenuSettings);   // a button of the table
//   commands.RunCommand(kFunctionKeyCommands[6]);  // F7
//
// A pop-up's checks and greys are worked out afresh each time it opens; a
// command checks its condition again when it runs, since the game goes on
// while a menu is open.
#pragma once

#include <memory>

#include <QPoint>

#include "app/CommandShell.h"
#include "app/MenuModel.h"

class QMenu;
class QWidget;

namespace tolva {

class CTolvaView;
class Host;

class CommandMenus {
 public:
  CommandMenus(CTolvaView& view, Host& host, CommandShell& shell);
  CommandMenus(const CommandMenus&) = delete;
  CommandMenus& operator=(const CommandMenus&) = delete;

  // --- the pop-ups ----------------------------------------------------------------------
  // Shows pop-up `index` (0 start, 1 settings, 2 help, 3 declarations) at the
  // view's point (int(10 × ScaleX), int(52 × ScaleY)) and, once it has closed,
  // runs the chosen command. An index without a menu shows nothing.
  void ShowCommandMenu(int index);
  // The world map's pop-up at a screen point (the right button's release).
  void ShowMapMenu(QPoint globalPos);

  // What the pop-ups hold now, and the menus built from it (for showing and
  // for tests); null for an index without a menu.
  MenuState CurrentState() const;
  std::unique_ptr<QMenu> BuildCommandMenu(int index) const;
  std::unique_ptr<QMenu> BuildMapMenu() const;
  // Where pop-up menus open: the view's client point under the buttons.
  QPoint CommandMenuPoint() const;

  // --- the commands -----------------------------------------------------------------------
  // Runs command `id` (CommandIds.h); an unknown id does nothing.
  void RunCommand(int id);

 private:
  // Shows `menu` at a screen point and runs the command chosen in it.
  void PopUp(QMenu& menu, QPoint globalPos);

  // OptionCommands.cpp
  void ToggleOpenMode();
  void ToggleKoukaon();
  void ToggleRuleRem();
  void ToggleDspRem();
  void ToggleAutoStart();
  void SetManSpeed(int speed);
  void SetCardSpeed(int speed);
  void SetPonSpeed(int speed);
  void SetTolvaRate(int rate);
  void SetJokerCount(int jokers);
  void SetScreenSize(int width);
  void ChangeCardBack();

  CTolvaView& view_;
  Host& host_;
  CommandShell& shell_;
};

// The canvas-to-window factors for a view of `client` size: width / 1200 and
// height / 900. A view without area (the frame could not be sized) keeps the
// factors of the window size asked for, `width` × width / 4 × 3, so that the
// pointer arithmetic never divides by zero.
QPointF ScaleForClient(QSize client, int width);

}  // namespace tolva
