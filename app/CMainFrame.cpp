#include "app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstddef>

#include "app/AppState.h"
#include "app/CTolvaViewWidget.h"
#include "app/CommandIds.h"
#include "app/CommandMenus.h"
#include "app/FrameCommandShell.h"
#include "app/PeekProbe.h"
#include "app/PeekWindow.h"
#include "app/QtHost.h"
#include "dialogs/COpenning.h"
#include "res/StringTable.h"
#include "table/CTolvaView.h"
#include "table/PeekChannel.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {

constexpr int kCanvasW = 1200;
constexpr int kCanvasH = 900;
constexpr QSize kPeekClient(kPeekStartWidth, kPeekStartHeight);
constexpr int kCloseRetryMs = 50;
// The window manager frames a new window a moment after it is shown; then the
// peek window is brought back inside the desktop's corner.
constexpr int kPeekFramedMs = 300;

}  // namespace

QSize CMainFrame::ClientSizeFor(int gamen) { return {gamen, gamen / 4 * 3}; }

CMainFrame::CMainFrame(AppState& app, SettingsStore& store, std::optional<int> desktopHeight,
                       QWidget* parent)
    : QMainWindow(parent), app_(app), store_(store) {
  host_ = std::make_unique<QtHost>(store_, *this, [this] { Quit(); });
  view_ = std::make_unique<CTolvaView>(*host_);
  window_ = new CTolvaViewWidget(app_, *view_, *host_, this);
  commandShell_ = std::make_unique<FrameCommandShell>(*this, *window_, app_, *host_, *view_);
  commands_ = std::make_unique<CommandMenus>(*view_, *host_, *commandShell_);
  window_->AttachCommands(*commands_);
  host_->AttachView(*view_);
  host_->AttachWindow(*window_);
  host_->SetCourseSelection([this] {
    COpenning dialog({store_, [this](int on) { app_.CunningMode = on; }, &view_->t.Purse}, this);
    return dialog.exec() == QDialog::Accepted;
  });
  setCentralWidget(window_);
  window_->setFocus();

  // No menu bar, no sizing: the size is the screen-size setting's.
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  const QSize client = app_.PeekInstance
                           ? kPeekClient
                           : ClientSizeFor(Settings(store_).GamenAtStartUp(desktopHeight));
  setFixedSize(client);
  const float scale = static_cast<float>(std::max(client.width(), client.height())) / kCanvasW;
  app_.ScaleX = scale;
  app_.ScaleY = scale;

  if (app_.PeekInstance) {
    MakePeekWindow(*this);
    peekProbe_ = PeekProbe::FromEnvironment();
    host_->OnTimerTicks([this](int id) {
      view_->OnTimer(id);
      ReportPeek();
    });
  } else {
    AddAccelerators();
  }
}

CMainFrame::~CMainFrame() {
  // The game goes first: nothing may tick into a window that is going away.
  host_->BeginClosing();
  delete takeCentralWidget();
  window_ = nullptr;
}

void CMainFrame::AddAccelerators() {
  // F1 … F10 give the commands of the accelerator table.
  for (std::size_t i = 0; i < kFunctionKeyCommands.size(); ++i) {
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(Qt::Key_F1 + static_cast<int>(i)));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setAutoRepeat(false);
    connect(action, &QAction::triggered, this, [this, id = kFunctionKeyCommands[i]] {
      if (!AcceptsCommands()) return;
      commands_->RunCommand(id);
      window_->UpdateOverlays();  // the keyboard cursor
    });
    addAction(action);
  }
}

bool CMainFrame::AcceptsCommands() const {
  return window_ != nullptr && window_->PicturesLoaded() && !window_->EffectRunning() &&
         !host_->Busy() && !host_->Closing();
}

void CMainFrame::ResizeForScreenSize(int width) {
  Settings settings(store_);
  settings.SetGamen(width);
  const QSize client = ClientSizeFor(settings.Gamen());
  setFixedSize(client);
  move(0, 0);
  if (const QScreen* display = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
  }
  app_.ScaleX = static_cast<float>(client.width()) / kCanvasW;
  app_.ScaleY = static_cast<float>(client.height()) / kCanvasH;
  window_->update();  // white outside the canvas, the canvas at the new scale
}

void CMainFrame::PlaceAsPeekWindow() {
  setFixedSize(kPeekClient);
  PlaceAtDesktopCorner(*this);
}

void CMainFrame::ReportPeek() {
  if (!peekProbe_ || window_ == nullptr) return;
  const TableState& t = view_->t;
  const int n = std::clamp(t.HandCount[0], 0, kHandSlots);
  peekProbe_->Report(*this, window_->size(), QString::fromStdString(view_->LastPeekText),
                     std::span(t.Hand[0]).first(static_cast<size_t>(n)),
                     [this] { return window_->WindowPicture(); });
}

void CMainFrame::ResetPeekChannel() {
  Settings settings(store_);
  ClosePeekWindow(settings);
}

void CMainFrame::Quit() {
  quitting_ = true;
  host_->BeginClosing();
  // Out of whatever the game is in the middle of; the window closes next.
  QTimer::singleShot(0, this, &QWidget::close);
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  window_->FirstShow();  // once: loads the pictures, starts the game's start-up
  if (app_.PeekInstance && !peekShown_) {
    peekShown_ = true;
    ReportPeek();  // the first poll has run
    QTimer::singleShot(kPeekFramedMs, this, [this] { ResizeKeepingCorner(*this, size()); });
  }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!quitting_) {
    // A blink, a sound played to its end, a dissolve or an open question
    // finishes first; the close comes back once it is over.
    if (host_->Busy() || QApplication::activeModalWidget() != nullptr) {
      event->ignore();
      QTimer::singleShot(kCloseRetryMs, this, &QWidget::close);
      return;
    }
    if (view_->TableActive &&
        host_->ShowMessage({}, kMsgAskQuitMidGame, MessageStyle::YesNo) != Answer::Yes) {
      event->ignore();
      return;
    }
  }
  ResetPeekChannel();
  host_->BeginClosing();
  event->accept();
  // Qt ends a program when its last main window closes, and a tool window is
  // none: the peek instance quits by itself.
  if (app_.PeekInstance) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace tolva
