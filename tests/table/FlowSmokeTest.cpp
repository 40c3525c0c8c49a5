#include <gtest/gtest.h>

#include "tests/support/ScriptedHost.h"

namespace tolva {
namespace {

TEST(FlowSmoke, FirstShowSetsTheStartUpTimer) {
  testing::ScriptedHost host;
  CTolvaView view(host);
  host.Attach(view);
  view.OnFirstShow();
  EXPECT_TRUE(host.TimerPending(kTimerStartUp));
}

}  // namespace
}  // namespace tolva
