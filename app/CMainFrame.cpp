#include "app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstddef>

#include "app/AppState.h"
#include "app/CTolvaViewWidget.h"
#include "app/ChronicleMessages.h"
#include "app/CommandIds.h"
#include "app/CommandMenus.h"
#include "app/FrameCommandShell.h"
#include "app/PeekProbe.h"
#include "app/PeekWindow.h"
#include "app/QtHost.h"
#include "chronicle/ChronicleWriter.h"
#include "dialogs/COpenning.h"
#include "dialogs/ChronicleWindow.h"
#include "res/StringTable.h"
#include "table/CTolvaView.h"
#include "table/Canvas.h"
#include "table/PeekChannel.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {

constexpr QSize kPeekClient(kPeekStartWidth, kPeekStartHeight);
constexpr int kCloseRetryMs = 50;
// The window manager frames a new window a moment after it is shown; then the
// peek window is brought back inside the desktop's corner, and the main
// window's client takes what remains of "Gamen" inside the frame.
constexpr int kPeekFramedMs = 300;

}  // namespace

QSize CMainFrame::ClientSizeFor(int gamen) { return {gamen, gamen / 4 * 3}; }

QSize CMainFrame::ClientSizeFor(int gamen, QMargins frame) {
  const QSize outer = ClientSizeFor(gamen);
  return {std::max(1, outer.width() - frame.left() - frame.right()),
          std::max(1, outer.height() - frame.top() - frame.bottom())};
}

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
  const float scale = static_cast<float>(std::max(client.width(), client.height())) / kCanvasWidth;
  app_.ScaleX = scale;
  app_.ScaleY = scale;

  if (app_.PeekInstance) {
    MakePeekWindow(*this);
    peekProbe_ = PeekProbe::FromEnvironment();
    host_->OnTimerTicks([this](int id) {
      const QString shown = windowTitle();  // the general shown so far
      view_->OnTimer(id);
      if (!shown.isEmpty() && windowTitle() != shown) BringPeekWindowForward(*this);
      ReportPeek();
    });
  } else {
    AddAccelerators();
    window_->installEventFilter(this);
    host_->Waves().UseDefaultOutput();  // the peek window plays no sound
    StartChronicle();
  }
}

CMainFrame::~CMainFrame() {
  // The game goes first: nothing may tick into a window that is going away.
  host_->BeginClosing();
  delete takeCentralWidget();
  window_ = nullptr;
}

void CMainFrame::AddAccelerators() {
  // F1 … F10 give the commands of the accelerator table, F12 the chronicle.
  auto accelerator = [this](int key, int id) {
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setAutoRepeat(false);
    connect(action, &QAction::triggered, this, [this, id] {
      if (!AcceptsCommands()) return;
      commands_->RunCommand(id);
      window_->UpdateOverlays();  // the keyboard cursor
    });
    addAction(action);
  };
  for (std::size_t i = 0; i < kFunctionKeyCommands.size(); ++i)
    accelerator(Qt::Key_F1 + static_cast<int>(i), kFunctionKeyCommands[i]);
  accelerator(Qt::Key_F12, kCmdChronicle);
  // F11: full screen and back, not a command of the game's own (held by the
  // table's window, beside the game's ten keys of the frame).
  auto* fullScreen = new QAction(window_);
  fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
  fullScreen->setShortcutContext(Qt::WindowShortcut);
  fullScreen->setAutoRepeat(false);
  connect(fullScreen, &QAction::triggered, this, [this] {
    if (AcceptsCommands()) ToggleFullScreen();
  });
  window_->addAction(fullScreen);
}

void CMainFrame::StartChronicle() {
  chroniclePath_ = DefaultChroniclePath();
  // Both run on the writer's thread and hand over to this window's.
  auto report = [this](ChronicleProblem problem, const QString& file) {
    QMetaObject::invokeMethod(
        this, [this, problem, file] { ShowChronicleMessage(this, problem, file); },
        Qt::QueuedConnection);
  };
  auto written = [this] {
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (chronicleWindow_ && chronicleWindow_->isVisible()) chronicleWindow_->Reload();
        },
        Qt::QueuedConnection);
  };
  chronicle_ = std::make_unique<ChronicleWriter>(chroniclePath_, report, written);
  host_->AttachChronicle(*chronicle_);
}

ChronicleWindow* CMainFrame::Chronicle() const { return chronicleWindow_; }

