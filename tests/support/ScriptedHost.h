// A Host for flow tests. Timers fire in virtual time in the order real
// periodic window timers would (earliest due first; a periodic timer re-arms
// with its period; ties go to the timer set first). Questions are answered
// from a script, and a question the script does not expect fails the test.
// Everything the game asks of the platform is recorded, in order, and card
// conservation is checked after every timer step and every human action.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "rules/TableState.h"
#include "table/CTolvaView.h"
#include "table/Host.h"
#include "table/MemoryPixelMap.h"
#include "table/MemorySettingsStore.h"

namespace tolva::testing {

enum class HostCall {
  Wave,             // id: wave, flag: to its end
  Message,          // id: string number, text: prefix, style
  Redraw,           // flag: the table changed (full redraw), value: TurnSeat drawn
  ResultPicture,    // id: the picture
  Flash,            // id: the seat, value: RevealHands at that moment
  Dissolve,         // flag: fine
  Wait,             // id: milliseconds
  Title,            // text
  Badge,            // id: the icon, 0 removes it
  TimerSet,         // id: timer, value: period, flag: the platform accepted it
  TimerKill,        // id: timer, flag: the platform accepted it
  Menu,             // id: pop-up index
  MapView,
  CardBacks,        // flag: prepared
  CourseSelection,  // flag: OK
  Quit,
  PeekStart,        // flag: started
  PeekResize,       // id: client width, value: client height
};

struct HostEvent {
  HostCall call = HostCall::Redraw;
  int id = 0;
  bool flag = false;
  int value = 0;
  std::string text;
  MessageStyle style = MessageStyle::Information;
};

// The table as it stood when the result picture went up, and the settlement
// text shown after it.
struct FinishedGame {
  TableState table;
  ResultPicture picture = ResultPicture::Ron;
  std::string settlement;
};

class ScriptedHost : public Host {
 public:
  ScriptedHost();
  void Attach(CTolvaView& view) { view_ = &view; }

  // --- the script -----------------------------------------------------------------------
  // The answer to the next question, which must be message `messageId`.
  void Expect(int messageId, Answer answer) { script_.emplace_back(messageId, answer); }
  bool ScriptDone() const { return script_.empty(); }
  bool courseSelectionOk = true;
  int courseChosen = 1;  // written with its starting purse when the selection is OK
  bool cardBacksOk = true;
  bool peekStartOk = true;  // StartPeekInstance succeeds
  bool peekRunning = false;  // what PeekInstanceRunning answers; a start that succeeds sets it
  std::uint32_t seed = 1;
  int seconds = 0;
  std::set<int> failSetTimer;   // SetTimer answers false for these ids
  std::set<int> failKillTimer;  // KillTimer answers false for these ids
  int stepLimit = 20000;        // timer steps a Run… helper may take before it fails
  bool checkConservation = true;  // off only for a table doctored beyond the deck
  // Runs while the result picture is up (its dissolve lets input through).
  std::function<void()> duringResult;
  // Runs while a question is open, before it is answered: the Reach coin's
  // timer goes on redrawing the table behind a message box.
  std::function<void(int stringId)> duringQuestion;
  MemorySettingsStore store;
  // The map picture the campaign paints on (RouteMaps.h: four cities, then a
  // dead end). A scenario may put another picture here before the start-up.
  MemoryPixelMap map;

  // --- what happened ------------------------------------------------------------------------
  std::vector<HostEvent> events;
  std::vector<FinishedGame> finished;
  std::vector<ChronicleEntry> chronicle;  // in the order the game handed them over
  std::vector<std::size_t> chronicleAt;   // events.size() as each entry came
  long long now = 0;  // virtual milliseconds
  void ClearEvents() { events.clear(); }
  std::vector<HostEvent> Calls(HostCall call) const;
  std::vector<int> Waves() const;
  std::vector<int> MessageIds() const;
  int Redraws(bool full) const;
  // The seat whose plate the latest redraw lit (TurnSeat then), -2 for none yet.
  int LastRedrawnTurnSeat() const;
  bool TimerPending(int id) const;
  int TimerPeriod(int id) const;  // -1 when not pending
  std::vector<int> PendingTimers() const;

  // --- running the game ------------------------------------------------------------------------
  // Fires the timer due next; false when none is set.
  bool Step();
  // Runs the timers due within the next `ms` virtual milliseconds.
  bool RunFor(int ms);
  // Runs until the human may act and no step of the game is pending; fails the
  // test if the game stands still elsewhere or the step limit is reached.
  bool RunUntilHumanTurn();
  // Runs until one more game has ended (its result picture went up).
  bool RunUntilGameEnds();
  bool RunUntil(const std::function<bool()>& done, const char* what);

  // --- the human's actions, each followed by the conservation check ------------------------------
  void LeftPress(PointerTarget target);
  void DragMove(PointerTarget target);
  void LeftRelease(PointerTarget target);
  void Drop(PointerTarget from, PointerTarget to);  // press, move, release
  void RightPress(PointerTarget target);
  void Key(HumanKey key, bool ctrl = false);
  void Act(const std::function<void(CTolvaView&)>& action, const char* what);

  void CheckConservation(const std::string& when);

  // --- Host -----------------------------------------------------------------------------------
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
  int ClockSeconds() override { return seconds; }
  std::uint32_t ShuffleSeed() override { return seed; }
  SettingsStore& Store() override { return store; }
  PixelMap& MapPicture() override;
  bool RunCourseSelection() override;
  void SetWindowTitle(const std::string& title) override;
  void QuitProgram() override;
  void ShowReachBadge(int iconId) override;
  void MapViewChanged() override;
  bool StartPeekInstance() override;
  bool PeekInstanceRunning() override { return peekRunning; }
  void ResizePeekWindow(int width, int height) override;
  void Chronicle(const ChronicleEntry& entry) override {
    chronicleAt.push_back(events.size());
    chronicle.push_back(entry);
  }

 private:
  struct Timer {
    int id = 0;
    int period = 0;
    long long due = 0;
    long long order = 0;  // when it was set; breaks ties between timers due together
  };
  void Record(HostCall call, int id = 0, bool flag = false, int value = 0, std::string text = {},
              MessageStyle style = MessageStyle::Information) {
    events.push_back({call, id, flag, value, std::move(text), style});
  }

  CTolvaView* view_ = nullptr;
  std::deque<std::pair<int, Answer>> script_;
  std::vector<Timer> timers_;
  long long setCount_ = 0;
};

// The starting purse of each course, as the course selection writes it.
int CoursePurse(int course);

}  // namespace tolva::testing
