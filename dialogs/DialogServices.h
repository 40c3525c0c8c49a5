// What the dialogs need from the shell: the program's message box and its
// sound cues. Passed in as small callables, so that the dialogs run the same
// in the program and in tests (which record what would have been shown).
#pragma once

#include <functional>
#include <string_view>

#include "render/Messages.h"
#include "rules/RulesHost.h"

namespace tolva {

// Shows prefix + string-table text `stringId` in the program's message box
// (caption "TolvaGame") and returns the button pressed.
using MessageFn = std::function<Answer(std::string_view prefix, int stringId, MessageStyle style)>;
// Plays a wave cue of the program asynchronously.
using WaveFn = std::function<void(int waveId)>;

struct DialogServices {
  MessageFn showMessage;
  WaveFn playWave;

  Answer Message(int stringId, MessageStyle style) const {
    return showMessage ? showMessage({}, stringId, style) : Answer::None;
  }
  // The same box for what the presentation layer reports.
  MessageSink Sink() const {
    return [show = showMessage](std::string_view prefix, int stringId, MessageStyle style) {
      if (show) show(prefix, stringId, style);
    };
  }
  void Wave(int waveId) const {
    if (playWave) playWave(waveId);
  }
};

}  // namespace tolva
