#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "PictureChecks.h"

namespace tolva {
namespace {

using testing::CountPixels;
using testing::IsDarkInk;
using testing::IsRedInk;

const int kCellWidth = 151;
const int kCellHeight = 215;

QByteArray ReadLibrary() {
  QFile file(QStringLiteral(TOLVA_CARD_LIBRARY));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// What the game's loader does: copy the library, write FF D8 FF E0 over its
// first four bytes, and decode the copy.
QImage LoadLikeTheGame(const QByteArray& library) {
  QTemporaryDir dir;
  const QString copy = dir.filePath("card.jpeg");
  QFile out(copy);
  if (!out.open(QIODevice::WriteOnly)) return {};
  QByteArray repaired = library;
  repaired.replace(0, 4, QByteArray("\xFF\xD8\xFF\xE0", 4));
  out.write(repaired);
  out.close();
  QImageReader reader(copy);
  return reader.read();
}

TEST(CardLibrary, DoesNotStartWithTheJpegMarkers) {
  const QByteArray library = ReadLibrary();
  ASSERT_GT(library.size(), 4);
  EXPECT_FALSE(library.startsWith(QByteArray("\xFF\xD8\xFF\xE0", 4)));
  EXPECT_FALSE(library.startsWith(QByteArray("\xFF\xD8", 2)));
  // A reader that sniffs the content must not take it for a picture as it is.
  QImage image;
  EXPECT_FALSE(image.loadFromData(library, "jpeg"));
}

TEST(CardLibrary, DecodesAfterTheLoadersRepairToAllFiftyTwoCells) {
  const QImage sheet = LoadLikeTheGame(ReadLibrary());
  ASSERT_FALSE(sheet.isNull());
  EXPECT_GE(sheet.width(), 13 * kCellWidth);
  EXPECT_GE(sheet.height(), 4 * kCellHeight);
}

// The human's cards overlap so only 40 pixels of each show: the rank and the
// suit must be there, in the suit's colour.
TEST(CardLibrary, EveryCardsCornerShowsItsIndexInTheSuitsColour) {
  const QImage sheet = LoadLikeTheGame(ReadLibrary()).convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(sheet.isNull());
  for (int code = 1; code <= 52; ++code) {
    const int suit = (code - 1) / 13;  // 0 spades, 1 hearts, 2 diamonds, 3 clubs
    const QRect corner(((code - 1) % 13) * kCellWidth, suit * kCellHeight, 40, 60);
    const int dark = CountPixels(sheet, corner, IsDarkInk);
    const int red = CountPixels(sheet, corner, IsRedInk);
    const bool redSuit = suit == 1 || suit == 2;
    SCOPED_TRACE(code);
    if (redSuit) {
      EXPECT_GT(red, 150);
      EXPECT_LT(dark, 20);
    } else {
      EXPECT_GT(dark, 150);
      EXPECT_LT(red, 20);
    }
  }
}

TEST(CardLibrary, NoTwoFacesAreAlike) {
  const QImage sheet = LoadLikeTheGame(ReadLibrary());
  ASSERT_FALSE(sheet.isNull());
  std::vector<QImage> faces;
  for (int code = 1; code <= 52; ++code) {
    faces.push_back(sheet.copy(((code - 1) % 13) * kCellWidth, ((code - 1) / 13) * kCellHeight,
                               kCellWidth, kCellHeight));
  }
  for (size_t i = 0; i < faces.size(); ++i) {
    for (size_t j = i + 1; j < faces.size(); ++j) EXPECT_NE(faces[i], faces[j]) << i << " " << j;
  }
}

TEST(JokerPicture, ItsCornerIsMarkedToo) {
  const QImage jokers = testing::Embedded("pictures/146.png");
  ASSERT_FALSE(jokers.isNull());
  const int ink = CountPixels(jokers, QRect(0, 0, 40, 60),
                              [](QRgb p) { return IsDarkInk(p) || IsRedInk(p); });
  EXPECT_GT(ink, 100);
}

}  // namespace
}  // namespace tolva
