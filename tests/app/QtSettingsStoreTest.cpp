// The settings store over QSettings: where the values live, that every write is
// in the file at once, that damaged files read safely, that the peek channel
// "Cun" is seen by a second process the moment it changes, that no kill
// leaves half a settlement, and that a file that cannot be read or written is
// told once and never overwritten.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <array>
#include <optional>
#include <string>
#include <sys/stat.h>

#include "app/ProfileNames.h"
#include "app/QtSettingsStore.h"
#include "render/FileProblems.h"
#include "res/StringTable.h"
#include "rules/Card.h"
#include "table/MemorySettingsStore.h"
#include "table/SettingsSchema.h"
#include "tests/support/FilesAsNobody.h"

namespace tolva {
namespace {

QString ProfilePath() {
  return qEnvironmentVariable("XDG_CONFIG_HOME") + "/TolvaGame/TolvaGame.conf";
}

QByteArray FileBytes() {
  QFile file(ProfilePath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFileBytes(const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(ProfilePath()).path());
  QFile file(ProfilePath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// Each test starts from an empty profile, also when all run in one process.
struct QtSettingsStoreTest : ::testing::Test {
  void SetUp() override {
    QSettings profile(QSettings::NativeFormat, QSettings::UserScope, kProfileOrganisation,
                      kProfileApplication);
    profile.clear();
    profile.sync();
  }
};

// The second process: our peer program, answering one line per command.
class Peer {
 public:
  Peer() {
    process_.setProgram(QStringLiteral(TOLVA_SETTINGS_PEER));
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start();
    started_ = process_.waitForStarted(10000);
  }
  ~Peer() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.write("quit\n");
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }
  bool Started() const { return started_; }

  std::string Ask(const std::string& command) {
    process_.write((command + "\n").c_str());
    while (!process_.canReadLine())
      if (!process_.waitForReadyRead(10000)) return "<no answer to " + command + ">";
    QByteArray line = process_.readLine();
    line.chop(1);
    return line.toStdString();
  }

  void Kill() {
    process_.kill();
    process_.waitForFinished(5000);
  }

 private:
  QProcess process_;
  bool started_ = false;
};

TEST_F(QtSettingsStoreTest, KeepsTheProfileInTheUsersConfigFolder) {
  QtSettingsStore store;
  EXPECT_EQ(QFileInfo(store.FileName()).absoluteFilePath(), QFileInfo(ProfilePath()).absoluteFilePath());
}

TEST_F(QtSettingsStoreTest, MissingValuesReadAsTheDefaultsGiven) {
  QtSettingsStore store;
  EXPECT_EQ(store.ReadInt("Settei", "Joker", 2), 2);
  EXPECT_EQ(store.ReadInt("Cun", "Now", 7), 7);
  EXPECT_EQ(store.ReadString("Last", "Coin4", "0"), "0");
  EXPECT_EQ(store.ReadString("Cun", "3", ""), "");
}

TEST_F(QtSettingsStoreTest, EveryWriteIsInTheFileAtOnceIntegersAsIntegers) {
  QtSettingsStore store;
  Settings settings(store);
  settings.SetJoker(4);
  settings.SetKakudo(-12);
  settings.SetPurse(kHumanSeat, 10000);
  settings.ClearPurse(0);
  settings.SetCunHand(1, "5,18,40,");

  const QString text = QString::fromUtf8(FileBytes());
  EXPECT_TRUE(text.contains("[Settei]\nJoker=4\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("Kakudo=-12\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("Coin4=10000\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("Coin0=\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("[Cun]\n1=\"5,18,40,\"\n")) << text.toStdString();
  EXPECT_FALSE(text.contains("@")) << "no typed variants in the file";
}

TEST_F(QtSettingsStoreTest, TextsRoundTripExactly) {
  QtSettingsStore store;
  for (const std::string text : {"5,18,40,", "", " 5 ", "@home", "トルヴァ", "a=b;c\"d\\e"}) {
    store.WriteString("Cun", "0", text);
    EXPECT_EQ(store.ReadString("Cun", "0", "default"), text);
    QtSettingsStore fresh;
    EXPECT_EQ(fresh.ReadString("Cun", "0", "default"), text);
  }
}

TEST_F(QtSettingsStoreTest, IntegerReadsAgreeWithTheMemoryStore) {
  QtSettingsStore store;
  for (const std::string text :
       {"23", " -3 ", "+5", "007", "2147483647", "-2147483648", "2147483648", "99999999999",
        "abc", "12abc", "", "1 2", "0x10", "4.0", "+-3"}) {
    store.WriteString("Settei", "Joker", text);
    const int expected = StoredIntFromText(text).value_or(-1);
    EXPECT_EQ(store.ReadInt("Settei", "Joker", -1), expected) << '"' << text << '"';
    QtSettingsStore fresh;  // the text as read back from the file
    EXPECT_EQ(fresh.ReadInt("Settei", "Joker", -1), expected) << '"' << text << '"';
  }
}

TEST_F(QtSettingsStoreTest, HandEditedFileReadsSafely) {
  WriteFileBytes(
      "[Settei]\nJoker=abc\nZoom=50\nGamen=99999\nManSpeed=-3\nCardSpeed=99999999999\n"
      "[Last]\nKakudo=500\nCoin4=12abc\nCoin3=99999999999\nCoin2=\nMapOrgX=-40\n"
      "[Map]\nConqCity=1e9\n"
      "[Cun]\n0=5,18,40,\nNow=\n");
  QtSettingsStore store;
  Settings settings(store);
  EXPECT_EQ(settings.Joker(), 2);
  EXPECT_EQ(settings.Zoom(), 1);
  EXPECT_EQ(settings.Gamen(), 640);
  EXPECT_EQ(settings.ManSpeed(), 5);
  EXPECT_EQ(settings.CardSpeed(), 1) << "beyond the int range: the default";
  EXPECT_EQ(settings.Kakudo(), 31);
  EXPECT_EQ(settings.Purse(kHumanSeat), 12);
  EXPECT_EQ(settings.Purse(3), kPurseLimit);
  EXPECT_EQ(settings.Purse(2), 0);
  EXPECT_EQ(settings.MapOrgX(), 0);
  EXPECT_EQ(settings.ConqCity(), 0);
  EXPECT_EQ(settings.CunHand(0), "5,18,40,") << "a hand text whose quotes were lost";
  EXPECT_EQ(settings.CunNow(), 0);
}

TEST_F(QtSettingsStoreTest, FileOfJunkReadsAsDefaults) {
  QByteArray junk;
  for (int i = 0; i < 20000; ++i) junk.append(static_cast<char>((i * 7919) % 256));
  WriteFileBytes(junk);
  QtSettingsStore store;
  Settings settings(store);
  EXPECT_EQ(settings.Joker(), 2);
  EXPECT_EQ(settings.Kakudo(), 23);
  EXPECT_EQ(settings.Purse(kHumanSeat), 0);
  settings.SetJoker(6);  // and the file can be written again
  EXPECT_EQ(QtSettingsStore().ReadInt("Settei", "Joker", 2), 6);
}

TEST_F(QtSettingsStoreTest, TwoStoresInOneProcessSeeEachOthersWrites) {
  QtSettingsStore first;
  QtSettingsStore second;
  Settings a(first);
  Settings b(second);
  EXPECT_EQ(b.Joker(), 2);
  a.SetJoker(6);
  EXPECT_EQ(b.Joker(), 6);
  b.SetPurse(kHumanSeat, 3000);
  EXPECT_EQ(a.Purse(kHumanSeat), 3000);
  a.SetCunNow(2);
  EXPECT_EQ(b.CunNow(), 2);
}

TEST_F(QtSettingsStoreTest, RewritingTheValueTheFileHoldsLeavesTheFileAlone) {
  QtSettingsStore store;
  Settings settings(store);
  settings.SetCunHand(0, "1,2,3,");
  const QDateTime written = QFileInfo(ProfilePath()).lastModified();
  QThread::msleep(20);
  settings.SetCunHand(0, "1,2,3,");
  EXPECT_EQ(QFileInfo(ProfilePath()).lastModified(), written);
  settings.SetCunHand(0, "1,2,4,");
  EXPECT_NE(QFileInfo(ProfilePath()).lastModified(), written);
}

TEST_F(QtSettingsStoreTest, EveryWriteMovesTheFilesTimeOn) {
  QtSettingsStore store;
  Settings settings(store);
  settings.SetCunNow(0);
  qint64 previous = QFileInfo(ProfilePath()).lastModified().toMSecsSinceEpoch();
  for (int i = 1; i <= 200; ++i) {
    settings.SetCunNow(i % 2);
    const qint64 now = QFileInfo(ProfilePath()).lastModified().toMSecsSinceEpoch();
    ASSERT_GT(now, previous) << "write " << i << " looks like the one before it";
    previous = now;
  }
}

// --- two processes -----------------------------------------------------------------------

// The peek window polls what the game writes. Values of equal length written in
// quick succession are the hard case: only the content tells them apart.
TEST_F(QtSettingsStoreTest, PeekProcessSeesEachChangeOfTheGameAtOnce) {
  QtSettingsStore store;
  Settings settings(store);
  Peer peer;
  ASSERT_TRUE(peer.Started());
  ASSERT_EQ(peer.Ask("now"), "0");
  for (int i = 1; i <= 60; ++i) {
    settings.SetCunNow(i % 4);
    ASSERT_EQ(peer.Ask("now"), std::to_string(i % 4)) << "after write " << i;
    const std::string hand = std::to_string(10 + i % 40) + ",18,40,";
    settings.SetCunHand(i % 4, hand);
    ASSERT_EQ(peer.Ask("hand " + std::to_string(i % 4)), "= " + hand) << "after write " << i;
  }
  settings.SetCunHand(3, "");
  EXPECT_EQ(peer.Ask("hand 3"), "= ");
}

// QSettings tells a changed file by its size and its modification time in
// milliseconds; writes here take well under a millisecond, so equal-sized values
// written back to back are the case a reader could miss.
TEST_F(QtSettingsStoreTest, PeekProcessSeesBackToBackWritesOfEqualSize) {
  QtSettingsStore store;
  Settings settings(store);
  Peer peer;
  ASSERT_TRUE(peer.Started());
  for (int i = 1; i <= 300; ++i) {
    settings.SetCunNow(i % 2);
    ASSERT_EQ(peer.Ask("now"), std::to_string(i % 2)) << "after write " << i;
  }
}

TEST_F(QtSettingsStoreTest, GameSeesEachChangeOfThePeekProcessAtOnce) {
  QtSettingsStore store;
  Settings settings(store);
  EXPECT_EQ(settings.CunNow(), 0);  // the cache is warm before the other side writes
  Peer peer;
  ASSERT_TRUE(peer.Started());
  for (int i = 1; i <= 60; ++i) {
    ASSERT_EQ(peer.Ask("set-now " + std::to_string(i % 5)), "ok");
    ASSERT_EQ(settings.CunNow(), i % 5) << "after write " << i;
    ASSERT_EQ(peer.Ask("set-view " + std::to_string(i % 2)), "ok");
    ASSERT_EQ(settings.CunningView(), i % 2) << "after write " << i;
  }
}

// Each process writes its whole view of the file: a view that missed the other
// side's last write would put the old value back.
TEST_F(QtSettingsStoreTest, InterleavedWritesOfTheTwoProcessesAreAllKept) {
  QtSettingsStore store;
  Settings settings(store);
  Peer peer;
  ASSERT_TRUE(peer.Started());
  for (int i = 1; i <= 100; ++i) {
    ASSERT_EQ(peer.Ask("set-now " + std::to_string(i % 2)), "ok");
    const std::string hand = std::to_string(10 + i % 50) + ",";
    settings.SetCunHand(0, hand);
    ASSERT_EQ(peer.Ask("now"), std::to_string(i % 2)) << "after write " << i;
    ASSERT_EQ(peer.Ask("hand 0"), "= " + hand) << "after write " << i;
  }
}

TEST_F(QtSettingsStoreTest, ValueWrittenByAKilledProcessIsKept) {
  Peer peer;
  ASSERT_TRUE(peer.Started());
  ASSERT_EQ(peer.Ask("set-hand 2 7,8,9,"), "ok");
  ASSERT_EQ(peer.Ask("set-now 4"), "ok");
  peer.Kill();
  QtSettingsStore store;
  Settings settings(store);
  EXPECT_EQ(settings.CunHand(2), "7,8,9,");
  EXPECT_EQ(settings.CunNow(), 4);
}

// --- a kill in the middle of a settlement -------------------------------------------------

using Purses = std::array<int, kSeats>;

Purses StoredPurses() {
  QtSettingsStore store;
  Settings settings(store);
  Purses purses{};
  for (int seat = 0; seat < kSeats; ++seat) purses[seat] = settings.Purse(seat);
  return purses;
}

// The helper writes `purses` and kills itself at its n-th change of a file;
// true when it was killed, false when it got to the end first.
bool SettleKilledAt(int n, const char* how, const Purses& purses) {
  QStringList arguments{QString::number(n), QString::fromLatin1(how)};
  for (const int coins : purses) arguments << QString::number(coins);
  QProcess helper;
  helper.start(QStringLiteral(TOLVA_SETTLE_UNTIL_KILLED), arguments);
  EXPECT_TRUE(helper.waitForFinished(20000));
  EXPECT_TRUE(helper.exitStatus() == QProcess::CrashExit || helper.exitCode() == 0);
  // QSettings' lock of the file, when the kill came before the process number
  // was written into it, is taken over only once it is 30 s old: the next
  // start comes a minute later.
  for (const char* lock : {".lock", ".lock.rmlock"}) {
    QFile file(ProfilePath() + lock);
    if (file.open(QIODevice::ReadWrite))
      file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
  }
  return helper.exitStatus() == QProcess::CrashExit;
}

// Kills at every change of the file from the first to past the last: each
// leaves the old set or the new one, never a mix. The same kills through five
// single writes do leave a mix, which shows they fall between the writes.
TEST_F(QtSettingsStoreTest, ASettlementKilledAtAnyChangeOfTheFileLeavesOneWholeSetOfPurses) {
  constexpr Purses before{1000, 2000, 3000, 4000, 5000};
  constexpr Purses after{1150, 1850, 3300, 3700, 5000};
  const auto settleFromBefore = [&](int n, const char* how) {
    QtSettingsStore store;
    Settings(store).Write(SettingsChange().Purses(before));
    return SettleKilledAt(n, how, after);
  };
  bool sawBefore = false;
  int n = 1;
  for (; settleFromBefore(n, "together") && n < 200; ++n) {
    const Purses stored = StoredPurses();
    ASSERT_TRUE(stored == before || stored == after) << "killed at change " << n;
    sawBefore = sawBefore || stored == before;
  }
  EXPECT_LT(n, 200) << "the helper got to the end";
  EXPECT_TRUE(sawBefore);
  EXPECT_EQ(StoredPurses(), after);

  bool mixed = false;
  for (n = 1; !mixed && settleFromBefore(n, "one-by-one") && n < 200; ++n) {
    const Purses stored = StoredPurses();
    mixed = stored != before && stored != after;
  }
  EXPECT_TRUE(mixed);
}

// --- a file that cannot be used --------------------------------------------------------

// What a store told, each problem as its prefix and its message's number.
struct Told {
  std::vector<std::string> problems;
  QtSettingsStore::ProblemTeller Teller() {
    return [this](const std::string& prefix, int stringId) {
      problems.push_back(prefix + std::to_string(stringId));
    };
  }
};

std::string Problem(int reason, int message) {
  return ProblemPrefix(ProfilePath(), reason) + std::to_string(message);
}

// A campaign that cannot be read is told, played in memory, and never
// written, so it is all there once the file is mended. (The end-to-end test
// has a folder and a file where the folder should be.)
TEST_F(QtSettingsStoreTest, AFileThatCannotBeReadIsToldOnceAndNeverWritten) {
  WriteFileBytes("[Last]\nCoin4=777\n");
  const QByteArray profile = QFile::encodeName(ProfilePath());
  const QString aside = ProfilePath() + ".aside";
  ASSERT_TRUE(QFile::rename(ProfilePath(), aside));
  ASSERT_EQ(::mkfifo(profile.constData(), 0600), 0);
  for (const int reason : {kWhyNotRegularFile, kWhyNoAccess}) {
    std::optional<testing::FilesAsNobody> nobody;  // root reads a file of mode 000 all the same
    if (reason == kWhyNoAccess) {
      ASSERT_TRUE(QFile::remove(ProfilePath()) && QFile::rename(aside, ProfilePath()));
      ASSERT_EQ(::chmod(profile.constData(), 0), 0);
      nobody.emplace();
    }
    QtSettingsStore store;
    Told told;
    store.TellProblemsTo(told.Teller());
    EXPECT_FALSE(store.FileRead());
    Settings settings(store);
    settings.Write(SettingsChange().Purses(Purses{0, 0, 0, 0, 10000}).Course(1));
    EXPECT_EQ(settings.Purse(kHumanSeat), 10000) << "this run's values are kept in memory";
    EXPECT_EQ(told.problems, std::vector<std::string>{Problem(reason, kMsgSettingsUnreadable)});
  }
  ASSERT_EQ(::chmod(profile.constData(), 0600), 0);
  EXPECT_EQ(StoredPurses()[kHumanSeat], 777) << "mended, the campaign is there";
}

TEST_F(QtSettingsStoreTest, WritesThatFailAreToldOnceAndTheRunGoesOnWithTheValues) {
  WriteFileBytes("[Last]\nCoin4=777\n");
  const QByteArray before = FileBytes();
  const QString folder = QFileInfo(ProfilePath()).path();
  const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
  // Readable by nobody, writable by no one but root.
  for (const QString& path : {home, folder}) ::chmod(QFile::encodeName(path).constData(), 0755);
  ::chmod(QFile::encodeName(ProfilePath()).constData(), 0444);
  {
    testing::FilesAsNobody nobody;
    QtSettingsStore store;
    Told told;
    store.TellProblemsTo(told.Teller());
    EXPECT_TRUE(store.FileRead());
    Settings settings(store);
    settings.Write(SettingsChange().Purses(Purses{50, 50, 50, 50, 577}));
    settings.SetJoker(6);
    settings.SetCunNow(2);
    EXPECT_EQ(settings.Purse(kHumanSeat), 577);
    EXPECT_EQ(settings.Joker(), 6);
    EXPECT_EQ(settings.CunNow(), 2);
    EXPECT_EQ(told.problems, std::vector<std::string>{Problem(kWhyNoAccess, kMsgSettingsNotSaved)});
  }
  ::chmod(QFile::encodeName(ProfilePath()).constData(), 0644);
  for (const QString& path : {home, folder}) ::chmod(QFile::encodeName(path).constData(), 0700);
  EXPECT_EQ(FileBytes(), before);
}

}  // namespace
}  // namespace tolva
