// The card face sheet: read from the library file through a repaired working
// copy, refused when missing, undecodable or too small.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "render/CardSheet.h"
#include "render/FileProblems.h"
#include "render/ImageFiles.h"
#include "render/TempFolder.h"
#include "res/StringTable.h"
#include "rules/CardText.h"
#include "tests/render/support/SyntheticPictures.h"
#include "tests/support/AddressSpace.h"
#include "tests/support/OwnTemporaryFolder.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

struct CardSheetTest : ::testing::Test {
  testing::SyntheticPictures pictures;
  Surfaces s;
  testing::MessageLog log;
  QString folder = TempFolder(QStringLiteral("library"), {});
};

TEST_F(CardSheetTest, LibraryWithoutJpegMarkersIsReadThroughARepairedCopy) {
  pictures.sheetPath = testing::WriteCardLibrary(folder, testing::SyntheticCardSheet());
  ASSERT_FALSE(pictures.sheetPath.isEmpty());
  ASSERT_TRUE(ReadImageFile(pictures.sheetPath).isNull()) << "the file as shipped is no JPEG";

  ASSERT_TRUE(LoadCardSheet(s, pictures, log.Sink()));
  EXPECT_EQ(s.CardSheet.size(), QSize(13 * 151, 4 * 215));
  for (const char* card : {"As", "Kc", "7h", "Td"}) {
    const int code = testing::Cards(card)[0];
    const FaceRef face = s.FaceOf(code);
    ASSERT_EQ(face.image, &s.CardSheet);
    EXPECT_EQ(face.source, QRect(RankOf(code) * 151, SuitOf(code) * 215, 151, 215));
    EXPECT_TRUE(testing::Near(s.CardSheet.pixel(face.source.topLeft() + testing::kFaceProbe),
                              testing::FaceColour(code), 6))
        << card;
  }
  EXPECT_FALSE(QFile::exists(TempFolder({}, {}) + "/card.jpeg")) << "the working copy is deleted";
  QFile library(pictures.sheetPath);
  ASSERT_TRUE(library.open(QIODevice::ReadOnly));
  EXPECT_EQ(library.read(4), QByteArray("TLV1")) << "the library itself is never written";
  EXPECT_TRUE(log.ids.empty());
}

