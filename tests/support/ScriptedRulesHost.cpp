#include "tests/support/ScriptedRulesHost.h"

#include <gtest/gtest.h>

namespace tolva::testing {

Answer ScriptedRulesHost::ShowMessage(std::string_view prefix, int stringId, MessageStyle style) {
  messages.push_back({std::string(prefix), stringId, style});
  if (style == MessageStyle::Error || style == MessageStyle::Information) return Answer::Ok;
  if (answers.empty()) {
    ADD_FAILURE() << "unscripted question " << stringId;
    return Answer::No;
  }
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::vector<int> ScriptedRulesHost::MessageIds() const {
  std::vector<int> ids;
  for (const auto& m : messages) ids.push_back(m.id);
  return ids;
}

}  // namespace tolva::testing
