#include "tools/simulator/SimHost.h"

#include <algorithm>
#include <array>

#include "table/SettingsSchema.h"

namespace tolva::sim {

namespace {
// SplitMix64: spreads a run seed and a deal number into a well-mixed seed.
std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}
}  // namespace

SimHost::SimHost(std::uint64_t runSeed) : random(Mix(runSeed ^ 0x5EA7)), runSeed_(runSeed) {}

std::uint32_t SimHost::ShuffleSeed() {
  return static_cast<std::uint32_t>(Mix(runSeed_ * 0x100000001B3ull + deals_++));
}

bool SimHost::Step() {
  if (active_.empty()) return false;
  int next = active_.front();
  for (const int id : active_) {
    const Timer& a = timers_[id];
    const Timer& b = timers_[next];
    if (a.due < b.due || (a.due == b.due && a.order < b.order)) next = id;
  }
  const Timer fired = timers_[next];
  now_ = std::max(now_, fired.due);
  view_->OnTimer(next);
  Timer& after = timers_[next];
  if (after.order == fired.order && std::find(active_.begin(), active_.end(), next) != active_.end())
    after.due = std::max(fired.due + std::max(fired.period, 1), now_);
  return true;
}

bool SimHost::SetTimer(int id, int periodMs) {
  if (id <= 0 || id >= kTimerIds) return false;
  timers_[id] = {periodMs, now_ + std::max(periodMs, 1), ++setCount_};
  if (std::find(active_.begin(), active_.end(), id) == active_.end()) active_.push_back(id);
  return true;
}

bool SimHost::KillTimer(int id) {
  std::erase(active_, id);
  return true;
}

void SimHost::Restart() {
  active_.clear();
  tally.campaignCompleted = false;
  tally.quitAfterCompletion = false;
  tally.campaignLost = false;
}

Answer SimHost::ShowMessage(std::string_view, int stringId, MessageStyle style) {
  switch (style) {
    case MessageStyle::Error:
      tally.faults.push_back("error message " + std::to_string(stringId));
      return Answer::Ok;
    case MessageStyle::Information:
      if (stringId == kMsgCampaignComplete) tally.campaignCompleted = true;
      return Answer::Ok;
    default: break;
  }
  ++tally.questions;
  switch (stringId) {
    case kMsgWarChestEmpty:
      ++tally.campaignResets;
      if (campaignMode) {
        tally.campaignLost = true;
        return Answer::No;
      }
      return Answer::Yes;
    case kMsgAskKan:
      // Now and then the bot makes a Pon with two cards of its choosing.
      if (random() % 5 == 0) {
        ++tally.kanDeclined;
        return Answer::No;
      }
      return Answer::Yes;
    case kMsgAskRon:
    case kMsgAskTsumo:
    case kMsgAskPon:
    case kMsgAskPonWithSelection:
    case kMsgAskDiscardAttachable:
    case kMsgCannotReachWithThisDiscard:
    case kMsgJokerLeftOrRight: return Answer::Yes;
    default: ++tally.unknownQuestions; return Answer::Yes;
  }
}

void SimHost::PlayWave(int waveId, bool) {
  if (waveId == kWaveDiscardLands) ++tally.discards;
  if (waveId == kWaveRouteFifth) ++tally.routeFifths;
  if (waveId == kWaveRouteTenth) ++tally.routeTenths;
}

void SimHost::ShowResultPicture(ResultPicture picture) {
  if (picture == ResultPicture::CampaignComplete) return;  // no game ends there
  ++gamesFinished;
  if (onResult != nullptr) onResult(resultContext, *view_);
}

PixelMap& SimHost::MapPicture() { return map; }

bool SimHost::RunCourseSelection() {
  std::array<int, kSeats> purses{};
  purses[kHumanSeat] = kingPurse;
  Settings(store).Write(SettingsChange().Purses(purses).Course(1));
  return true;
}

void SimHost::QuitProgram() {
  // Only the completed campaign ends the program on its own.
  if (tally.campaignCompleted) {
    tally.quitAfterCompletion = true;
  } else {
    tally.faults.push_back("the program was told to quit");
  }
}

}  // namespace tolva::sim