void CMainFrame::ShowChronicle() {
  if (!chronicleWindow_) {
    chronicleWindow_ = new ChronicleWindow(
        chroniclePath_, [this] { return QString::fromStdString(Settings(store_).ChronicleCampaign()); },
        this);
  }
  chronicleWindow_->show();
  chronicleWindow_->raise();
  chronicleWindow_->activateWindow();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  // Esc on the table also leaves full screen; on the map it is the map's.
  if (watched == window_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && FullScreen() &&
      !view_->MapShown && AcceptsCommands()) {
    ToggleFullScreen();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

QRect CMainFrame::FullScreenPlace(QSize area) {
  // The canvas's 4:3 in whole pixels.
  const int unit = std::min(area.width() / 4, area.height() / 3);
  return QRect((area.width() - 4 * unit) / 2, (area.height() - 3 * unit) / 2, 4 * unit, 3 * unit);
}

void CMainFrame::ToggleFullScreen() {
  if (app_.PeekInstance) return;
  fullScreen_ = !fullScreen_;
  if (fullScreen_) {
    // Free of the fixed size first: a window manager keeps a fixed window
    // from filling the screen.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
    // Without a window manager nobody else gives it the screen.
    if (const QScreen* display = screen(); display != nullptr && geometry() != display->geometry())
      setGeometry(display->geometry());
  } else {
    setContentsMargins(0, 0, 0, 0);
    showNormal();
    const QSize client = ClientSizeFor(Settings(store_).Gamen(), Decorations());
    setFixedSize(client);
    Rescale(client);
  }
  window_->setFocus();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!fullScreen_) return;
  // The table keeps its shape; the strips beside it are the frame's.
  const QRect place = FullScreenPlace(size());
  setContentsMargins(place.left(), place.top(), width() - place.right() - 1,
                     height() - place.bottom() - 1);
  Rescale(place.size());
}

void CMainFrame::paintEvent(QPaintEvent* event) {
  // Seen only in full screen: the table's background goes on beside it.
  QPainter painter(this);
  const CTolvaViewWidget::Background colours = window_->BackgroundColours();
  const QRect table = window_->geometry();
  QLinearGradient gradient(0, table.top(), 0, table.top() + table.height());
  gradient.setColorAt(0, QColor::fromRgb(colours.top));
  gradient.setColorAt(1, QColor::fromRgb(colours.bottom));
  for (const QRect& piece : event->region()) painter.fillRect(piece, gradient);
}

QMargins CMainFrame::Decorations() const {
  const QRect outer = frameGeometry();
  const QRect inner = geometry();
  const QMargins widgets{inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom()};
  // The platform window knows its frame as soon as it has one; the widget's
  // copy waits for the next move, which a Wayland compositor may never send.
  // Back from full screen it is the other way round on some platforms (the
  // offscreen one keeps the full screen's none): each side is the larger.
  const QWindow* handle = windowHandle();
  if (handle == nullptr || !handle->isVisible()) return widgets;
  const QMargins platform = handle->frameMargins();
  return {std::max(platform.left(), widgets.left()), std::max(platform.top(), widgets.top()),
          std::max(platform.right(), widgets.right()), std::max(platform.bottom(), widgets.bottom())};
}

void CMainFrame::FitToGamen() {
  if (app_.PeekInstance || fullScreen_ || !isVisible()) return;
  const QSize client = ClientSizeFor(Settings(store_).Gamen(), Decorations());
  if (client == size()) return;
  setFixedSize(client);
  Rescale(client);
}

void CMainFrame::Rescale(QSize table) {
  app_.ScaleX = static_cast<float>(table.width()) / kCanvasWidth;
  app_.ScaleY = static_cast<float>(table.height()) / kCanvasHeight;
  window_->ScaleChanged();
}

void CMainFrame::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // The window manager moves a window as it frames it.
  FitToGamen();
}

bool CMainFrame::AcceptsCommands() const {
  return window_ != nullptr && window_->PicturesLoaded() && !window_->EffectRunning() &&
         !host_->Busy() && !host_->Closing();
}

QSize CMainFrame::ResizeForScreenSize(int width) {
  Settings settings(store_);
  settings.SetGamen(width);
  if (FullScreen()) ToggleFullScreen();
  const QSize client = ClientSizeFor(settings.Gamen(), Decorations());
  setFixedSize(client);
  move(0, 0);
  if (const QScreen* display = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
  }
  Rescale(client);  // white outside the canvas, the canvas at the new scale
  return client;
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
  FitToGamen();
  if (!app_.PeekInstance && !fitTimed_) {
    // The window manager frames a new window a moment after it is shown.
    fitTimed_ = true;
    QTimer::singleShot(kPeekFramedMs, this, [this] { FitToGamen(); });
  }
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
