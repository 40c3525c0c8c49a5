// The temporary folder is the player's alone: made private, checked before
// every use, never a link, another user's, or one others may write to; a fresh
// one when the names are taken, found again later; and where none can be had,
// said once with where and why. Files in it are never written through a link.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <sys/stat.h>

#include "render/FileProblems.h"
#include "render/TempFolder.h"
#include "res/StringTable.h"
#include "tests/render/support/SyntheticPictures.h"
#include "tests/support/FilesAsNobody.h"
#include "tests/support/OwnTemporaryFolder.h"

namespace tolva {
namespace {

mode_t ModeOf(const QString& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
  return status.st_mode & 0777;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct TempFolderTest : ::testing::Test, testing::OwnTemporaryFolder {
  testing::MessageLog log;
};

TEST_F(TempFolderTest, TheGamesFolderIsMadeForItsOwnerAloneAndKeptSo) {
  ASSERT_EQ(TempFolder({}, log.Sink()), Shared());
  EXPECT_EQ(ModeOf(Shared()), 0700u)
      << "nobody else may read or change the card faces and backs kept there";
  EXPECT_EQ(TempFolder(QStringLiteral("a/b"), log.Sink()), Shared() + "/a/b");

  ASSERT_EQ(::chmod(QFile::encodeName(Shared()).constData(), 0755), 0);
  EXPECT_EQ(TempFolder({}, log.Sink()), Shared()) << "ours, only readable by others";
  EXPECT_EQ(ModeOf(Shared()), 0700u) << "and ours alone again";
  EXPECT_TRUE(log.ids.empty());
}

TEST_F(TempFolderTest, AFileOrAnotherUsersFolderOnTheNameGivesAFolderOfOnesOwn) {
  WriteFile(Shared(), "a file where the folder should be");
  EXPECT_EQ(TempFolder({}, log.Sink()), OwnBeside());
  EXPECT_EQ(ModeOf(OwnBeside()), 0700u);
  EXPECT_TRUE(log.ids.empty()) << "the game still has a folder to work in";

  QFile::remove(Shared());
  ASSERT_TRUE(QDir().mkdir(Shared()));
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a folder to another user";
  ASSERT_EQ(::chown(QFile::encodeName(Shared()).constData(), testing::FilesAsNobody::kNobody,
                    testing::FilesAsNobody::kNobody), 0);
  EXPECT_EQ(TempFolder({}, log.Sink()), OwnBeside());
}

// The names were taken by someone who planted links to a file of the
// player's: a folder others may write to, and a link to a folder.
TEST_F(TempFolderTest, WhenBothNamesAreTakenAFreshFolderIsUsedAndFoundAgain) {
  const QString victim = scratch.filePath(QStringLiteral("players-file"));
  WriteFile(victim, "the player's own");
  ASSERT_TRUE(QDir().mkdir(Shared()));
  ASSERT_EQ(::chmod(QFile::encodeName(Shared()).constData(), 0777), 0);
  ASSERT_TRUE(QFile::link(victim, Shared() + "/CardBack.bmp"));
  ASSERT_TRUE(QFile::link(Shared(), OwnBeside()));

  const QString fresh = TempFolder({}, log.Sink());
  ASSERT_TRUE(fresh.startsWith(OwnBeside() + '-')) << fresh.toStdString();
  EXPECT_EQ(ModeOf(fresh), 0700u);
  EXPECT_EQ(TempFolder({}, log.Sink()), fresh) << "the same folder at the next start";
  EXPECT_EQ(WriteTempFile(fresh + "/CardBack.bmp", "cache"), 0);
  EXPECT_EQ(Contents(victim), "the player's own");
  EXPECT_TRUE(log.ids.empty());
}

TEST_F(TempFolderTest, AFolderThatCannotBeHadIsToldOnceWithWhereAndWhy) {
  const QString file = scratch.filePath(QStringLiteral("a-file"));
  WriteFile(file, "x");
  const QString readOnly = scratch.filePath(QStringLiteral("read-only"));
  ASSERT_TRUE(QDir().mkdir(readOnly));
  ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0555), 0);
  struct Case {
    QString tmpdir;
    int reason;
  };
  for (const Case& c : {Case{file, kWhyFileInPlaceOfFolder},
                        Case{scratch.filePath(QStringLiteral("missing")), kWhyNoSuchFolder},
                        Case{readOnly, kWhyNoAccess}}) {
    SCOPED_TRACE(c.tmpdir.toStdString());
    UseAsTmpdir(c.tmpdir);
    log = {};
    std::optional<testing::FilesAsNobody> nobody;
    if (c.tmpdir == readOnly) nobody.emplace();
    EXPECT_EQ(TempFolder({}, log.Sink()), QString());
    EXPECT_EQ(TempFolder({}, log.Sink()), QString());
    EXPECT_EQ(log.ids, std::vector<int>{kMsgFileReadFailed}) << "once a run";
    EXPECT_EQ(log.prefixes, std::vector<std::string>{ProblemPrefix(c.tmpdir + "/TolvaGame", c.reason)});
    EXPECT_EQ(PrivateTempFolder().reason, c.reason);
  }
}

TEST_F(TempFolderTest, FilesAreWrittenWholeAndNeverThroughALink) {
  const QString folder = TempFolder({}, log.Sink());
  const QString victim = scratch.filePath(QStringLiteral("players-file"));
  WriteFile(victim, "the player's own");
  ASSERT_TRUE(QFile::link(victim, folder + "/CardBack.bmp"));
  EXPECT_EQ(WriteTempFile(folder + "/CardBack.bmp", "cache"), 0);
  EXPECT_EQ(Contents(victim), "the player's own");
  EXPECT_FALSE(QFileInfo(folder + "/CardBack.bmp").isSymLink());
  EXPECT_EQ(Contents(folder + "/CardBack.bmp"), "cache");

  ASSERT_TRUE(QDir().mkdir(folder + "/card.jpeg"));
  EXPECT_EQ(WriteTempFile(folder + "/card.jpeg", "sheet"), kWhyNotRegularFile);
  QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  entries.sort();
  EXPECT_EQ(entries, (QStringList{"CardBack.bmp", "card.jpeg"})) << "nothing half written is left";
}

}  // namespace
}  // namespace tolva
