// A card back from each of the five picture types, the player's whole way: the
// file is opened in the card back dialog (the routine the file dialog and a
// drop both end in), saved, the command rebuilds the card backs, and the table
// as it is drawn shows the picture on the stock and in the computer seats'
// fans; the next start, reading the cached strip, shows it too.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "dialogs/CBackSet.h"
#include "dialogs/CardBackCommand.h"
#include "render/CardBacks.h"
#include "render/PictureSource.h"
#include "render/Scene.h"
#include "render/Surfaces.h"
#include "support/RecordedServices.h"
#include "support/TestPictures.h"
#include "table/MemorySettingsStore.h"
#include "table/SettingsSchema.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::RecordedMessage;
using testing::Recorder;
using testing::TwoColourGif;
using testing::TwoColours;

struct PictureType {
  const char* format;  // the writer's name for it
  const char* file;
  QRgb top;
  QRgb bottom;
};

// Colours far from the game's default back, its table and each other, so a
// picture left over from the type before cannot pass for the next.
const PictureType kTypes[] = {
    {"jpeg", "back.jpg", qRgb(230, 40, 40), qRgb(40, 200, 70)},
    {"gif", "back.gif", qRgb(240, 200, 20), qRgb(120, 40, 200)},
    {"bmp", "back.bmp", qRgb(20, 200, 230), qRgb(230, 110, 20)},
    {"png", "back.png", qRgb(250, 120, 200), qRgb(30, 60, 230)},
    {"tiff", "back.tif", qRgb(160, 230, 60), qRgb(150, 20, 80)},
};

bool Near(QRgb a, QRgb b, int tolerance = 30) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance &&
         std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// How many pixels of a canvas area show each of the two colours, and their
// mean rows.
struct Found {
  int top = 0;
  int bottom = 0;
  double topRow = 0;
  double bottomRow = 0;
};

Found Look(const QImage& canvas, const Rect& area, QRgb top, QRgb bottom) {
  Found found;
  for (int y = std::max(0, area.top); y < std::min(canvas.height(), area.bottom); ++y)
    for (int x = std::max(0, area.left); x < std::min(canvas.width(), area.right); ++x) {
      const QRgb pixel = canvas.pixel(x, y);
      if (Near(pixel, top)) {
        ++found.top;
        found.topRow += y;
      } else if (Near(pixel, bottom)) {
        ++found.bottom;
        found.bottomRow += y;
      }
    }
  if (found.top) found.topRow /= found.top;
  if (found.bottom) found.bottomRow /= found.bottom;
  return found;
}

int Area(const Rect& r) { return r.Width() * r.Height(); }

struct CardBackFormats : ::testing::Test {
  MemorySettingsStore store;
  Surfaces surfaces;
  Recorder recorder;
  QTemporaryDir files;
  TableState table = testing::EmptyTable();

  void SetUp() override {
    ASSERT_TRUE(files.isValid());
    QDir(QDir::tempPath() + QStringLiteral("/TolvaGame")).removeRecursively();
    // The game's own pictures, as the view loads them when it is first shown.
    ASSERT_TRUE(LoadBoardPictures(surfaces, PictureSource(), false, Sink()));
    // A table in the middle of game 5: every computer hand face down, a stock.
    testing::SetHand(table, 0, "As 2s 3s 4s 5s 6s 7s");
    testing::SetHand(table, 1, "8s 9s Ts Js Qs Ks Ah");
    testing::SetHand(table, 2, "2h 3h 4h 5h 6h 7h 8h");
    testing::SetHand(table, 3, "9h Th Jh Qh Kh Ad 2d");
    testing::SetStock(table, "Td Jd Qd Kd Ac 2c 3c 4c 5c 6c");
    table.GameNo = 5;
    table.TurnSeat = 4;
  }

  MessageSink Sink() {
    return [this](std::string_view, int id, MessageStyle style) {
      recorder.messages.push_back({id, style});
    };
  }
  CardBackOptions Options() {
    const Settings settings(store);
    return {settings.BackSet(), settings.CardWaku()};
  }

  QString Write(const PictureType& type) {
    const QString path = files.filePath(QString::fromLatin1(type.file));
    if (QByteArray(type.format) == "gif") {
      QFile file(path);
      EXPECT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(TwoColourGif(type.top, type.bottom, 240, 320));
    } else {
      QImageWriter writer(path, type.format);
      if (QByteArray(type.format) == "jpeg") writer.setQuality(95);
      EXPECT_TRUE(writer.write(TwoColours(type.top, type.bottom)))
          << type.format << ": " << writer.errorString().toStdString()
          << " (scripts/setup.sh installs the image format plugins)";
    }
    return path;
  }