// Reading a sheet of a few hundred kilobytes asks for about what the file and
// its picture need, not for the hundred megabytes a picture file may have at
// most; on a machine that grants no more than it has, that request failed.
TEST_F(CardSheetTest, ReadingTheSheetAsksForNoMoreMemoryThanItNeeds) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves a shadow of the whole address space";
#endif
  pictures.sheetPath = testing::WriteCardLibrary(folder, testing::SyntheticCardSheet());
  ASSERT_FALSE(pictures.sheetPath.isEmpty());
  EXPECT_EXIT(
      {
        if (!testing::LimitAddressSpaceGrowth(64ul << 20)) std::_Exit(2);
        std::_Exit(LoadCardSheet(s, pictures, {}) ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

// No working copy can be written: no temporary folder can be had, or a folder
// stands on the copy's name. The sheet is read from memory all the same, and
// the player is told once where and why.
TEST_F(CardSheetTest, WithoutAWorkingCopyTheSheetIsReadFromMemoryAndTheProblemToldOnce) {
  testing::OwnTemporaryFolder own;
  pictures.sheetPath = testing::WriteCardLibrary(own.scratch.path(), testing::SyntheticCardSheet());
  const QString file = own.scratch.filePath(QStringLiteral("a-file"));
  ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
  own.UseAsTmpdir(file);
  for (int start = 0; start < 2; ++start) ASSERT_TRUE(LoadCardSheet(s, pictures, log.Sink()));
  EXPECT_EQ(s.CardSheet.size(), QSize(13 * 151, 4 * 215));
  EXPECT_EQ(log.prefixes, std::vector<std::string>{
                              ProblemPrefix(file + "/TolvaGame", kWhyFileInPlaceOfFolder)});

  own.UseAsTmpdir(own.scratch.path());
  ASSERT_TRUE(QDir().mkpath(own.Shared() + "/card.jpeg"));
  ASSERT_TRUE(LoadCardSheet(s, pictures, log.Sink()));
  EXPECT_EQ(log.prefixes.back(), ProblemPrefix(own.Shared() + "/card.jpeg", kWhyNotRegularFile));
  EXPECT_TRUE(QFileInfo(own.Shared() + "/card.jpeg").isDir()) << "what stands there is left alone";
}

TEST_F(CardSheetTest, JokersAndEmptySlotsHaveTheirOwnFaces) {
  ASSERT_TRUE(LoadBoardPictures(s, pictures, false, {}));
  EXPECT_EQ(s.FaceOf(53).image, &s.Joker);
  EXPECT_EQ(s.FaceOf(58).image, &s.Joker);
  EXPECT_EQ(s.FaceOf(kEmptySlot).image, nullptr);
  EXPECT_EQ(s.FaceOf(0).image, nullptr);
  EXPECT_EQ(s.FaceOf(5).image, nullptr) << "no sheet loaded yet";
}

TEST_F(CardSheetTest, MissingUndecodableOrTooSmallLibrariesFailSilently) {
  pictures.sheetPath = folder + "/absent.dll";
  EXPECT_FALSE(LoadCardSheet(s, pictures, log.Sink()));

  pictures.sheetPath = folder + "/garbage.dll";
  {
    QFile file(pictures.sheetPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5000, 'x'));
  }
  EXPECT_FALSE(LoadCardSheet(s, pictures, log.Sink()));
  EXPECT_TRUE(s.CardSheet.isNull());

  pictures.sheetPath = testing::WriteCardLibrary(folder, testing::SyntheticCardSheet().copy(0, 0, 1000, 860));
  EXPECT_FALSE(LoadCardSheet(s, pictures, log.Sink())) << "too small for the 52 faces";
  EXPECT_TRUE(log.ids.empty());
  EXPECT_FALSE(QFile::exists(TempFolder({}, {}) + "/card.jpeg"));
}

TEST_F(CardSheetTest, BoardPicturesLoadInTheirRolesAndAMissingOneFailsWith30001) {
  ASSERT_TRUE(LoadBoardPictures(s, pictures, false, log.Sink()));
  EXPECT_EQ(s.BackBuffer.size(), QSize(1200, 900));
  EXPECT_EQ(s.TableSurface.size(), QSize(1010, 1010));
  EXPECT_EQ(s.HiddenHandStrip.size(), QSize(2175, 302));
  EXPECT_EQ(s.SpriteSave.size(), QSize(431, 430));
  EXPECT_EQ(s.Joker.size(), QSize(151, 215));
  EXPECT_EQ(s.ResultPictures.size(), 8u);
  EXPECT_EQ(s.GoldCoin.size(), QSize(39, 39));
  EXPECT_EQ(qAlpha(s.NamePlates.pixel(0, 0)), 0) << "the plates' background is transparent";
  EXPECT_EQ(qAlpha(s.Coins.pixel(1, 1)), 0) << "pure red is transparent";
  EXPECT_EQ(qAlpha(s.Digits.pixel(1, 1)), 0) << "white is transparent";
  EXPECT_EQ(s.MapKeyColours[0], qRgb(40, 90, 160));
  EXPECT_TRUE(log.ids.empty());

  Surfaces peek;
  ASSERT_TRUE(LoadBoardPictures(peek, pictures, true, log.Sink()));
  EXPECT_FALSE(peek.Digits.isNull()) << "the peek picture writes the hand's points";
  EXPECT_TRUE(peek.TableSurface.isNull());

  pictures.missing = {137};
  Surfaces broken;
  EXPECT_FALSE(LoadBoardPictures(broken, pictures, false, log.Sink()));
  EXPECT_EQ(log.ids, std::vector<int>{kMsgOutOfMemory});
}

}  // namespace
}  // namespace tolva
