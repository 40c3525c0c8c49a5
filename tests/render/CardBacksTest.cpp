// The card back in use, its quarter turn, the hidden-hand strip's cells and
// fans, the frame line setting and the "CardBack.bmp" cache.
#include <gtest/gtest.h>

#include <climits>

#include <QDir>
#include <QFile>
#include <QPainter>

#include "render/CardBacks.h"
#include "render/FileProblems.h"
#include "render/ImageFiles.h"
#include "render/TempFolder.h"
#include "res/StringTable.h"
#include "tests/render/support/SyntheticPictures.h"
#include "tests/support/OwnTemporaryFolder.h"

namespace tolva {
namespace {

using testing::kBackColour;

struct CardBacksTest : ::testing::Test {
  testing::SyntheticPictures pictures;
  Surfaces s;
  testing::MessageLog log;

  CardBacksTest() {
    QDir(TempFolder({}, {})).removeRecursively();
    EXPECT_TRUE(LoadBoardPictures(s, pictures, false, {}));
  }
  static CardBackOptions Options(int backSet, int frame) { return CardBackOptions{backSet, frame}; }
  QString Temp(const char* name) const { return TempFolder({}, {}) + "/" + name; }
  QRgb Strip(int x, int y) const { return s.HiddenHandStrip.pixel(x, y); }

