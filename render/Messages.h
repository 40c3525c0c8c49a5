// How the presentation layer reports to the player: a string-table number and
// the kind of message box. The shell shows it (caption "TolvaGame"); tests
// record it. An empty sink shows nothing.
#pragma once

#include <functional>

#include "rules/RulesHost.h"

namespace tolva {

using MessageSink = std::function<void(int stringId, MessageStyle style)>;

inline void Report(const MessageSink& sink, int stringId, MessageStyle style) {
  if (sink) sink(stringId, style);
}

}  // namespace tolva
