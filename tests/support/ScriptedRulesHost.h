// A RulesHost for tests: records every message, wave and redraw, answers
// questions from a script, and lets a test fix the clock and the Tolva rate.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "rules/RulesHost.h"

namespace tolva::testing {

struct ShownMessage {
  std::string prefix;
  int id = 0;
  MessageStyle style = MessageStyle::Information;
};

class ScriptedRulesHost : public RulesHost {
 public:
  // Answers to give to the next questions, in order. A question with no
  // scripted answer fails the test and is answered No.
  std::deque<Answer> answers;
  int seconds = 0;
  int tolvaRate = 2;

  std::vector<ShownMessage> messages;
  std::vector<int> waves;  // wave ids in the order played
  int fullRedraws = 0;
  int plainRedraws = 0;
  int purseSaves = 0;
  int timerRecordClears = 0;

  Answer ShowMessage(std::string_view prefix, int stringId, MessageStyle style) override;
  void PlayWave(int waveId, bool) override { waves.push_back(waveId); }
  void RedrawScene(bool tableChanged) override { ++(tableChanged ? fullRedraws : plainRedraws); }
  int ClockSeconds() override { return seconds; }
  int TolvaRate() override { return tolvaRate; }
  void SavePurses() override { ++purseSaves; }
  void ClearLastTimerRecord() override { ++timerRecordClears; }

  std::vector<int> MessageIds() const;
};

}  // namespace tolva::testing
