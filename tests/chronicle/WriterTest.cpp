// The writer's thread: entries are written in the order posted; what a lock
// held by another program keeps out waits in the queue and follows once the
// lock is gone, with the problem reported once however often it recurs; a
// damaged file is set aside as the writer starts, before any game.
#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include <QSqlDatabase>
#include <QSqlQuery>

#include "chronicle/ChronicleRead.h"
#include "chronicle/ChronicleWriter.h"
#include "tests/chronicle/Samples.h"

namespace tolva {
namespace {

using testing::Game;

struct Reports {
  std::mutex mutex;
  std::vector<std::pair<ChronicleProblem, QString>> seen;
  ChronicleWriter::ProblemReport Callback() {
    return [this](ChronicleProblem problem, const QString& file) {
      const std::lock_guard lock(mutex);
      seen.emplace_back(problem, file);
    };
  }
};

std::vector<int> KingsPurses(const QString& file) {
  std::vector<int> purses;
  for (const GameRow& row : ReadChronicle(file).data.games) purses.push_back(row.game.seats[4].purse);
  return purses;
}

TEST(ChronicleWriter, EntriesKeptOutByALockFollowInOrderOnceItIsGone) {
  testing::ScratchFolder folder;
  const QString file = folder.File();
  Reports reports;
  {
    ChronicleWriter writer(file, reports.Callback());
    writer.Post(Game("a", kTsumo, 4, 1, 101), 1);
    ASSERT_EQ(writer.WaitUntilTried(), 0u);

    {
      QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
      other.setDatabaseName(file);
      ASSERT_TRUE(other.open());
      QSqlQuery lock(other);
      ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
      writer.Post(Game("a", kTsumo, 4, 1, 102), 2);
      writer.Post(Game("a", kTsumo, 4, 1, 103), 3);
      EXPECT_EQ(writer.WaitUntilTried(), 2u) << "both wait";
      writer.Post(Game("a", kTsumo, 4, 1, 104), 4);
      EXPECT_EQ(writer.WaitUntilTried(), 3u);
      ASSERT_TRUE(lock.exec(QStringLiteral("ROLLBACK")));
      lock.finish();
      other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lock"));
    writer.Post(Game("a", kTsumo, 4, 1, 105), 5);
    EXPECT_EQ(writer.WaitUntilTried(), 0u);
  }
  EXPECT_EQ(KingsPurses(file), (std::vector<int>{101, 102, 103, 104, 105}));
  ASSERT_EQ(reports.seen.size(), 1u) << "one message, not one per game";
  EXPECT_EQ(reports.seen[0].first, ChronicleProblem::Locked);
}

TEST(ChronicleWriter, ADamagedFileIsSetAsideAsTheWriterStartsAndTheQueueIsWrittenWhenItStops) {
  testing::ScratchFolder folder;
  const QString file = folder.File();
  testing::Write(file, QByteArray(5000, '\x7f'));
  Reports reports;
  {
    ChronicleWriter writer(file, reports.Callback());
    writer.Post(Game("a", kWentOut, 4, 3, 203), 1);
    writer.Post(CityConquered{"a", 1, "アンフィポリス"}, 2);
  }  // stopping writes what is queued
  ASSERT_EQ(reports.seen.size(), 1u);
  EXPECT_EQ(reports.seen[0].first, ChronicleProblem::SetAside);
  EXPECT_EQ(testing::Contents(reports.seen[0].second), QByteArray(5000, '\x7f'));
  const ChronicleData data = ReadChronicle(file).data;
  EXPECT_EQ(data.games.size(), 1u);
  EXPECT_EQ(data.conquests.size(), 1u);
}

}  // namespace
}  // namespace tolva
