// One game per player: while the program runs, a second one is refused the
// lock, however long the first has run; once the first is killed, the next
// start takes the lock over.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest/QTest>

#include "app/GameLock.h"

namespace tolva {
namespace {

TEST(GameLock, ASecondGameIsRefusedWhileTheFirstRunsAndTakesOverFromAKilledOne) {
  QProcess first;
  first.start(QStringLiteral(TOLVA_PROGRAM), {});
  ASSERT_TRUE(first.waitForStarted(10000));
  bool refused = false;
  for (int tries = 0; tries < 300 && !refused; ++tries) {
    refused = TakeGameLock().heldByAnotherGame;
    if (!refused) QTest::qWait(50);
  }
  ASSERT_TRUE(refused) << "the program took the lock";

  // A day-old lock of a running game still counts.
  const QString lock =
      QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/TolvaGame.lock";
  QFile file(lock);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                               QFileDevice::FileModificationTime));
  file.close();
  EXPECT_TRUE(TakeGameLock().heldByAnotherGame);

  first.kill();
  ASSERT_TRUE(first.waitForFinished(10000));
  const GameLock next = TakeGameLock();
  EXPECT_NE(next.file, nullptr) << "a lock left by a kill does not block the next start";
  EXPECT_FALSE(next.heldByAnotherGame);
}

}  // namespace
}  // namespace tolva
