// A CommandShell for command tests: a plain widget stands for the table's
// view, the frame reports a chosen client size, pop-ups and dialogs answer as
// set, and every call is recorded in order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QPointF>
#include <QSize>
#include <QWidget>

#include "app/CommandShell.h"
#include "tests/app/support/MenuText.h"

namespace tolva::testing {

class RecordingShell : public CommandShell {
 public:
  RecordingShell() { widget.resize(1200, 900); }

  QWidget widget;
  QPointF scale{1.0, 1.0};
  QSize clientAfterResize{1200, 900};  // what the frame reports after a resize
  std::function<void()> onResize;      // runs when the frame is asked to resize
  CardBackOutcome cardBack = CardBackOutcome::Rebuilt;  // how the card back command ends
  // A pop-up is not run but answered: the item of this command is chosen
  // (0: closed without a choice), and the menu's lines and place are kept.
  bool answerMenus = true;
  int chooseCommand = 0;
  std::vector<std::string> lastMenu;
  QPoint lastMenuAt;
  std::vector<std::string> calls;

  QAction* ExecMenu(QMenu& menu, QPoint globalPos) override {
    if (!answerMenus) return CommandShell::ExecMenu(menu, globalPos);
    calls.push_back("Menu");
    lastMenu = DescribeMenu(menu);
    lastMenuAt = globalPos;
    return chooseCommand != 0 ? FindCommand(menu, chooseCommand) : nullptr;
  }

  QWidget* ViewWidget() override { return &widget; }
  QPointF Scale() const override { return scale; }
  void SetScale(QPointF s) override {
    scale = s;
    calls.push_back("SetScale");
  }
  void ClearView() override { calls.push_back("ClearView"); }
  void ClearTooltip() override { calls.push_back("ClearTooltip"); }
  QSize ResizeForScreenSize(int width) override {
    calls.push_back("Resize " + std::to_string(width));
    if (onResize) onResize();
    return clientAfterResize;
  }
  void CloseMainWindow() override { calls.push_back("Close"); }
  CardBackOutcome RunCardBackCommand() override {
    calls.push_back("CardBack");
    return cardBack;
  }
  void ShowHelpPage(std::string_view page, std::string_view title) override {
    calls.push_back("Help " + std::string(page) + " " + std::string(title));
  }
  void ShowAbout() override { calls.push_back("About"); }
  void ShowChronicle() override { calls.push_back("Chronicle"); }
};

}  // namespace tolva::testing
