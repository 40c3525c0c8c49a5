// The game's platform on Qt: message boxes, sound cues, window timers by id,
// the blocking waits, the clock, the settings store, and the window's drawing
// and effects (through HostWindow) for the table view CTolvaView.
//
// The game runs on the one user-interface thread and its steps never run
// inside one another (see GameTimers): a blocking wait or a sound played to
// its end holds every timer and lets no user input through, only repaints; a
// message box or dialog holds the game's steps (the Reach coin's animation
// goes on). Once the program is closing, nothing is shown or waited for any
// more: questions answer None, waits return at once, timers stay stopped.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/GameTimers.h"
#include "app/PeekLauncher.h"
#include "app/QImagePixelMap.h"
#include "app/WavePlayer.h"
#include "table/Host.h"

namespace tolva {

class ChronicleWriter;
class CTolvaView;
class HostWindow;

class QtHost : public Host {
 public:
  // `mainWindow` is the parent of every message box and carries the title
  // and the icon; `quit` ends the program.
  QtHost(SettingsStore& store, QWidget& mainWindow, std::function<void()> quit);
  ~QtHost() override;

  void AttachView(CTolvaView& view);      // the timers' ticks go to its OnTimer
  // Where the timers' ticks go instead (tests).
  void OnTimerTicks(std::function<void(int id)> handler) { onTimer_ = std::move(handler); }
  void AttachWindow(HostWindow& window);  // drawing and effects
  void AttachMapPicture(PixelMap& map);
  // Where the chronicle's entries go (a peek instance keeps none).
  void AttachChronicle(ChronicleWriter& writer) { chronicle_ = &writer; }
  // From now on the chronicle keeps nothing of this run.
  void DetachChronicle() { chronicle_ = nullptr; }
  // The modal course selection: true on OK (it has written the purses and the
  // course), false on Cancel.
  void SetCourseSelection(std::function<bool()> run) { courseSelection_ = std::move(run); }

  // --- Host -------------------------------------------------------------------------------
  Answer ShowMessage(std::string_view prefix, int stringId, MessageStyle style) override;
  void PlayWave(int waveId, bool toEnd) override;
  void RedrawScene(bool tableChanged) override;
  void ShowResultPicture(ResultPicture picture) override;
  void FlashSeatHand(int seat) override;
  void Dissolve(bool fine) override;
  bool PrepareCardBacks() override;
  void ShowCommandMenu(int menuIndex) override;
  bool SetTimer(int id, int periodMs) override;
  bool KillTimer(int id) override;
  void Wait(int milliseconds) override;
  int ClockSeconds() override;
  std::uint32_t ShuffleSeed() override;
  SettingsStore& Store() override { return store_; }
  PixelMap& MapPicture() override;
  bool RunCourseSelection() override;
  void SetWindowTitle(const std::string& title) override;
  void QuitProgram() override;
  void ShowReachBadge(int iconId) override;
  void MapViewChanged() override;
  bool StartPeekInstance() override;
  bool PeekInstanceRunning() override;
  void ResizePeekWindow(int width, int height) override;
  void Chronicle(const ChronicleEntry& entry) override;

  // --- for the window and the frame ----------------------------------------------------------
  GameTimers& Timers() { return timers_; }
  WavePlayer& Waves() { return waves_; }
  // Starts the peek windows (tests give it another program to start).
  PeekLauncher& Peek() { return peek_; }
  // A blocking wait or a window effect (dissolve, flash) is under way: input
  // and closing wait until it is over.
  bool Busy() const { return busy_ > 0; }
  class BusyScope {
   public:
    explicit BusyScope(QtHost& host) : host_(host) { ++host_.busy_; }
    ~BusyScope() { --host_.busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    QtHost& host_;
  };
  // Runs a modal dialog or menu of the program with the game's steps held.
  template <typename Modal>
  auto RunModal(Modal&& modal) {
    const GameTimers::Scope hold(timers_, GameTimers::Hold::Steps);
    return modal();
  }
  // The program is closing: stop everything and show nothing more.
  void BeginClosing();
  bool Closing() const { return closing_; }

 private:
  SettingsStore& store_;
  QPointer<QWidget> mainWindow_;
  std::function<void()> quit_;
  std::function<void(int id)> onTimer_;
  HostWindow* window_ = nullptr;
  PixelMap* map_ = nullptr;
  ChronicleWriter* chronicle_ = nullptr;
  // Until the pictures are loaded the campaign finds an empty map: reads give
  // no colour and marks go nowhere.
  QImage noMap_;
  QImagePixelMap noMapPixels_{noMap_};
  std::function<bool()> courseSelection_;
  GameTimers timers_;
  WavePlayer waves_;
  PeekLauncher peek_;
  int busy_ = 0;
  bool closing_ = false;
};

}  // namespace tolva
