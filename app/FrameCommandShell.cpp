#include "app/FrameCommandShell.h"

#include <QMenu>

#include "app/AppState.h"
#include "app/CMainFrame.h"
#include "app/CTolvaViewWidget.h"
#include "app/QtHost.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CBackSet.h"
#include "dialogs/CHelpDlg.h"
#include "table/CTolvaView.h"
#include "table/SettingsSchema.h"

namespace tolva {

FrameCommandShell::FrameCommandShell(CMainFrame& frame, CTolvaViewWidget& window, AppState& app,
                                     QtHost& host, CTolvaView& view)
    : frame_(frame), window_(window), app_(app), host_(host), view_(view) {}

QWidget* FrameCommandShell::ViewWidget() { return &window_; }

QPointF FrameCommandShell::Scale() const { return {app_.ScaleX, app_.ScaleY}; }

void FrameCommandShell::SetScale(QPointF scale) {
  app_.ScaleX = static_cast<float>(scale.x());
  app_.ScaleY = static_cast<float>(scale.y());
}

// After a size change the window repaints all of itself (white outside the
// canvas), so there is no rectangle of dragged cards to forget.
void FrameCommandShell::ClearView() { window_.ScaleChanged(); }

void FrameCommandShell::ClearTooltip() { window_.ClearHoverText(); }

QSize FrameCommandShell::ResizeForScreenSize(int width) {
  // The table's window is the whole client area. A window manager may apply
  // the new size a little later; the size asked for is the one it gets.
  return frame_.ResizeForScreenSize(width);
}

void FrameCommandShell::CloseMainWindow() { frame_.close(); }

QAction* FrameCommandShell::ExecMenu(QMenu& menu, QPoint globalPos) {
  return host_.RunModal([&] { return menu.exec(globalPos); });
}

DialogServices FrameCommandShell::Services() const {
  QtHost& host = host_;
  return {[&host](std::string_view prefix, int stringId, MessageStyle style) {
            return host.ShowMessage(prefix, stringId, style);
          },
          [&host](int waveId) { host.PlayWave(waveId, false); }};
}

CardBackOutcome FrameCommandShell::RunCardBackCommand() {
  const DialogServices services = Services();
  CBackSet dialog({host_.Store(), window_.DrawingSurfaces(), services, view_.Table().Koukaon}, &frame_);
  const int result = host_.RunModal([&] { return dialog.exec(); });
  // The window's own rebuild blinks the progress mark while the strip is drawn.
  return FinishCardBackDialog(result, dialog.Changed,
                              [this] { return window_.RebuildCardBacks(true); }, services);
}

void FrameCommandShell::ShowHelpPage(std::string_view page, std::string_view title) {
  const DialogServices services = Services();
  host_.RunModal([&] {
    tolva::ShowHelpPage(page, title, services, &frame_);
    return 0;
  });
}

void FrameCommandShell::ShowChronicle() { frame_.ShowChronicle(); }

void FrameCommandShell::ShowAbout() {
  CAboutDlg about(&frame_);
  host_.RunModal([&] { return about.exec(); });
}

}  // namespace tolva
