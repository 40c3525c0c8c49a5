// Dialog services for tests: every message and wave is recorded instead of
// shown or played; every message box is answered OK.
#pragma once

#include <vector>

#include "dialogs/DialogServices.h"

namespace tolva::testing {

struct RecordedMessage {
  int id = 0;
  MessageStyle style = MessageStyle::Information;
  friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

struct Recorder {
  std::vector<RecordedMessage> messages;
  std::vector<int> waves;

  DialogServices Services() {
    return {[this](std::string_view, int id, MessageStyle style) {
              messages.push_back({id, style});
              return Answer::Ok;
            },
            [this](int wave) { waves.push_back(wave); }};
  }
};

}  // namespace tolva::testing