  // The extreme non-key pixels of a strip cell.
  struct Extent {
    QPoint leftmost{INT_MAX, 0}, rightmost{INT_MIN, 0}, bottommost{0, INT_MIN};
    int top = INT_MAX;
  };
  Extent CellExtent(int n) const {
    Extent e;
    for (int y = 0; y < kStripHeight; ++y)
      for (int x = FanCellX(n); x < FanCellX(n) + kFanWidth[n]; ++x) {
        if (Strip(x, y) == colours::kStripKey) continue;
        if (x < e.leftmost.x()) e.leftmost = {x, y};
        if (x > e.rightmost.x()) e.rightmost = {x, y};
        if (y > e.bottommost.y()) e.bottommost = {x, y};
        e.top = std::min(e.top, y);
      }
    return e;
  }
};

TEST_F(CardBacksTest, TurnedBackLiesOnItsSideAQuarterTurnClockwise) {
  QImage back(kCardWidth, kCardHeight, QImage::Format_RGB32);
  for (int y = 0; y < kCardHeight; ++y)
    for (int x = 0; x < kCardWidth; ++x) back.setPixel(x, y, qRgb(x, y, 77));
  s.DefaultCardBack = back;
  ASSERT_TRUE(LoadCardBack(s, true, Options(0, 1), {}));
  ASSERT_EQ(s.Scratch.size(), QSize(215, 151));
  for (const QPoint p : {QPoint(0, 0), QPoint(150, 0), QPoint(0, 214), QPoint(150, 214), QPoint(40, 99)})
    EXPECT_EQ(s.Scratch.pixel(214 - p.y(), p.x()), back.pixel(p)) << p.x() << "," << p.y();
  EXPECT_EQ(s.CardBack.pixel(10, 20), back.pixel(10, 20));
}

TEST_F(CardBacksTest, StripCellsHoldTheirFansOnTheKeyColour) {
  ASSERT_TRUE(BuildHiddenHandStrip(s, Options(0, 1), {}, {}));
  ASSERT_EQ(s.HiddenHandStrip.size(), QSize(2175, 302));
  EXPECT_EQ(FanCellX(7) + kFanWidth[7], 2175);
  EXPECT_EQ(Strip(75, 45), colours::kStripKey);
  EXPECT_EQ(Strip(75, 261), colours::kStripKey);
  EXPECT_EQ(Strip(2174, 0), colours::kStripKey);
  for (int n = 1; n <= 7; ++n) {
    const Extent e = CellExtent(n);
    EXPECT_LT(e.leftmost.x(), FanCellX(n) + 3) << "cell " << n << " starts at its left edge";
    EXPECT_GT(e.rightmost.x(), FanCellX(n) + kFanWidth[n] - 20) << "and fills its width, cell " << n;
    EXPECT_LE(e.bottommost.y(), 301) << n;
  }
}

TEST_F(CardBacksTest, OneCardCellIsTheUprightBackAt0x46) {
  ASSERT_TRUE(BuildHiddenHandStrip(s, Options(0, 0), {}, {}));
  EXPECT_EQ(s.HiddenHandStrip.copy(0, 46, kCardWidth, kCardHeight), s.DefaultCardBack);
  const Extent e = CellExtent(1);
  EXPECT_EQ(e.top, 46);
  EXPECT_EQ(e.bottommost.y(), 260);
}

TEST_F(CardBacksTest, SevenCardFanRunsFrom165DegreesTo75AboutOnePoint) {
  // Every card turns about the corner that lies on row 261; the first card, at
  // 165 degrees, reaches furthest left with its far corner 214 x sin 165 = 55
  // rows above that row; the last, at 75 degrees, reaches furthest right with
  // the corner 214 x cos 75 + 150 x sin 75 = 200 pixels right of the pivot.
  ASSERT_TRUE(BuildHiddenHandStrip(s, Options(0, 0), {}, {}));
  const Extent e = CellExtent(7);
  const int pivotX = FanCellX(7) + 206;  // the first card's corner lies 214 x cos 15 in
  EXPECT_NEAR(e.leftmost.x(), FanCellX(7), 1);
  EXPECT_NEAR(e.leftmost.y(), 261 - 55, 3);
  EXPECT_NEAR(e.rightmost.x(), pivotX + 200, 2);
  EXPECT_NEAR(e.rightmost.y(), 261 - 168, 3);
  EXPECT_NEAR(e.bottommost.y(), 261 + 39, 2) << "the last card's near corner below the pivot";
  EXPECT_NEAR(e.bottommost.x(), pivotX + 145, 5);

  // The two-card fan starts at 120 degrees: its left corner 214 x sin 120 = 185 rows up.
  const Extent two = CellExtent(2);
  EXPECT_NEAR(two.leftmost.y(), 261 - 185, 3);
}

TEST_F(CardBacksTest, WithoutTheFrameLineNoFrameColourAppearsAnywhere) {
  ASSERT_TRUE(BuildHiddenHandStrip(s, Options(0, 0), {}, {}));
  for (const QImage* image : {&s.HiddenHandStrip, &s.CardBack})
    for (int y = 0; y < image->height(); ++y)
      for (int x = 0; x < image->width(); ++x)
        ASSERT_NE(image->pixel(x, y), colours::kCardFrame) << x << "," << y;

  ASSERT_TRUE(BuildHiddenHandStrip(s, Options(0, 1), {}, {}));
  EXPECT_EQ(Strip(0, 46), colours::kCardFrame);
  EXPECT_EQ(Strip(150, 260), colours::kCardFrame);
  EXPECT_EQ(s.CardBack.pixel(0, 0), colours::kCardFrame);
  EXPECT_EQ(s.CardBack.pixel(150, 214), colours::kCardFrame);
}

TEST_F(CardBacksTest, ABacksKeyColouredCornersStaySeeThroughInFansAndOnTheTable) {
  QImage back = s.DefaultCardBack.copy();
  QPainter(&back).fillRect(0, 0, 4, 4, QColor::fromRgb(colours::kStripKey));
  s.DefaultCardBack = back;
  ASSERT_TRUE(BuildHiddenHandStrip(s, Options(0, 0), {}, {}));
  EXPECT_EQ(Strip(1, 46 + 1), colours::kStripKey);
  EXPECT_EQ(Strip(20, 46 + 150), kBackColour);
  EXPECT_EQ(qAlpha(s.CardBackShown.pixel(1, 1)), 0) << "the stock's back shows the felt there";
  EXPECT_EQ(qAlpha(s.CardBackShown.pixel(20, 150)), 255);
}

TEST_F(CardBacksTest, ProgressMarkBlinksOnceAndBeforeEachOfTheSixFans) {
  int blinks = 0;
  ASSERT_TRUE(BuildHiddenHandStrip(s, Options(0, 1), [&] { ++blinks; }, {}));
  EXPECT_EQ(blinks, 7);
  EXPECT_EQ(ProgressMarkRect(1.0f, 1.0f), (Rect{10, 20, 55, 52}));
  EXPECT_EQ(ProgressMarkRect(0.5f, 0.5f), (Rect{5, 10, 27, 26}));
}

TEST_F(CardBacksTest, FreeImageIsUsedWhenChosenAndTheDefaultWhenItsFileIsMissing) {
  ASSERT_TRUE(LoadCardBack(s, false, Options(1, 1), log.Sink()));
  EXPECT_EQ(s.CardBack.pixel(20, 150), kBackColour) << "no CardBack.jpg: the default back";
  EXPECT_TRUE(log.ids.empty());

  QImage red(kCardWidth, kCardHeight, QImage::Format_RGB32);
  red.fill(qRgb(220, 30, 30));
  ASSERT_TRUE(SaveBitmapAs(red, Temp(kFreeImageFile), kCardWidth, kCardHeight, "jpeg", {}));
  ASSERT_TRUE(LoadCardBack(s, false, Options(1, 1), {}));
  EXPECT_TRUE(testing::Near(s.CardBack.pixel(20, 150), qRgb(220, 30, 30), 6));
  ASSERT_TRUE(LoadCardBack(s, false, Options(0, 1), {}));
  EXPECT_EQ(s.CardBack.pixel(20, 150), kBackColour) << "the default back while BackSet is 0";
  ASSERT_TRUE(LoadCardBack(s, false, Options(7, 1), {}));
  EXPECT_EQ(s.CardBack.pixel(20, 150), kBackColour) << "an unknown BackSet means the default";
}

TEST_F(CardBacksTest, PreparedStripIsCachedAndReusedUntilForced) {
  ASSERT_TRUE(PrepareCardBacks(s, false, Options(0, 1), {}, log.Sink()));
  ASSERT_TRUE(QFile::exists(Temp(kStripCacheFile)));
  EXPECT_EQ(ReadImageFile(Temp(kStripCacheFile)).size(), QSize(2175, 302));
  const QImage built = s.HiddenHandStrip.copy();

  QImage red(kCardWidth, kCardHeight, QImage::Format_RGB32);
  red.fill(qRgb(200, 0, 0));
  s.DefaultCardBack = red;
  int blinks = 0;
  ASSERT_TRUE(PrepareCardBacks(s, false, Options(0, 1), [&] { ++blinks; }, {}));
  EXPECT_EQ(blinks, 0) << "read from the cache, not built";
  EXPECT_EQ(s.HiddenHandStrip, built);
  EXPECT_EQ(s.CardBack.pixel(20, 150), qRgb(200, 0, 0)) << "the back itself is loaded afresh";
  EXPECT_EQ(s.CardBack.pixel(0, 0), colours::kCardFrame) << "and framed like the cached fans";
  EXPECT_FALSE(s.NearFans[7].isNull());

  ASSERT_TRUE(PrepareCardBacks(s, true, Options(0, 1), {}, {}));
  EXPECT_EQ(s.HiddenHandStrip.pixel(20, 46 + 150), qRgb(200, 0, 0)) << "forced: built again";
  EXPECT_TRUE(log.ids.empty());
}

TEST_F(CardBacksTest, DamagedCacheIsBuiltAgainInsteadOfFailingEveryStart) {
  const QString cache = Temp(kStripCacheFile);
  for (const QByteArray& damage :
       {QByteArray("not a bitmap at all"), QByteArray("BM\x36\x10\x0e\x00\x00\x00", 8)}) {
    {
      QFile file(cache);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(damage);
    }
    int blinks = 0;
    EXPECT_TRUE(PrepareCardBacks(s, false, Options(0, 1), [&] { ++blinks; }, log.Sink()));
    EXPECT_EQ(blinks, 7) << "the strip was built";
    EXPECT_EQ(ReadImageFile(cache).size(), QSize(2175, 302)) << "and the cache written whole";
  }

  // A cache of the wrong size (an older or foreign file) is rebuilt too.
  QImage small(100, 50, QImage::Format_RGB32);
  small.fill(Qt::green);
  ASSERT_TRUE(SaveBitmapAs(small, cache, 100, 50, "bmp", {}));
  EXPECT_TRUE(PrepareCardBacks(s, false, Options(0, 1), {}, log.Sink()));
  EXPECT_EQ(ReadImageFile(cache).size(), QSize(2175, 302));
  EXPECT_TRUE(log.ids.empty());
}

// The player's picture lives in the temporary folder. While the folder cannot
// be used the table has the default backs and the choice stays; once it can,
// the picture is back.
TEST_F(CardBacksTest, WithoutATemporaryFolderTheDefaultBacksAreDrawnAndThePictureComesBackLater) {
  testing::OwnTemporaryFolder own;
  QImage red(kCardWidth, kCardHeight, QImage::Format_RGB32);
  red.fill(qRgb(220, 30, 30));
  ASSERT_TRUE(SaveBitmapAs(red, Temp(kFreeImageFile), kCardWidth, kCardHeight, "jpeg", {}));

  const QString file = own.scratch.filePath(QStringLiteral("a-file"));
  ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
  own.UseAsTmpdir(file);
  ASSERT_TRUE(PrepareCardBacks(s, false, Options(1, 1), {}, log.Sink()));
  EXPECT_EQ(s.CardBack.pixel(20, 150), kBackColour);
  EXPECT_EQ(s.HiddenHandStrip.pixel(20, 46 + 150), kBackColour) << "the strip is drawn all the same";
  EXPECT_EQ(log.prefixes, std::vector<std::string>{
                              ProblemPrefix(file + "/TolvaGame", kWhyFileInPlaceOfFolder)});

  own.UseAsTmpdir(own.scratch.path());
  ASSERT_TRUE(PrepareCardBacks(s, true, Options(1, 1), {}, log.Sink()));
  EXPECT_TRUE(testing::Near(s.HiddenHandStrip.pixel(20, 46 + 150), qRgb(220, 30, 30), 6));
  EXPECT_EQ(log.ids.size(), 1u);
}

}  // namespace
}  // namespace tolva
