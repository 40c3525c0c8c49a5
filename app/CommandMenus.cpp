#include "app/CommandMenus.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "app/CommandIds.h"
#include "app/MenuBuilder.h"
#include "table/CTolvaView.h"
#include "table/Canvas.h"
#include "table/Host.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {

// Position of a command in one of the command tables, or -1.
template <std::size_t N>
int IndexIn(const std::array<int, N>& ids, int id) {
  const auto found = std::find(ids.begin(), ids.end(), id);
  return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
}

constexpr int kMenuPointX = 10;  // canvas point under the buttons
constexpr int kMenuPointY = 52;

}  // namespace

CommandMenus::CommandMenus(CTolvaView& view, Host& host, CommandShell& shell)
    : view_(view), host_(host), shell_(shell) {}

MenuState CommandMenus::CurrentState() const {
  const Settings settings(host_.Store());
  const TableState& t = view_.Table();
  const FlowDisplay flow = view_.Display();
  MenuState s;
  s.tableActive = flow.TableActive != 0;
  s.startUpDone = flow.Initialising == 0;
  s.gameNo = t.GameNo;
  s.mapShown = flow.MapShown != 0;
  s.openMode = t.OpenMode;
  s.koukaon = t.Koukaon;
  s.ruleRem = t.RuleRem;
  s.dspRem = t.DspRem;
  s.manSpeed = t.ManSpeed;
  s.cardSpeed = t.CardSpeed;
  s.ponSpeed = t.PonSpeed;
  s.autoStart = settings.AutoStart();
  s.tolvaRitu = settings.TolvaRitu();
  s.joker = settings.Joker();
  s.gamen = settings.Gamen();
  s.reachAllowed = view_.DeclarationAllowed(Declaration::Reach);
  s.tolvaAllowed = view_.DeclarationAllowed(Declaration::Tolva);
  s.seventyAllowed = view_.DeclarationAllowed(Declaration::Seventy);
  return s;
}

std::unique_ptr<QMenu> CommandMenus::BuildCommandMenu(int index) const {
  const MenuItems items = CommandMenu(index, CurrentState());
  if (items.empty()) return nullptr;
  auto menu = std::make_unique<QMenu>(shell_.ViewWidget());
  FillMenu(*menu, items);
  return menu;
}

std::unique_ptr<QMenu> CommandMenus::BuildMapMenu() const {
  auto menu = std::make_unique<QMenu>(shell_.ViewWidget());
  FillMenu(*menu, MapMenu(view_.MapZoom));
  return menu;
}

QPoint CommandMenus::CommandMenuPoint() const {
  const QPointF scale = shell_.Scale();
  return {static_cast<int>(kMenuPointX * scale.x()), static_cast<int>(kMenuPointY * scale.y())};
}

void CommandMenus::ShowCommandMenu(int index) {
  QWidget* view = shell_.ViewWidget();
  std::unique_ptr<QMenu> menu = BuildCommandMenu(index);
  if (view == nullptr || menu == nullptr) return;
  PopUp(*menu, view->mapToGlobal(CommandMenuPoint()));
}

void CommandMenus::ShowMapMenu(QPoint globalPos) {
  std::unique_ptr<QMenu> menu = BuildMapMenu();
  PopUp(*menu, globalPos);
}

void CommandMenus::PopUp(QMenu& menu, QPoint globalPos) {
  // The command runs once the menu has closed, so a command's dialog or
  // message box never opens over it.
  const int id = CommandOf(shell_.ExecMenu(menu, globalPos));
  if (id != 0) RunCommand(id);
}

QAction* CommandShell::ExecMenu(QMenu& menu, QPoint globalPos) { return menu.exec(globalPos); }

void CommandMenus::RunCommand(int id) {
  switch (id) {
    // --- start ---------------------------------------------------------------------------
    case kCmdStartGame:
      // Greyed while a game is on the table, and until the start-up step has
      // checked the purse and prepared the card backs.
      if (!view_.TableActive && !view_.Initialising) view_.StartGame();
      return;
    case kCmdExit: shell_.CloseMainWindow(); return;

    // --- settings ---------------------------------------------------------------------------
    case kCmdOpenMode: ToggleOpenMode(); return;
    case kCmdKoukaon: ToggleKoukaon(); return;
    case kCmdRuleRem: ToggleRuleRem(); return;
    case kCmdDspRem: ToggleDspRem(); return;
    case kCmdAutoStart: ToggleAutoStart(); return;
    case kCmdWorldMap: view_.ToggleMap(); return;
    case kCmdResetMap: view_.MapResetCommand(); return;
    case kCmdCardBack: ChangeCardBack(); return;

    // --- help ------------------------------------------------------------------------------
    case kCmdHelpRules:
      shell_.ShowHelpPage("tolvagame_rule.html", "トルヴァゲームのルール");
      return;
    case kCmdHelpControls:
      shell_.ShowHelpPage("tolvagame_sousa.html", "トルヴァゲームの操作方法");
      return;
    case kCmdChronicle: shell_.ShowChronicle(); return;
    case kCmdAbout: shell_.ShowAbout(); return;

    // --- declarations -----------------------------------------------------------------------
    case kCmdReach: view_.DeclareReach(); return;
    case kCmdTolva: view_.DeclareTolva(); return;
    case kCmdSeventy: view_.DeclareSeventy(); return;

    // --- the other function keys ---------------------------------------------------------------
    case kCmdStartMenu: ShowCommandMenu(kMenuStart); return;
    case kCmdSettingsMenu: ShowCommandMenu(kMenuSettings); return;
    case kCmdHelpMenu: ShowCommandMenu(kMenuHelp); return;
    case kCmdDeclarationMenu: ShowCommandMenu(kMenuDeclarations); return;
    case kCmdAngleUp: view_.AngleUp(); return;      // both only while a table is active
    case kCmdAngleDown: view_.AngleDown(); return;
    case kCmdDrawFromStock: view_.DrawFromStock(); return;
    case kCmdTakeFromRiver: view_.TakeFromRiver(); return;
    default: break;
  }

  // The choices: speeds, Tolva rate, jokers, screen sizes, map zoom.
  if (const int i = IndexIn(kCmdManSpeed, id); i >= 0) return SetManSpeed(i + 1);
  if (const int i = IndexIn(kCmdCardSpeed, id); i >= 0) return SetCardSpeed(i + 1);
  if (const int i = IndexIn(kCmdPonSpeed, id); i >= 0) return SetPonSpeed(i + 1);
  if (const int i = IndexIn(kCmdTolvaRate, id); i >= 0) return SetTolvaRate(i + 1);
  if (const int i = IndexIn(kCmdJoker, id); i >= 0) return SetJokerCount(kJokerCounts[i]);
  if (const int i = IndexIn(kCmdScreenSize, id); i >= 0) return SetScreenSize(kScreenWidths[i]);
  if (const int i = IndexIn(kCmdMapZoom, id); i >= 0) return view_.SetMapZoom(i + 1);
}

QPointF ScaleForClient(QSize client, int width) {
  if (client.width() <= 0 || client.height() <= 0) client = QSize(width, width / 4 * 3);
  return {client.width() / static_cast<double>(kCanvasWidth),
          client.height() / static_cast<double>(kCanvasHeight)};
}

}  // namespace tolva
