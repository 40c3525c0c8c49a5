// Dialog services for tests: every message and wave is recorded instead of
// shown or played; every message box is answered OK.
#pragma once

#include <ostream>
#include <vector>

#include "dialogs/DialogServices.h"

namespace tolva::testing {

struct RecordedMessage {
  int id = 0;
  MessageStyle style = MessageStyle::Information;
  friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
  // gtest prints a failed comparison with this: "30001 (style 0)".
  friend std::ostream& operator<<(std::ostream& out, const RecordedMessage& m) {
    return out << m.id << " (style " << static_cast<int>(m.style) << ")";
  }
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
