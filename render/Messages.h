// How the presentation layer reports to the player: a string-table number,
// the kind of message box, and a text to put before it (a file's path and
// what is wrong with it), or none. The shell shows it (caption "TolvaGame");
// tests record it. An empty sink shows nothing.
#pragma once

#include <functional>
#include <string_view>

#include "rules/RulesHost.h"

namespace tolva {

using MessageSink =
    std::function<void(std::string_view prefix, int stringId, MessageStyle style)>;

inline void Report(const MessageSink& sink, std::string_view prefix, int stringId,
                   MessageStyle style) {
  if (sink) sink(prefix, stringId, style);
}

inline void Report(const MessageSink& sink, int stringId, MessageStyle style) {
  Report(sink, {}, stringId, style);
}

// A sink that passes each message on to `sink` the first time it comes in this
// run and drops it after: for what the program finds by itself at every start
// of a step (a temporary folder it cannot use), where once is enough.
MessageSink OncePerRun(MessageSink sink);

}  // namespace tolva
