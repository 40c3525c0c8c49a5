// The game's timers by id: precise periodic timers that keep their period,
// restart when set again, stop when killed; and the holds that keep a step of
// the game from running inside another.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <map>
#include <vector>

#include "app/GameTimers.h"

namespace tolva {
namespace {

// Serves events until `done` holds or five seconds have passed.
bool RunUntil(const std::function<bool()>& done) {
  QDeadlineTimer deadline(5000);
  while (!done() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

// Serves events for a while without waiting for anything in particular.
void Serve(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

struct GameTimersTest : ::testing::Test {
  std::map<int, int> ticks;
  std::vector<int> order;
  std::function<void(int)> onTick;
  GameTimers timers{[this](int id) {
    ++ticks[id];
    order.push_back(id);
    if (onTick) onTick(id);
  }};
};

TEST_F(GameTimersTest, OnePreciseTimerPerIdAndAPeriodOfOneStaysOne) {
  ASSERT_TRUE(timers.Set(2, 1));
  ASSERT_TRUE(timers.Set(21, 600));
  EXPECT_TRUE(timers.Running(2));
  EXPECT_EQ(timers.Period(2), 1);
  EXPECT_EQ(timers.Period(21), 600);
  EXPECT_EQ(timers.TimerOf(2)->timerType(), Qt::PreciseTimer);
  EXPECT_NE(timers.TimerOf(2), timers.TimerOf(21));
  EXPECT_TRUE(RunUntil([&] { return ticks[2] >= 5; }));
  EXPECT_EQ(ticks[21], 0);
}

TEST_F(GameTimersTest, TicksCarryTheirId) {
  timers.Set(4, 1);
  timers.Set(99, 2);
  EXPECT_TRUE(RunUntil([&] { return ticks[4] >= 2 && ticks[99] >= 2; }));
  for (const int id : order) EXPECT_TRUE(id == 4 || id == 99) << id;
}

TEST_F(GameTimersTest, SettingARunningIdRestartsItWithTheNewPeriod) {
  timers.Set(5, 100000);
  timers.Set(5, 1);
  EXPECT_EQ(timers.Period(5), 1);
  EXPECT_TRUE(RunUntil([&] { return ticks[5] >= 3; }));
}

TEST_F(GameTimersTest, AKilledTimerTicksNoMore) {
  onTick = [&](int id) {
    if (ticks[id] == 3) timers.Kill(id);  // a step kills its own timer
  };
  timers.Set(3, 1);
  ASSERT_TRUE(RunUntil([&] { return ticks[3] >= 3; }));
  EXPECT_FALSE(timers.Running(3));
  EXPECT_EQ(timers.Period(3), 0);
  Serve(30);
  EXPECT_EQ(ticks[3], 3);
}

TEST_F(GameTimersTest, IdsOutsideOneToNinetyNineAreRefused) {
  EXPECT_FALSE(timers.Set(0, 10));
  EXPECT_FALSE(timers.Set(-1, 10));
  EXPECT_FALSE(timers.Set(100, 10));
  EXPECT_FALSE(timers.Kill(100));
  EXPECT_FALSE(timers.Running(100));
  EXPECT_TRUE(timers.Kill(12));  // one that never ran: nothing to stop, no failure
}

TEST_F(GameTimersTest, APeriodBelowOneMillisecondRunsAtOne) {
  timers.Set(6, 0);
  EXPECT_EQ(timers.Period(6), 1);
  timers.Set(6, -50);
  EXPECT_EQ(timers.Period(6), 1);
}

TEST_F(GameTimersTest, ABlockingWaitHoldsEveryTimerAndDeliversTheTickAfterwards) {
  timers.Set(2, 1);
  timers.Set(6, 1);
  {
    const GameTimers::Scope hold(timers, GameTimers::Hold::Everything);
    Serve(30);
    EXPECT_EQ(ticks[2], 0);
    EXPECT_EQ(ticks[6], 0);
  }
  EXPECT_TRUE(RunUntil([&] { return ticks[2] >= 1 && ticks[6] >= 1; }));
}

TEST_F(GameTimersTest, AQuestionHoldsTheStepsButTheReachCoinFlies) {
  timers.Set(2, 1);
  timers.Set(6, 1);
  timers.Set(98, 1);
  {
    const GameTimers::Scope hold(timers, GameTimers::Hold::Steps);
    EXPECT_TRUE(RunUntil([&] { return ticks[6] >= 3 && ticks[98] >= 3; }));
    EXPECT_EQ(ticks[2], 0);
  }
  EXPECT_TRUE(RunUntil([&] { return ticks[2] >= 1; }));
}

TEST_F(GameTimersTest, ATickHeldBackIsForgottenWhenItsTimerIsKilled) {
  timers.Set(21, 1);
  {
    const GameTimers::Scope hold(timers, GameTimers::Hold::Everything);
    Serve(20);
    timers.Kill(21);
  }
  Serve(20);
  EXPECT_EQ(ticks[21], 0);
}

TEST_F(GameTimersTest, AStepNeverRunsInsideItself) {
  int depth = 0;
  int deepest = 0;
  onTick = [&](int) {
    ++depth;
    deepest = std::max(deepest, depth);
    Serve(15);  // a nested event loop, as a message box runs
    --depth;
  };
  timers.Set(2, 1);
  ASSERT_TRUE(RunUntil([&] { return ticks[2] >= 3; }));
  EXPECT_EQ(deepest, 1);
}

}  // namespace
}  // namespace tolva
