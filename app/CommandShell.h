// What the commands need from the program's windows beyond the game's Host:
// the table's widget and its scale, the main frame's size and close, the
// tooltip, the pop-up menus' loop, and the dialogs. The main frame implements it;
// tests implement it with a recording double.
#pragma once

#include <string_view>

#include <QPoint>
#include <QPointF>
#include <QSize>

#include "dialogs/CardBackCommand.h"

class QAction;
class QMenu;
class QWidget;

namespace tolva {

class CommandShell {
 public:
  virtual ~CommandShell() = default;

  // --- the table's widget --------------------------------------------------------------
  // The widget the menus pop up over (the view).
  virtual QWidget* ViewWidget() = 0;
  // The program-wide canvas-to-window factors ScaleX and ScaleY.
  virtual QPointF Scale() const = 0;
  virtual void SetScale(QPointF scale) = 0;
  // Fills the view with white now; the next paint copies the canvas at the
  // current scale.
  virtual void ClearView() = 0;
  // Empties the hover help's text and takes down a tooltip on show.
  virtual void ClearTooltip() = 0;

  // --- the main frame -----------------------------------------------------------------------
  // Resizes the frame to the screen size `width` × width / 4 × 3, at the screen
  // origin and then centred on the screen, and returns the view's new size.
  // ("Gamen" is already stored: the frame's size limits read it.)
  virtual QSize ResizeForScreenSize(int width) = 0;
  // Closes the main window, which asks 30085 while a table is active.
  virtual void CloseMainWindow() = 0;

  // --- menus and dialogs --------------------------------------------------------------------
  // Runs a pop-up menu at a screen point until it closes; the chosen action,
  // or null. (The frame may hold the game's steps meanwhile.)
  virtual QAction* ExecMenu(QMenu& menu, QPoint globalPos);
  // The card back dialog and, when it saved a change, the forced rebuild of
  // the card backs and the hidden-hand strip (30061 when that fails).
  virtual CardBackOutcome RunCardBackCommand() = 0;
  // The help window on the page file `page` of the help folder, titled `title`.
  virtual void ShowHelpPage(std::string_view page, std::string_view title) = 0;
  virtual void ShowAbout() = 0;
  // The chronicle window, beside the table (the game goes on); raised when
  // it is open already.
  virtual void ShowChronicle() = 0;
};

}  // namespace tolva
