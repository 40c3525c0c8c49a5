// The simulator's platform: timers fire at once in virtual time (in the order
// real periodic timers would), waits and animations take no time, questions
// are answered by the seat-4 bot's policy, and nothing is drawn or played.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "table/CTolvaView.h"
#include "table/Host.h"
#include "table/MemoryPixelMap.h"
#include "table/MemorySettingsStore.h"

namespace tolva::sim {

// What the game reported along the way that the simulation counts or treats
// as a fault.
struct HostTally {
  long long discards = 0;        // discards that reached the river
  long long questions = 0;
  long long unknownQuestions = 0;
  long long campaignResets = 0;  // 30015 asked
  long long kanDeclined = 0;     // 30018 answered No: a Pon with chosen cards
  long long routeFifths = 0;     // waves 157 and 158 of the route animation
  long long routeTenths = 0;
  bool campaignLost = false;      // 30015 answered No (campaign mode)
  bool campaignCompleted = false; // 30088 shown
  bool quitAfterCompletion = false;
  std::vector<std::string> faults;  // error boxes, an unexpected quit
};

class SimHost : public Host {
 public:
  explicit SimHost(std::uint64_t runSeed);
  void Attach(CTolvaView& view) { view_ = &view; }

  bool Step();              // fires the next timer; false when none is set
  long long gamesFinished = 0;
  // Called as each result picture goes up (the table shows the ending).
  void (*onResult)(void* context, const CTolvaView& view) = nullptr;
  void* resultContext = nullptr;

  MemorySettingsStore store;
  MemoryPixelMap map{0, 0};  // the map picture the campaign paints on
  HostTally tally;
  // In campaign mode a purse used up ends the run (30015 is answered No);
  // otherwise the campaign starts again from the course selection.
  bool campaignMode = false;
  int kingPurse = 10000;  // written by the course selection (the beginner course's)
  std::mt19937_64 random;  // the clock's seconds and the bot's answers

  // --- Host ------------------------------------------------------------------------------
  Answer ShowMessage(std::string_view prefix, int stringId, MessageStyle style) override;
  void PlayWave(int waveId, bool toEnd) override;
  void RedrawScene(bool) override {}
  void ShowResultPicture(ResultPicture picture) override;
  void FlashSeatHand(int) override {}
  void Dissolve(bool) override {}
  bool PrepareCardBacks() override { return true; }
  void ShowCommandMenu(int) override {}
  bool SetTimer(int id, int periodMs) override;
  bool KillTimer(int id) override;
  void Wait(int) override {}
  int ClockSeconds() override { return static_cast<int>(random() % 60); }
  std::uint32_t ShuffleSeed() override;
  SettingsStore& Store() override { return store; }
  PixelMap& MapPicture() override;
  bool RunCourseSelection() override;
  void SetWindowTitle(const std::string&) override {}
  void QuitProgram() override;
  void ShowReachBadge(int) override {}
  void MapViewChanged() override {}
  // Nobody watches a simulated game: no peek window can be started.
  bool StartPeekInstance() override { return false; }
  bool PeekInstanceRunning() override { return false; }
  void ResizePeekWindow(int, int) override {}
  void Chronicle(const ChronicleEntry& entry) override {
    if (chronicle) chronicle(entry);
  }
  std::function<void(const ChronicleEntry&)> chronicle;

  // The next run of the program: the timers and the run's tally of the
  // campaign's end are gone.
  void Restart();

 private:
  struct Timer {
    int period = 0;
    long long due = 0;
    long long order = 0;
  };
  CTolvaView* view_ = nullptr;
  std::uint64_t runSeed_;
  std::uint64_t deals_ = 0;
  long long now_ = 0;
  long long setCount_ = 0;
  std::array<Timer, kTimerIds> timers_{};
  std::vector<int> active_;  // ids of the timers that are set
};

}  // namespace tolva::sim
