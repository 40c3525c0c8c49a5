#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rules/Invariant.h"
#include "table/SettingsSchema.h"
#include "tests/support/RouteMaps.h"

namespace tolva::testing {

int CoursePurse(int course) {
  switch (course) {
    case 2: return 5000;
    case 3: return 3000;
    case 4: return 1000;
    default: return 10000;
  }
}

ScriptedHost::ScriptedHost() : map(RouteMap(kStandardLegs, LastLeg::EndsAtNoCity)) {}

std::vector<HostEvent> ScriptedHost::Calls(HostCall call) const {
  std::vector<HostEvent> found;
  for (const auto& e : events)
    if (e.call == call) found.push_back(e);
  return found;
}

std::vector<int> ScriptedHost::Waves() const {
  std::vector<int> ids;
  for (const auto& e : events)
    if (e.call == HostCall::Wave) ids.push_back(e.id);
  return ids;
}

std::vector<int> ScriptedHost::MessageIds() const {
  std::vector<int> ids;
  for (const auto& e : events)
    if (e.call == HostCall::Message) ids.push_back(e.id);
  return ids;
}

int ScriptedHost::Redraws(bool full) const {
  return static_cast<int>(std::count_if(events.begin(), events.end(), [&](const HostEvent& e) {
    return e.call == HostCall::Redraw && e.flag == full;
  }));
}

bool ScriptedHost::TimerPending(int id) const { return TimerPeriod(id) >= 0; }

int ScriptedHost::TimerPeriod(int id) const {
  for (const auto& timer : timers_)
    if (timer.id == id) return timer.period;
  return -1;
}

std::vector<int> ScriptedHost::PendingTimers() const {
  std::vector<int> ids;
  for (const auto& timer : timers_) ids.push_back(timer.id);
  std::sort(ids.begin(), ids.end());
  return ids;
}

void ScriptedHost::CheckConservation(const std::string& when) {
  // Before the first deal (and after a campaign reset) no game is on the table.
  if (!checkConservation || view_ == nullptr || !view_->TableActive) return;
  const std::vector<int> inFlight = view_->CardsInFlight();
  const std::string fault = CheckCardConservation(view_->t, inFlight);
  if (!fault.empty()) ADD_FAILURE() << "card conservation " << when << ": " << fault;
}

// --- running -------------------------------------------------------------------------------

bool ScriptedHost::Step() {
  if (timers_.empty()) return false;
  const auto next = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
    return a.due != b.due ? a.due < b.due : a.order < b.order;
  });
  const Timer fired = *next;
  now = std::max(now, fired.due);
  if (view_ != nullptr) view_->OnTimer(fired.id);
  // A periodic timer that is still set (not killed, not set again) re-arms; a
  // timer that fell behind during a blocking wait fires once, not in a burst.
  for (auto& timer : timers_) {
    if (timer.id == fired.id && timer.order == fired.order) {
      timer.due = std::max(fired.due + std::max(fired.period, 1), now);
      break;
    }
  }
  CheckConservation("after timer " + std::to_string(fired.id));
  return true;
}

bool ScriptedHost::RunFor(int ms) {
  const long long until = now + ms;
  int steps = 0;
  while (!timers_.empty()) {
    const auto next = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
      return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    if (next->due > until) break;
    if (++steps > stepLimit) {
      ADD_FAILURE() << "RunFor(" << ms << "): more than " << stepLimit << " timer steps";
      return false;
    }
    Step();
  }
  now = std::max(now, until);
  return true;
}

bool ScriptedHost::RunUntil(const std::function<bool()>& done, const char* what) {
  for (int steps = 0; steps <= stepLimit; ++steps) {
    if (done()) return true;
    if (!Step()) {
      ADD_FAILURE() << "waiting for " << what << ": no timer is set, the game stands still";
      return false;
    }
  }
  ADD_FAILURE() << "waiting for " << what << ": more than " << stepLimit << " timer steps";
  return false;
}

bool ScriptedHost::RunUntilHumanTurn() {
  return RunUntil([&] { return view_->HumansTurn() && !view_->GameTimerPending(); },
                  "the human's turn");
}

bool ScriptedHost::RunUntilGameEnds() {
  const size_t before = finished.size();
  return RunUntil([&] { return finished.size() > before; }, "the end of the game");
}

// --- the human ------------------------------------------------------------------------------------

void ScriptedHost::Act(const std::function<void(CTolvaView&)>& action, const char* what) {
  action(*view_);
  CheckConservation(std::string("after ") + what);
}

void ScriptedHost::LeftPress(PointerTarget target) {
  Act([&](CTolvaView& v) { v.LeftPress(target); }, "a left press");
}
void ScriptedHost::DragMove(PointerTarget target) {
  Act([&](CTolvaView& v) { v.DragMove(target); }, "a drag move");
}
void ScriptedHost::LeftRelease(PointerTarget target) {
  Act([&](CTolvaView& v) { v.LeftRelease(target); }, "a left release");
}
void ScriptedHost::Drop(PointerTarget from, PointerTarget to) {
  LeftPress(from);
  DragMove(to);
  LeftRelease(to);
}
void ScriptedHost::RightPress(PointerTarget target) {
  Act([&](CTolvaView& v) { v.RightPress(target); }, "a right press");
}
void ScriptedHost::Key(HumanKey key, bool ctrl) {
  Act([&](CTolvaView& v) { v.Key(key, ctrl); }, "a key");
}

