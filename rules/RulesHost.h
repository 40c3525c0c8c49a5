// What the rules engine needs from the world around it: message boxes over the
// string table, sound cues, redraws, the clock's seconds for the computer
// players' few random choices, the Tolva rate setting, and saving the purses.
// The game layer implements it; tests implement it with a scripted double.
#pragma once

#include <string_view>

namespace tolva {

// The four kinds of message box the game asks with.
enum class MessageStyle {
  Error,        // error icon, OK
  Information,  // information icon, OK
  YesNo,        // question icon, Yes and No
  YesNoCancel,  // question icon, Yes, No and Cancel
};

// The button that closed a message box (0 when the text could not be loaded).
enum class Answer { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class RulesHost {
 public:
  virtual ~RulesHost() = default;

  // Shows prefix + the string-table text `stringId` and returns the button pressed.
  virtual Answer ShowMessage(std::string_view prefix, int stringId, MessageStyle style) = 0;
  // Plays a wave cue; `toEnd` waits for it to finish. Callers gate on the
  // sound option (see PlayCue), so an implementation simply plays.
  virtual void PlayWave(int waveId, bool toEnd) = 0;
  // Recomposes the table picture; tableChanged also redraws the flat table.
  virtual void RedrawScene(bool tableChanged) = 0;
  // Seconds field of the local clock (0..59), or -1 when it cannot be read.
  virtual int ClockSeconds() = 0;
  // The stored "TolvaRitu" (how readily computer seats declare Tolva).
  virtual int TolvaRate() = 0;
  // Writes the five purses to the store (after a game that was not drawn).
  virtual void SavePurses() = 0;
  // Forgets the flow's record of the last timer set (after the human's call).
  virtual void ClearLastTimerRecord() = 0;
};

}  // namespace tolva
