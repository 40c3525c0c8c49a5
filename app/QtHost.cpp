#include "app/QtHost.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QIcon>
#include <QTime>
#include <QTimer>

#include "app/HostWindow.h"
#include "app/MessageBox.h"
#include "app/MessageLog.h"
#include "app/PeekWindow.h"
#include "chronicle/ChronicleWriter.h"
#include "render/PictureSource.h"
#include "table/CTolvaView.h"

namespace tolva {

QtHost::QtHost(SettingsStore& store, QWidget& mainWindow, std::function<void()> quit)
    : store_(store),
      mainWindow_(&mainWindow),
      quit_(std::move(quit)),
      timers_([this](int id) {
        if (onTimer_ && !closing_) onTimer_(id);
      }) {}

QtHost::~QtHost() { timers_.KillAll(); }

void QtHost::AttachView(CTolvaView& view) {
  onTimer_ = [&view](int id) { view.OnTimer(id); };
}
void QtHost::AttachWindow(HostWindow& window) { window_ = &window; }
void QtHost::AttachMapPicture(PixelMap& map) { map_ = &map; }

Answer QtHost::ShowMessage(std::string_view prefix, int stringId, MessageStyle style) {
  if (closing_) return Answer::None;
  const Answer answer =
      RunModal([&] { return tolva::ShowMessage(mainWindow_, prefix, stringId, style); });
  // The keys go back to the table (a window manager would see to that, but
  // not every one does).
  if (mainWindow_ && mainWindow_->isVisible()) mainWindow_->activateWindow();
  return answer;
}

void QtHost::PlayWave(int waveId, bool toEnd) {
  if (closing_) return;
  PlayedCue cue{waveId, toEnd, false, MonotonicMs()};
  // Heard to its end once it has come out of the device; without a sound
  // server the clip plays in silence and the game still waits its length, so
  // its pace does not depend on the speakers.
  const int heardInMs = waves_.Play(waveId);
  cue.heard = waves_.Audible();
  if (toEnd) Wait(heardInMs);
  cue.endMs = MonotonicMs();
  LogPlayedCue(cue);
}

void QtHost::RedrawScene(bool tableChanged) {
  if (window_ != nullptr && !closing_) window_->RedrawScene(tableChanged);
}

void QtHost::ShowResultPicture(ResultPicture picture) {
  if (window_ != nullptr && !closing_) window_->ShowResultPicture(picture);
}

void QtHost::FlashSeatHand(int seat) {
  if (window_ != nullptr && !closing_) window_->FlashSeatHand(seat);
}

void QtHost::Dissolve(bool fine) {
  if (window_ != nullptr && !closing_) window_->Dissolve(fine);
}

bool QtHost::PrepareCardBacks() { return window_ != nullptr && window_->PrepareCardBacks(); }

void QtHost::ShowCommandMenu(int menuIndex) {
  if (window_ != nullptr && !closing_) window_->ShowCommandMenu(menuIndex);
}

bool QtHost::SetTimer(int id, int periodMs) {
  if (closing_) return true;  // nothing runs any more, and that is no failure
  return timers_.Set(id, periodMs);
}

bool QtHost::KillTimer(int id) { return timers_.Kill(id); }

void QtHost::Wait(int milliseconds) {
  if (closing_ || milliseconds <= 0) return;
  const BusyScope busy(*this);
  const GameTimers::Scope hold(timers_, GameTimers::Hold::Everything);
  // The window does not respond meanwhile: input stays queued until the wait
  // is over, but it repaints.
  QEventLoop loop;
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

int QtHost::ClockSeconds() { return QTime::currentTime().second(); }

std::uint32_t QtHost::ShuffleSeed() {
  return static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch());
}

PixelMap& QtHost::MapPicture() { return map_ != nullptr ? *map_ : noMapPixels_; }

bool QtHost::RunCourseSelection() {
  if (closing_ || !courseSelection_) return false;
  return RunModal([&] { return courseSelection_(); });
}

void QtHost::SetWindowTitle(const std::string& title) {
  if (mainWindow_) mainWindow_->setWindowTitle(QString::fromStdString(title));
}

void QtHost::QuitProgram() {
  BeginClosing();
  if (quit_) quit_();
}

void QtHost::ShowReachBadge(int iconId) {
  if (!mainWindow_) return;
  // The application's icon comes back by name: a null icon would leave the
  // window with none at all on X11.
  mainWindow_->setWindowIcon(iconId == 0 ? QApplication::windowIcon()
                                         : QIcon(PictureResource(QStringLiteral("icons/%1.png").arg(iconId))));
  // On Wayland the icon is drawn by Qt's own decoration, in the title bar,
  // and sent only with the window's next picture; the badge lasts a cue
  // played to its end, while nothing else is drawn, so the table is drawn
  // again to carry it.
  RedrawScene(false);
}

void QtHost::MapViewChanged() {
  if (window_ != nullptr && !closing_) window_->MapViewChanged();
}

bool QtHost::StartPeekInstance() { return !closing_ && peek_.Start(); }

bool QtHost::PeekInstanceRunning() { return peek_.Running(); }

void QtHost::ResizePeekWindow(int width, int height) {
  if (mainWindow_ && !closing_) ResizeKeepingCorner(*mainWindow_, QSize(width, height));
}

void QtHost::Chronicle(const ChronicleEntry& entry) {
  // Also while closing: the end of a campaign comes just before the program ends.
  if (chronicle_ != nullptr) chronicle_->Post(entry, QDateTime::currentSecsSinceEpoch());
}

void QtHost::BeginClosing() {
  closing_ = true;
  timers_.KillAll();
}

}  // namespace tolva
