// The chronicle's database: every entry written in its own transaction and
// read back as written; a chronicle of version 1 brought up to date with its
// games kept; and the files that cannot be used as they are: a damaged one is
// set aside (renamed, its bytes kept) and a new one begun, a locked, full or
// read-only one is reported and nothing half-written, a newer one is left
// alone, and a folder or a missing parent cannot be opened.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "chronicle/ChronicleRead.h"
#include "chronicle/ChronicleSchema.h"
#include "chronicle/ChronicleStore.h"
#include "tests/chronicle/Samples.h"

namespace tolva {
namespace {

using testing::Game;

// Another program's connection to the same file.
class OtherProgram {
 public:
  explicit OtherProgram(const QString& file) : name_(QStringLiteral("other-%1").arg(++count_)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(file);
    EXPECT_TRUE(db.open());
  }
  ~OtherProgram() {
    QSqlDatabase::database(name_).close();
    QSqlDatabase::removeDatabase(name_);
  }
  bool Exec(const QString& statement) {
    QSqlQuery query(QSqlDatabase::database(name_));
    return query.exec(statement);
  }
  QVariant Value(const QString& statement) {
    QSqlQuery query(QSqlDatabase::database(name_));
    return query.exec(statement) && query.next() ? query.value(0) : QVariant();
  }

 private:
  static inline int count_ = 0;
  QString name_;
};

// A statement on the store's own connection, to provoke what a real disk does.
bool OnStoresConnection(const ChronicleStore& store, const QString& statement) {
  QSqlQuery query(QSqlDatabase::database(store.ConnectionName()));
  return query.exec(statement);
}

struct ChronicleStoreTest : ::testing::Test {
  testing::ScratchFolder folder;
  QString file = folder.File();

  ChronicleData Read(const QString& campaign = {}) {
    const ChronicleReading reading = ReadChronicle(file, campaign);
    EXPECT_TRUE(reading.ok) << reading.error.toStdString();
    return reading.data;
  }
};

TEST_F(ChronicleStoreTest, EveryEntryIsWrittenAndReadBackAsItWas) {
  GameFinished drawn = Game("a", kDrawnResult, 2, 0, 9800, 1, 2);
  drawn.pendingPool = 3;
  drawn.seats[1].reach = drawn.seats[3].reach = true;
  drawn.seats[4].calls = 2;
  const GameFinished ron = Game("a", kRon, 4, 16, 9816, 1, 3);
  {
    ChronicleStore store(file);
    ASSERT_EQ(store.Write(CampaignBegan{"a", 3, {0, 0, 0, 0, 3000}}, 1000), ChronicleProblem::None);
    ASSERT_EQ(store.Write(drawn, 1100), ChronicleProblem::None);
    ASSERT_EQ(store.Write(ron, 1200), ChronicleProblem::None);
    ASSERT_EQ(store.Write(CityConquered{"a", 1, "アンフィポリス"}, 1300), ChronicleProblem::None);
    ASSERT_EQ(store.Write(CampaignEnded{"a", CampaignEnding::MapReset}, 1400), ChronicleProblem::None);
  }
  const ChronicleData data = Read();
  ASSERT_EQ(data.campaigns.size(), 1u);
  const CampaignRow& campaign = data.campaigns[0];
  EXPECT_EQ(campaign.key, "a");
  EXPECT_EQ(campaign.course, 3);
  EXPECT_EQ(campaign.began, 1000);
  EXPECT_EQ(campaign.startingPurses, (std::array<int, kSeats>{0, 0, 0, 0, 3000}));
  EXPECT_EQ(campaign.ended, 1400);
  EXPECT_EQ(campaign.ending, CampaignEnding::MapReset);

  ASSERT_EQ(data.games.size(), 2u) << "one row per finished game, the drawn one too";
  GameFinished expected = drawn;
  expected.campaign.clear();  // the row's campaign says it
  expected.course = 3;
  EXPECT_EQ(data.games[0].game, expected);
  EXPECT_EQ(data.games[0].played, 1100);
  EXPECT_TRUE(data.games[0].callsKnown);
  EXPECT_EQ(data.games[1].game.payerSeat, 0);
  EXPECT_EQ(data.games[1].game.seats[kHumanSeat].purse, 9816);

  ASSERT_EQ(data.conquests.size(), 1u);
  EXPECT_EQ(data.conquests[0].city, 1);
  EXPECT_EQ(data.conquests[0].cityName, "アンフィポリス");
  EXPECT_EQ(data.conquests[0].conquered, 1300);
}

TEST_F(ChronicleStoreTest, ACampaignOlderThanTheChronicleBeginsWithItsFirstGameAndCanBeReadAlone) {
  {
    ChronicleStore store(file);
    store.Write(Game("old", kTsumo, 1, -2, 4000), 10);
    store.Write(CampaignBegan{"new", 1, {0, 0, 0, 0, 10000}}, 20);
    store.Write(Game("new", kWentOut, 4, 9, 10009), 30);
    store.Write(Game("new", kTolvaFailed, 4, -8, 10001), 40);
  }
  const ChronicleData all = Read();
  ASSERT_EQ(all.campaigns.size(), 2u);
  EXPECT_EQ(all.campaigns[0].course, 2) << "the course its game named";
  EXPECT_FALSE(all.campaigns[0].began);
  EXPECT_FALSE(all.campaigns[0].startingPurses);
  EXPECT_EQ(all.games.size(), 3u);

  const ChronicleData one = Read(QStringLiteral("new"));
  EXPECT_EQ(one.campaigns.size(), 2u) << "every campaign, for the choice";
  ASSERT_EQ(one.games.size(), 2u);
  EXPECT_EQ(one.games[0].campaign, 1u);
  EXPECT_EQ(one.games[1].game.resultKind, kTolvaFailed);
}

TEST_F(ChronicleStoreTest, AVersionOneChronicleIsUpgradedAndKeepsItsGames) {
  {
    // What the first version of the program made.
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
    db.setDatabaseName(file);
    ASSERT_TRUE(db.open());
    ASSERT_FALSE(UpgradeChronicleSchema(db, 0, 1).isValid());
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec(QStringLiteral("INSERT INTO campaigns (key, course) VALUES ('v', 4)")));
    ASSERT_TRUE(query.exec(QStringLiteral(
        "INSERT INTO games VALUES (NULL, 1, 500, 7, 'ゴルディオン', 3, 6, 4, 4, -1, "
        "0, 0, 0, 0, 5,  0, 0, 0, 0, 995,  0, 31, 16)")));
    query.finish();
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("v1"));

