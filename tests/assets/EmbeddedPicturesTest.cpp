#include <gtest/gtest.h>

#include <QImage>
#include <QSize>
#include <QString>

#include <cmath>
#include <vector>

#include "PictureChecks.h"

namespace tolva {
namespace {

using testing::CountPixels;
using testing::Embedded;
using testing::IsColour;

const QColor kPlateKey(64, 128, 128);
const QColor kCoinKey(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kPeekKey(128, 0, 0);

struct Expected {
  const char* path;
  int width;
  int height;
};

TEST(EmbeddedPictures, EveryPictureDecodesAtTheSizeTheTableCopiesItAt) {
  const std::vector<Expected> pictures = {
      {"pictures/146.png", 906, 215}, {"pictures/147.png", 151, 215},
      {"pictures/140.png", 195, 32},  {"pictures/150.png", 184, 115},
      {"pictures/133.png", 132, 66},  {"pictures/141.png", 320, 64},
      {"pictures/152.png", 20, 18},   {"pictures/169.png", 590, 59},
      {"pictures/135.png", 300, 200}, {"pictures/144.png", 300, 200},
      {"pictures/137.png", 300, 200}, {"pictures/145.png", 300, 200},
      {"pictures/167.png", 300, 200}, {"pictures/138.png", 300, 200},
      {"pictures/139.png", 300, 200}, {"pictures/143.png", 300, 200},
      {"pictures/166.png", 64, 16},   {"pictures/172.png", 16, 16},
      {"pictures/173.png", 16, 16},   {"pictures/181.png", 32, 32},
      {"pictures/182.png", 32, 32},   {"pictures/IDB_FD32.png", 32, 32},
      {"icons/tolvagame.png", 256, 256}, {"icons/168.png", 32, 32},
      {"icons/169.png", 32, 32},
  };
  for (const Expected& e : pictures) {
    const QImage image = Embedded(e.path);
    ASSERT_FALSE(image.isNull()) << e.path;
    EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.path;
  }
}

TEST(EmbeddedPictures, ResultPicturesAreEachTheirOwnPicture) {
  const char* ids[] = {"135", "144", "137", "145", "167", "138", "139", "143"};
  std::vector<QImage> seen;
  for (const char* id : ids) {
    const QImage image = Embedded(QString("pictures/%1.png").arg(id));
    ASSERT_FALSE(image.isNull()) << id;
    EXPECT_EQ(CountPixels(image, image.rect(), [](QRgb p) { return qAlpha(p) < 255; }), 0)
        << id << " must be opaque: it is stretched over the window";
    for (const QImage& other : seen) EXPECT_NE(image, other) << id;
    seen.push_back(image);
  }
}

// Pixels farther than `radius` from the centre of a square cell.
bool Outside(int x, int y, QPointF centre, double radius) {
  return std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) > radius;
}

TEST(KeyColours, CoinsStandOnPureRedWithNoRedFringe) {
  const QImage coins = Embedded("pictures/133.png");
  ASSERT_EQ(coins.size(), QSize(132, 66));
  for (int coin = 0; coin < 2; ++coin) {
    const QPointF centre(coin * 66 + 33, 33);
    int keyOutside = 0;
    int outside = 0;
    int keyInside = 0;
    int reddishNotKey = 0;
    for (int y = 0; y < 66; ++y) {
      for (int x = coin * 66; x < coin * 66 + 66; ++x) {
        const QRgb p = coins.pixel(x, y);
        const bool key = IsColour(p, kCoinKey);
        if (Outside(x, y, centre, 33)) {
          ++outside;
          keyOutside += key;
        }
        if (!Outside(x, y, centre, 29)) keyInside += key;
        // A blend of metal into the key would show as a red rim on the felt.
        if (!key && qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80) ++reddishNotKey;
      }
    }
    EXPECT_EQ(keyOutside, outside) << "coin " << coin;
    EXPECT_EQ(keyInside, 0) << "coin " << coin;
    EXPECT_EQ(reddishNotKey, 0) << "coin " << coin;
  }
}

TEST(KeyColours, DigitsAreInkOnWhiteCells) {
  const QImage digits = Embedded("pictures/169.png");
  ASSERT_EQ(digits.size(), QSize(590, 59));
  for (int d = 0; d < 10; ++d) {
    const QRect cell(d * 59, 0, 59, 59);
    for (QPoint corner : {cell.topLeft(), cell.topRight(), cell.bottomLeft(), cell.bottomRight()}) {
      EXPECT_TRUE(IsColour(digits.pixel(corner), kWhite)) << "digit " << d;
    }
    const int ink = CountPixels(digits, cell, [](QRgb p) { return !IsColour(p, kWhite); });
    // Big enough to read over the cards: at least a sixth of the cell is digit.
    EXPECT_GT(ink, 59 * 59 / 6) << "digit " << d;
    // The digit is outlined in a dark colour that shows over white cards.
    EXPECT_GT(CountPixels(digits, cell, testing::IsDarkInk), 150) << "digit " << d;
  }
}

TEST(KeyColours, CursorArrowIsOnWhite) {
  const QImage cursor = Embedded("pictures/152.png");
  ASSERT_EQ(cursor.size(), QSize(20, 18));
  EXPECT_TRUE(IsColour(cursor.pixel(0, 0), kWhite));
  EXPECT_TRUE(IsColour(cursor.pixel(19, 17), kWhite));
  EXPECT_TRUE(IsColour(cursor.pixel(0, 17), kWhite));
  EXPECT_FALSE(IsColour(cursor.pixel(10, 9), kWhite));
  EXPECT_GT(CountPixels(cursor, cursor.rect(), [](QRgb p) { return !IsColour(p, kWhite); }), 80);
}

TEST(KeyColours, NamePlatesStandOnTheCanvasColourAndCarryTheirNames) {
  const QImage plates = Embedded("pictures/150.png");
  ASSERT_EQ(plates.size(), QSize(184, 115));
  for (int seat = 0; seat < 5; ++seat) {
    for (int column = 0; column < 2; ++column) {
      const QRect cell(column * 92, seat * 23, 92, 23);
      EXPECT_TRUE(IsColour(plates.pixel(cell.topLeft()), kPlateKey)) << seat << "/" << column;
      EXPECT_TRUE(IsColour(plates.pixel(cell.bottomRight()), kPlateKey)) << seat << "/" << column;
      const QRect middle = cell.adjusted(10, 4, -10, -4);
      EXPECT_EQ(CountPixels(plates, middle, [](QRgb p) { return IsColour(p, kPlateKey); }), 0)
          << "the plate itself must not use the key colour, seat " << seat;
      // Text: dark letters on the lit plate, light letters on the plain one.
      const int letters = CountPixels(plates, middle, [column](QRgb p) {
        return column == 0 ? qGray(p) < 70 : qGray(p) > 200;
      });
      EXPECT_GT(letters, 60) << seat << "/" << column;
    }
  }
  // The lit plate must look different from the plain one.
  EXPECT_NE(plates.copy(0, 0, 92, 23), plates.copy(92, 0, 92, 23));
}

TEST(KeyColours, GameNumbersStandOnTheCanvasColourAndTheRowsDiffer) {
  const QImage numbers = Embedded("pictures/141.png");
  ASSERT_EQ(numbers.size(), QSize(320, 64));
  for (int row = 0; row < 2; ++row) {
    for (int n = 0; n < 10; ++n) {
      const QRect frame(n * 32, row * 32, 32, 32);
      EXPECT_TRUE(IsColour(numbers.pixel(frame.topLeft()), kPlateKey)) << n;
      EXPECT_TRUE(IsColour(numbers.pixel(frame.bottomRight()), kPlateKey)) << n;
      EXPECT_FALSE(IsColour(numbers.pixel(frame.center()), kPlateKey)) << n;
    }
  }
  // Gold in the first go-around, plain afterwards: the average colours differ clearly.
  auto redness = [&](int row) {
    return CountPixels(numbers, QRect(0, row * 32, 320, 32),
                       [](QRgb p) { return qRed(p) > 180 && qBlue(p) < 120; });
  };
  EXPECT_GT(redness(0), 10 * (redness(1) + 1));
}

TEST(KeyColours, PeekButtonsStandOnDarkRed) {
  const QImage buttons = Embedded("pictures/166.png");
  ASSERT_EQ(buttons.size(), QSize(64, 16));
  for (int i = 0; i < 4; ++i) {
    const QRect cell(i * 16, 0, 16, 16);
    EXPECT_TRUE(IsColour(buttons.pixel(cell.topLeft()), kPeekKey)) << i;
    EXPECT_TRUE(IsColour(buttons.pixel(cell.bottomRight()), kPeekKey)) << i;
    EXPECT_FALSE(IsColour(buttons.pixel(cell.center()), kPeekKey)) << i;
  }
  // Four different images, one per general.
  for (int i = 0; i < 4; ++i) {
    for (int j = i + 1; j < 4; ++j) {
      EXPECT_NE(buttons.copy(i * 16, 0, 16, 16), buttons.copy(j * 16, 0, 16, 16));
    }
  }
}

TEST(Icons, HaveTransparentCornersAndTheReachPhasesDiffer) {
  for (const char* path : {"icons/tolvagame.png", "icons/168.png", "icons/169.png",
                           "pictures/172.png", "pictures/173.png", "pictures/181.png",
                           "pictures/182.png", "pictures/IDB_FD32.png"}) {
    const QImage icon = Embedded(path);
    ASSERT_FALSE(icon.isNull()) << path;
    EXPECT_EQ(qAlpha(icon.pixel(0, icon.height() - 1)), 0) << path;
    EXPECT_EQ(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255) << path;
  }
  EXPECT_NE(Embedded("icons/168.png"), Embedded("icons/169.png"));
  EXPECT_NE(Embedded("pictures/172.png"), Embedded("pictures/173.png"));
}

TEST(Icons, InstalledSizesAreDrawnAtTheirOwnSize) {
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString path =
        QString("%1/icons/hicolor/%2x%2/apps/tolvagame.png").arg(TOLVA_ASSET_DIR).arg(size);
    const QImage icon(path);
    ASSERT_FALSE(icon.isNull()) << path.toStdString();
    EXPECT_EQ(icon.size(), QSize(size, size));
  }
}

}  // namespace
}  // namespace tolva
