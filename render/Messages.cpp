#include "render/Messages.h"

#include <set>
#include <string>
#include <utility>

namespace tolva {

MessageSink OncePerRun(MessageSink sink) {
  return [sink = std::move(sink)](std::string_view prefix, int stringId, MessageStyle style) {
    // The user-interface thread is the only one that reports.
    static std::set<std::string> told;
    if (told.insert(std::to_string(stringId) + '\n' + std::string(prefix)).second)
      Report(sink, prefix, stringId, style);
  };
}

}  // namespace tolva