  {
    ChronicleStore store(file);
    ASSERT_EQ(store.Write(Game("v", kRon, 4, 8, 1003, 7, 4), 600), ChronicleProblem::None);
  }
  OtherProgram check(file);
  EXPECT_EQ(check.Value(QStringLiteral("PRAGMA user_version")).toInt(), kChronicleSchemaVersion);
  const ChronicleData data = Read();
  ASSERT_EQ(data.games.size(), 2u);
  const GameRow& old = data.games[0];
  EXPECT_EQ(old.game.cityName, "ゴルディオン");
  EXPECT_EQ(old.game.resultKind, kTsumo);
  EXPECT_EQ(old.game.seats[kHumanSeat].purse, 995);
  EXPECT_TRUE(old.game.seats[kHumanSeat].reach);
  EXPECT_FALSE(old.callsKnown) << "not counted before version 2";
  EXPECT_TRUE(data.games[1].callsKnown);
  EXPECT_EQ(data.campaigns[0].course, 4);
}

TEST_F(ChronicleStoreTest, ADamagedFileIsSetAsideWithItsBytesAndANewChronicleBegins) {
  const QByteArray junk = QByteArray("this was never a database\n").repeated(200);
  testing::Write(file, junk);
  ChronicleStore store(file);
  EXPECT_EQ(store.Write(Game("a", kTsumo, 4, 4, 104), 1), ChronicleProblem::SetAside);
  EXPECT_TRUE(store.SetAsidePath().startsWith(file + QStringLiteral(".damaged-")));
  EXPECT_EQ(testing::Contents(store.SetAsidePath()), junk) << "kept, never deleted";
  EXPECT_EQ(store.Write(Game("a", kTsumo, 4, 4, 108), 2), ChronicleProblem::None);
  store.Close();
  EXPECT_EQ(Read().games.size(), 2u) << "the game that found the damage is in the new one";
}

TEST_F(ChronicleStoreTest, APageOverwrittenWithJunkIsFoundWhenTheFileIsOpened) {
  {
    ChronicleStore store(file);
    for (int n = 0; n < 300; ++n) store.Write(Game("a", kTsumo, 4, 4, 100 + n), n);
  }
  QByteArray bytes = testing::Contents(file);
  ASSERT_GT(bytes.size(), 4 * 4096);
  bytes.replace(2 * 4096, 2 * 4096, QByteArray(2 * 4096, '\xA5'));
  testing::Write(file, bytes);

  ChronicleStore store(file);
  EXPECT_EQ(store.Open(), ChronicleProblem::SetAside);
  EXPECT_EQ(testing::Contents(store.SetAsidePath()), bytes);
  EXPECT_TRUE(Read().games.empty());
}

TEST_F(ChronicleStoreTest, ALockHeldByAnotherProgramWritesNothingUntilItIsReleased) {
  ChronicleStore store(file);
  ASSERT_EQ(store.Open(), ChronicleProblem::None);
  OtherProgram other(file);
  ASSERT_TRUE(other.Exec(QStringLiteral("BEGIN EXCLUSIVE")));
  EXPECT_EQ(store.Write(Game("a", kTsumo, 4, 4, 104), 1), ChronicleProblem::Locked);
  ASSERT_TRUE(other.Exec(QStringLiteral("ROLLBACK")));
  EXPECT_EQ(store.Write(Game("a", kTsumo, 4, 4, 108), 2), ChronicleProblem::None);
  store.Close();
  const ChronicleData data = Read();
  ASSERT_EQ(data.games.size(), 1u) << "nothing half-written of the locked one";
  EXPECT_EQ(data.games[0].game.seats[kHumanSeat].purse, 108);
}

TEST_F(ChronicleStoreTest, AFullDiskAndAReadOnlyFileAreToldApartAndPass) {
  ChronicleStore store(file);
  ASSERT_EQ(store.Write(Game("a", kTsumo, 4, 4, 100), 0), ChronicleProblem::None);
  // No page beyond those the file has: the next pages the games need are refused.
  ASSERT_TRUE(OnStoresConnection(store, QStringLiteral("PRAGMA max_page_count = 1")));
  ChronicleProblem problem = ChronicleProblem::None;
  int written = 1;
  while (problem == ChronicleProblem::None && written < 2000) {
    problem = store.Write(Game("a", kTsumo, 4, 4, 100 + written), written);
    if (problem == ChronicleProblem::None) ++written;
  }
  EXPECT_EQ(problem, ChronicleProblem::DiskFull);
  ASSERT_TRUE(OnStoresConnection(store, QStringLiteral("PRAGMA max_page_count = 1000000")));

  ASSERT_TRUE(OnStoresConnection(store, QStringLiteral("PRAGMA query_only = 1")));
  EXPECT_EQ(store.Write(Game("a", kTsumo, 4, 4, 1), 0), ChronicleProblem::ReadOnly);
  ASSERT_TRUE(OnStoresConnection(store, QStringLiteral("PRAGMA query_only = 0")));
  EXPECT_EQ(store.Write(Game("a", kTsumo, 4, 4, 2), 0), ChronicleProblem::None);
  store.Close();
  EXPECT_EQ(Read().games.size(), static_cast<std::size_t>(written + 1));
}

TEST_F(ChronicleStoreTest, ANewerChronicleIsLeftUntouchedAndNoFileMeansNoChronicle) {
  {
    OtherProgram later(file);
    ASSERT_TRUE(later.Exec(QStringLiteral("CREATE TABLE later (x)")));
    ASSERT_TRUE(later.Exec(QStringLiteral("PRAGMA user_version = %1").arg(kChronicleSchemaVersion + 1)));
  }
  const QByteArray before = testing::Contents(file);
  {
    ChronicleStore store(file);
    EXPECT_EQ(store.Write(Game("a", kTsumo, 4, 4, 104), 1), ChronicleProblem::Newer);
  }
  EXPECT_EQ(testing::Contents(file), before);

  // A folder where the file should be, and a file where its folder should be.
  const QString folderInstead = folder.File("folder.sqlite");
  ASSERT_TRUE(QDir().mkpath(folderInstead));
  EXPECT_EQ(ChronicleStore(folderInstead).Open(), ChronicleProblem::Unavailable);
  testing::Write(folder.File("plain"), "x");
  EXPECT_EQ(ChronicleStore(folder.File("plain") + QStringLiteral("/chronicle.sqlite")).Open(),
            ChronicleProblem::Unavailable);
  EXPECT_TRUE(ReadChronicle(folder.File("none.sqlite")).ok) << "no file yet: an empty chronicle";
  EXPECT_FALSE(ReadChronicle(folderInstead).ok) << "a folder is never opened";
}

}  // namespace
}  // namespace tolva