// --- Host ---------------------------------------------------------------------------------------

Answer ScriptedHost::ShowMessage(std::string_view prefix, int stringId, MessageStyle style) {
  Record(HostCall::Message, stringId, false, 0, std::string(prefix), style);
  if (stringId == 0 && !finished.empty()) finished.back().settlement = std::string(prefix);
  if (style == MessageStyle::Error || style == MessageStyle::Information) return Answer::Ok;
  if (duringQuestion) duringQuestion(stringId);
  const Answer unscripted = style == MessageStyle::YesNoCancel ? Answer::Cancel : Answer::No;
  if (script_.empty()) {
    ADD_FAILURE() << "unscripted question " << stringId;
    return unscripted;
  }
  const auto [expected, answer] = script_.front();
  script_.pop_front();
  if (expected != stringId) {
    ADD_FAILURE() << "question " << stringId << " asked where " << expected << " was scripted";
    return unscripted;
  }
  return answer;
}

void ScriptedHost::PlayWave(int waveId, bool toEnd) { Record(HostCall::Wave, waveId, toEnd); }

void ScriptedHost::RedrawScene(bool tableChanged) {
  Record(HostCall::Redraw, 0, tableChanged, view_ != nullptr ? view_->t.TurnSeat : -1);
}

int ScriptedHost::LastRedrawnTurnSeat() const {
  for (auto e = events.rbegin(); e != events.rend(); ++e)
    if (e->call == HostCall::Redraw) return e->value;
  return -2;
}

void ScriptedHost::ShowResultPicture(ResultPicture picture) {
  Record(HostCall::ResultPicture, static_cast<int>(picture));
  if (view_ != nullptr) {
    finished.push_back({view_->t, picture, {}});
    CheckConservation("when the result picture went up");
  }
  if (duringResult) duringResult();
}

void ScriptedHost::FlashSeatHand(int seat) {
  Record(HostCall::Flash, seat, false, view_ != nullptr ? view_->RevealHands : 0);
}
void ScriptedHost::Dissolve(bool fine) { Record(HostCall::Dissolve, 0, fine); }

bool ScriptedHost::PrepareCardBacks() {
  Record(HostCall::CardBacks, 0, cardBacksOk);
  return cardBacksOk;
}

void ScriptedHost::ShowCommandMenu(int menuIndex) { Record(HostCall::Menu, menuIndex); }

bool ScriptedHost::SetTimer(int id, int periodMs) {
  const bool ok = !failSetTimer.contains(id);
  Record(HostCall::TimerSet, id, ok, periodMs);
  if (!ok) return false;
  // Setting a timer that is already set replaces it, as with window timers.
  std::erase_if(timers_, [&](const Timer& timer) { return timer.id == id; });
  timers_.push_back({id, periodMs, now + std::max(periodMs, 1), ++setCount_});
  return true;
}

bool ScriptedHost::KillTimer(int id) {
  const bool ok = !failKillTimer.contains(id);
  Record(HostCall::TimerKill, id, ok);
  if (!ok) return false;
  std::erase_if(timers_, [&](const Timer& timer) { return timer.id == id; });
  return true;
}

void ScriptedHost::Wait(int milliseconds) {
  Record(HostCall::Wait, milliseconds);
  now += milliseconds;
}

PixelMap& ScriptedHost::MapPicture() { return map; }

bool ScriptedHost::RunCourseSelection() {
  Record(HostCall::CourseSelection, 0, courseSelectionOk);
  if (!courseSelectionOk) return false;
  Settings settings(store);
  for (int seat = 0; seat < kComputerSeats; ++seat) settings.SetPurse(seat, 0);
  settings.SetPurse(kHumanSeat, CoursePurse(courseChosen));
  settings.SetCourse(courseChosen);
  return true;
}

void ScriptedHost::SetWindowTitle(const std::string& title) {
  Record(HostCall::Title, 0, false, 0, title);
}
void ScriptedHost::QuitProgram() { Record(HostCall::Quit); }
void ScriptedHost::ShowReachBadge(int iconId) { Record(HostCall::Badge, iconId); }
void ScriptedHost::MapViewChanged() { Record(HostCall::MapView); }

bool ScriptedHost::StartPeekInstance() {
  Record(HostCall::PeekStart, 0, peekStartOk);
  if (peekStartOk) peekRunning = true;
  return peekStartOk;
}

void ScriptedHost::ResizePeekWindow(int width, int height) {
  Record(HostCall::PeekResize, width, false, height);
}

}  // namespace tolva::testing