  // The player's way: the card back command, in whose dialog the file is
  // opened and "保存終了" pressed.
  CardBackOutcome ChooseInTheDialog(const QString& path, bool* opened) {
    QTimer::singleShot(0, [&] {
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<CBackSet*>(widget)) {
          *opened = dialog->SetFreeImageFromPath(path);
          dialog->SaveButton()->click();
        }
    });
    const CardBackContext context{store, surfaces, recorder.Services(), 0};
    return RunCardBackCommand(context, {}, nullptr);
  }

  // The table drawn as the view draws it; the hit areas say where is what.
  HitRects Draw(Surfaces& s) {
    SceneRenderer renderer(s);
    SceneState scene;
    scene.t = &table;
    scene.TableActive = 1;
    scene.ViewAngle = 23;
    renderer.RedrawScene(scene, true);
    return renderer.Hits();
  }

  // The stock, a far and a near computer seat's fan all show both colours of
  // the picture, the stock's upper colour above its lower one.
  void ExpectTheTableShows(Surfaces& s, const PictureType& type) {
    const HitRects hits = Draw(s);
    const Rect stock = hits.StockRect;
    ASSERT_FALSE(stock.IsEmpty());
    const Found onStock = Look(s.BackBuffer, stock, type.top, type.bottom);
    EXPECT_GT(onStock.top, Area(stock) / 8) << type.format << ": the stock's upper half";
    EXPECT_GT(onStock.bottom, Area(stock) / 8) << type.format << ": the stock's lower half";
    EXPECT_LT(onStock.topRow, onStock.bottomRow) << type.format << ": the stock upside down";
    for (int seat : {1, 0}) {
      const Rect fan = hits.SeatHandRect[seat];
      ASSERT_FALSE(fan.IsEmpty()) << seat;
      const Found inFan = Look(s.BackBuffer, fan, type.top, type.bottom);
      EXPECT_GT(inFan.top, Area(fan) / 20) << type.format << ", seat " << seat;
      EXPECT_GT(inFan.bottom, Area(fan) / 20) << type.format << ", seat " << seat;
    }
  }
};

TEST_F(CardBackFormats, EveryPictureTypeReachesTheStockAndTheFans) {
  ASSERT_TRUE(PrepareCardBacks(surfaces, false, Options(), {}, Sink()));  // as at start-up
  {
    // None of the pictures' colours is on the table yet: what is found later
    // comes from the picture.
    const HitRects hits = Draw(surfaces);
    for (const PictureType& type : kTypes)
      for (const Rect& area : {hits.StockRect, hits.SeatHandRect[1], hits.SeatHandRect[0]}) {
        const Found found = Look(surfaces.BackBuffer, area, type.top, type.bottom);
        EXPECT_LT(found.top + found.bottom, 10) << type.format;
      }
  }

  for (const PictureType& type : kTypes) {
    SCOPED_TRACE(type.format);
    const QString path = Write(type);
    bool opened = false;
    EXPECT_EQ(ChooseInTheDialog(path, &opened), CardBackOutcome::Rebuilt);
    ASSERT_TRUE(opened) << "the dialog took the " << type.format << " file";
    EXPECT_TRUE(recorder.messages.empty()) << recorder.messages.front().id;
    EXPECT_EQ(store.Stored("Last", "BackSet"), "1");

    // The rebuilt card back itself, away from its frame line.
    EXPECT_TRUE(Near(surfaces.CardBack.pixel(75, 50), type.top));
    EXPECT_TRUE(Near(surfaces.CardBack.pixel(75, 165), type.bottom));
    ExpectTheTableShows(surfaces, type);

    // The next start reads the strip from its cache and shows the same.
    Surfaces nextStart;
    ASSERT_TRUE(LoadBoardPictures(nextStart, PictureSource(), false, Sink()));
    ASSERT_TRUE(PrepareCardBacks(nextStart, false, Options(), {}, Sink()));
    ExpectTheTableShows(nextStart, type);
  }
}

// Inside each type a file may keep its pixels in many ways; every one of them
// reaches the card back in its own colours.
TEST_F(CardBackFormats, EveryPixelLayoutOfATypeKeepsItsColours) {
  const QImage picture = TwoColours(qRgb(200, 30, 60), qRgb(30, 90, 210), 120, 160);
  const QImage blackOverWhite = TwoColours(qRgb(0, 0, 0), qRgb(255, 255, 255), 120, 160);
  const struct {
    const char* format;
    const char* file;
    QImage::Format layout;
  } layouts[] = {
      {"bmp", "mono.bmp", QImage::Format_Mono},        {"bmp", "indexed.bmp", QImage::Format_Indexed8},
      {"png", "grey.png", QImage::Format_Grayscale8},  {"png", "grey16.png", QImage::Format_Grayscale16},
      {"png", "deep.png", QImage::Format_RGBA64},      {"png", "indexed.png", QImage::Format_Indexed8},
      {"png", "alpha.png", QImage::Format_ARGB32},     {"jpeg", "grey.jpg", QImage::Format_Grayscale8},
      {"tiff", "alpha.tif", QImage::Format_ARGB32},    {"tiff", "deep.tif", QImage::Format_RGBA64},
      {"tiff", "mono.tif", QImage::Format_Mono},       {"tiff", "grey.tif", QImage::Format_Grayscale8},
  };
  const CardBackContext context{store, surfaces, recorder.Services(), 0};
  for (const auto& layout : layouts) {
    SCOPED_TRACE(layout.file);
    // One bit a pixel holds black and white only; any other colour is dithered.
    const QImage stored = (layout.layout == QImage::Format_Mono ? blackOverWhite : picture)
                              .convertToFormat(layout.layout);
    const QString path = files.filePath(QString::fromLatin1(layout.file));
    ASSERT_TRUE(QImageWriter(path, layout.format).write(stored));
    CBackSet dialog(context);
    ASSERT_TRUE(dialog.SetFreeImageFromPath(path));
    EXPECT_TRUE(recorder.messages.empty());
    ASSERT_EQ(surfaces.Scratch.size(), QSize(151, 215));
    EXPECT_TRUE(Near(surfaces.Scratch.pixel(75, 40), stored.pixel(60, 30), 12));
    EXPECT_TRUE(Near(surfaces.Scratch.pixel(75, 175), stored.pixel(60, 130), 12));
  }
}

}  // namespace
}  // namespace tolva
