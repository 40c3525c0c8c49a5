// The commands' view of the program's windows: the main frame, the table's
// window and the application's shared values, with the dialogs run modally
// (the game's steps held meanwhile, as for every modal window of the program).
#pragma once

#include "app/CommandShell.h"

namespace tolva {

struct AppState;
class CMainFrame;
class CTolvaView;
class CTolvaViewWidget;
class QtHost;

class FrameCommandShell : public CommandShell {
 public:
  FrameCommandShell(CMainFrame& frame, CTolvaViewWidget& window, AppState& app, QtHost& host,
                    CTolvaView& view);

  QWidget* ViewWidget() override;
  QPointF Scale() const override;
  void SetScale(QPointF scale) override;
  void ClearView() override;
  void ClearTooltip() override;
  QSize ResizeForScreenSize(int width) override;
  void CloseMainWindow() override;
  QAction* ExecMenu(QMenu& menu, QPoint globalPos) override;
  CardBackOutcome RunCardBackCommand() override;
  void ShowHelpPage(std::string_view page, std::string_view title) override;
  void ShowAbout() override;
  void ShowChronicle() override;

 private:
  DialogServices Services() const;

  CMainFrame& frame_;
  CTolvaViewWidget& window_;
  AppState& app_;
  QtHost& host_;
  CTolvaView& view_;
};

}  // namespace tolva
