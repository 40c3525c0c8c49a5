// The card back dialog: where the picture sits in each preview, what Save
// writes (and only when something changed), the command's rebuild after it,
// drops onto the black frame, the mouse on the previews, the painted frames,
// and picture files that are damaged or lie about themselves.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include "dialogs/CBackSet.h"
#include "dialogs/CardBackCommand.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/ImageFileFilter.h"
#include "dialogs/PreviewFit.h"
#include "render/CardBacks.h"
#include "render/ScaledPictures.h"
#include "render/Surfaces.h"
#include "support/RecordedServices.h"
#include "table/MemorySettingsStore.h"
#include "table/SettingsSchema.h"

namespace tolva {
namespace {

using testing::RecordedMessage;
using testing::Recorder;

// --- fitting ---------------------------------------------------------------------

TEST(PreviewFit, ALargeAreaShowsThePictureAtItsSizeCentred) {
  EXPECT_EQ(FitCardPicture(QRect(10, 20, 200, 300)), QRect(10 + 24, 20 + 42, 151, 215));
  // 152 x 216 is the smallest area that takes the picture unscaled.
  EXPECT_EQ(FitCardPicture(QRect(0, 0, 152, 216)), QRect(0, 0, 151, 215));
  EXPECT_EQ(FitCardPicture(QRect(0, 0, 153, 1000)), QRect(1, 392, 151, 215));
}

TEST(PreviewFit, ASmallAreaScalesThePictureKeepingItsProportions) {
  // Relatively taller than the card: full width, centred vertically.
  // 114 / 151 x 215 = 162.3 → 162; (184 - 162) / 2 = 11.
  EXPECT_EQ(FitCardPicture(QRect(36, 141, 114, 184)), QRect(36, 152, 114, 162));
  // Relatively wider: full height, centred horizontally.
  // 192 / 215 x 151 = 134.8 → 134; (150 - 134) / 2 = 8.
  EXPECT_EQ(FitCardPicture(QRect(177, 138, 150, 192)), QRect(185, 138, 134, 192));
  // The card's own size is not larger than itself: it fits exactly.
  EXPECT_EQ(FitCardPicture(QRect(5, 5, 151, 215)), QRect(5, 5, 151, 215));
  // Wide enough but too low: scaled by the height.
  EXPECT_EQ(FitCardPicture(QRect(0, 0, 400, 100)), QRect(165, 0, 70, 100));
  EXPECT_TRUE(FitCardPicture(QRect(0, 0, 0, 50)).isEmpty());
}

// The game's "text|patterns|...||" filter as Qt's file dialog reads it.
TEST(ImageFileFilter, KeepsTheSixGroupsAndTheirPatterns) {
  const QStringList groups = QtFileFilter("Pictures |*.jpg;*.png|Bitmaps(*.bmp)|*.bmp||").split(";;");
  EXPECT_EQ(groups, (QStringList{"Pictures (*.jpg *.png)", "Bitmaps(*.bmp) (*.bmp)"}));

  const QStringList game = QtFileFilter(kImageFileFilter).split(";;");
  ASSERT_EQ(game.size(), 6);
  EXPECT_TRUE(game[0].endsWith("(*.jpg *.jpeg *.gif *.bmp *.png *.tif *.tiff)"));
  EXPECT_TRUE(game[1].endsWith(") (*.jpg *.jpeg)"));
  EXPECT_TRUE(game[5].endsWith(") (*.tif *.tiff)"));
}

// --- the dialog --------------------------------------------------------------------

QString FreeImageFile() { return QDir::tempPath() + QStringLiteral("/TolvaGame/CardBack.jpg"); }

QImage Solid(QColor colour, int w = 60, int h = 90) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

// Close enough for a picture that went through JPEG and scaling.
bool Near(QRgb a, QColor b, int tolerance = 24) {
  return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
         std::abs(qBlue(a) - b.blue()) <= tolerance;
}

struct CardBackDialog : ::testing::Test {
  MemorySettingsStore store;
  Surfaces surfaces;
  Recorder recorder;
  QTemporaryDir files;
  int soundOn = 1;

  void SetUp() override {
    ASSERT_TRUE(files.isValid());
    QDir(QDir::tempPath() + QStringLiteral("/TolvaGame")).removeRecursively();
  }
  CardBackContext Context() { return {store, surfaces, recorder.Services(), soundOn}; }
  QString File(const QString& name) { return files.filePath(name); }
  QString Picture(const QString& name, QColor colour) {
    const QString path = File(name);
    EXPECT_TRUE(Solid(colour).save(path, "PNG"));
    return path;
  }
  // A stored free image, as a previous Save leaves it.
  void StoreFreeImage(QColor colour) {
    QDir().mkpath(QDir::tempPath() + QStringLiteral("/TolvaGame"));
    ASSERT_TRUE(Solid(colour, 151, 215).save(FreeImageFile(), "JPEG", 100));
  }
};

TEST_F(CardBackDialog, PicturesFitInsideTheirPreviews) {
  CBackSet dialog(Context());
  for (int i = 0; i < 2; ++i) {
    const QRect area = dialog.PreviewRect[i];
    const QRect picture = dialog.PictureRect[i];
    EXPECT_TRUE(area.contains(picture)) << i;
    EXPECT_EQ(picture, FitCardPicture(area)) << i;
    // Proportions kept within a pixel of 151:215.
    EXPECT_NEAR(picture.width() * 215.0 / 151.0, picture.height(), 1.5) << i;
  }
  EXPECT_FALSE(dialog.PreviewRect[0].intersects(dialog.PreviewRect[1]));
  for (QWidget* control : dialog.findChildren<QWidget*>()) {
    EXPECT_TRUE(dialog.rect().contains(control->geometry()))
        << control->metaObject()->className();
    for (const QRect& preview : dialog.PreviewRect)
      EXPECT_FALSE(preview.intersects(control->geometry()))
          << control->metaObject()->className();
  }
}

TEST_F(CardBackDialog, SavingWithNothingChangedWritesNothing) {
  CBackSet dialog(Context());
  EXPECT_TRUE(dialog.DefaultRadio()->isChecked());
  EXPECT_TRUE(dialog.FrameLineBox()->isChecked());  // CardWaku defaults to 1
  dialog.SaveButton()->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Changed, 0);
  EXPECT_EQ(store.WriteCount(), 0);
  EXPECT_FALSE(QFileInfo::exists(FreeImageFile()));
  int rebuilds = 0;
  EXPECT_EQ(FinishCardBackDialog(dialog.result(), dialog.Changed, [&] { return ++rebuilds, true; },
                                 recorder.Services()),
            CardBackOutcome::Unchanged);
  EXPECT_EQ(rebuilds, 0);
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CardBackDialog, OnlyTheFrameLineChangedWritesCardWakuAndAsksForARebuild) {
  CBackSet dialog(Context());
  dialog.FrameLineBox()->click();
  EXPECT_EQ(dialog.FrameLine, 0);
  dialog.SaveButton()->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(store.Stored("Last", "CardWaku"), "0");
  EXPECT_FALSE(store.Stored("Last", "BackSet").has_value());
  EXPECT_EQ(store.WriteCount(), 1);
  EXPECT_FALSE(QFileInfo::exists(FreeImageFile()));
  EXPECT_EQ(dialog.Changed, 1);

  int rebuilds = 0;
  EXPECT_EQ(FinishCardBackDialog(dialog.result(), dialog.Changed, [&] { return ++rebuilds, true; },
                                 recorder.Services()),
            CardBackOutcome::Rebuilt);
  EXPECT_EQ(rebuilds, 1);
}

TEST_F(CardBackDialog, TheFreeImageChosenWithoutOneShowsTheMessageAndStays) {
  Settings(store).SetBackSet(1);
  const int writesBefore = store.WriteCount();
  CBackSet dialog(Context());
  EXPECT_TRUE(dialog.FreeRadio()->isChecked());
  EXPECT_EQ(dialog.HasFreeImage, 0);

  dialog.SaveButton()->click();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(recorder.messages, (std::vector<RecordedMessage>{{30051, MessageStyle::Error}}));
  EXPECT_EQ(store.WriteCount(), writesBefore);
}

TEST_F(CardBackDialog, ANewFreeImageIsWrittenAtCardSize) {
  CBackSet dialog(Context());
  ASSERT_TRUE(dialog.SetFreeImageFromPath(Picture("red.png", Qt::red)));
  EXPECT_TRUE(dialog.FreeRadio()->isChecked());
  EXPECT_FALSE(dialog.DefaultRadio()->isChecked());
  EXPECT_EQ(dialog.HasFreeImage, 1);
  EXPECT_EQ(dialog.Changed, 1);
  EXPECT_EQ(surfaces.Scratch.size(), QSize(151, 215));
  EXPECT_FALSE(QFileInfo::exists(FreeImageFile())) << "nothing is written before Save";

  dialog.SaveButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(store.Stored("Last", "BackSet"), "1");
  EXPECT_FALSE(store.Stored("Last", "CardWaku").has_value());
  QImageReader written(FreeImageFile());
  EXPECT_EQ(written.format(), "jpeg");
  const QImage back = written.read();
  EXPECT_EQ(back.size(), QSize(151, 215));
  EXPECT_TRUE(Near(back.pixel(75, 107), Qt::red));
}

// Screens of more pixels draw the player's picture from a copy at three times
// the card back's size, not from the 151 x 215 one; a card back written since
// by a program that keeps no such copy leaves the old copy unused.
TEST_F(CardBackDialog, ANewFreeImageIsKeptLargeTooForScreensOfMorePixels) {
  QImage stripes(453 * 2, 645 * 2, QImage::Format_RGB32);
  for (int x = 0; x < stripes.width(); ++x)
    for (int y = 0; y < stripes.height(); ++y)
      stripes.setPixel(x, y, (x / 6) % 2 ? qRgb(200, 30, 30) : qRgb(30, 30, 200));
  const QString chosen = File("stripes.png");
  ASSERT_TRUE(stripes.save(chosen, "PNG"));
  CBackSet dialog(Context());
  ASSERT_TRUE(dialog.SetFreeImageFromPath(chosen));
  dialog.SaveButton()->click();
  const QImage large = LoadFreeImageLarge();
  ASSERT_EQ(large.size(), QSize(453, 645));
  EXPECT_TRUE(Near(large.pixel(1, 300), QColor(30, 30, 200)));
  EXPECT_TRUE(Near(large.pixel(4, 300), QColor(200, 30, 30))) << "the stripes a 151-wide copy loses";

  surfaces.CardBack = Solid(Qt::green, 151, 215);
  surfaces.CardBackFree = true;
  ScaledPictures pictures(surfaces);
  pictures.SetScale({3, 3});
  const ScaledPictures::Piece back = pictures.CardBack();
  ASSERT_NE(back.image, nullptr);
  EXPECT_TRUE(Near(back.image->pixel(4, 300), QColor(200, 30, 30))) << "drawn from the large copy";

  QTest::qWait(20);
  StoreFreeImage(Qt::blue);
  EXPECT_TRUE(LoadFreeImageLarge().isNull()) << "older than the card back in use";
}

TEST_F(CardBackDialog, AStoredFreeImageIsShownAndKeptWithoutRewriting) {
  StoreFreeImage(Qt::blue);
  Settings(store).SetBackSet(1);
  const QDateTime written = QFileInfo(FreeImageFile()).lastModified();
  const int writesBefore = store.WriteCount();

  CBackSet dialog(Context());
  EXPECT_EQ(dialog.HasFreeImage, 1);
  EXPECT_TRUE(dialog.FreeRadio()->isChecked());
  EXPECT_TRUE(Near(surfaces.Scratch.pixel(75, 107), Qt::blue));
  dialog.SaveButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Changed, 0);
  EXPECT_EQ(store.WriteCount(), writesBefore);
  EXPECT_EQ(QFileInfo(FreeImageFile()).lastModified(), written);
}

TEST_F(CardBackDialog, ANewImageThenTheDefaultChosenWritesNoFile) {
  CBackSet dialog(Context());
  ASSERT_TRUE(dialog.SetFreeImageFromPath(Picture("red.png", Qt::red)));
  dialog.DefaultRadio()->click();
  dialog.SaveButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(QFileInfo::exists(FreeImageFile()));
  EXPECT_EQ(store.WriteCount(), 0);
}

TEST_F(CardBackDialog, CancelWritesNothingEvenAfterANewImage) {
  CBackSet dialog(Context());
  ASSERT_TRUE(dialog.SetFreeImageFromPath(Picture("red.png", Qt::red)));
  dialog.FrameLineBox()->click();
  dialog.CancelButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(store.WriteCount(), 0);
  EXPECT_FALSE(QFileInfo::exists(FreeImageFile()));
  int rebuilds = 0;
  EXPECT_EQ(FinishCardBackDialog(dialog.result(), dialog.Changed, [&] { return ++rebuilds, true; },
                                 recorder.Services()),
            CardBackOutcome::Unchanged);
  EXPECT_EQ(rebuilds, 0);
}

TEST_F(CardBackDialog, AFailedRebuildShowsItsMessage) {
  EXPECT_EQ(FinishCardBackDialog(QDialog::Accepted, 1, [] { return false; }, recorder.Services()),
            CardBackOutcome::Failed);
  EXPECT_EQ(recorder.messages, (std::vector<RecordedMessage>{{30061, MessageStyle::Error}}));
}

TEST_F(CardBackDialog, TheWholeCommandRebuildsTheStripFromTheNewSettings) {
  // The surfaces the strip is built from, as the view has them.
  surfaces.DefaultCardBack = Solid(QColor(20, 40, 160), 151, 215);
  surfaces.CardBack = surfaces.DefaultCardBack;
  surfaces.HiddenHandStrip = QImage(2175, 302, QImage::Format_RGB32);
  // The dialog runs modally; close it the way the player would.
  QTimer::singleShot(0, [] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<CBackSet*>(widget)) {
        dialog->FrameLineBox()->click();
        dialog->SaveButton()->click();
      }
  });
  int blinks = 0;
  EXPECT_EQ(RunCardBackCommand(Context(), [&] { ++blinks; }, nullptr), CardBackOutcome::Rebuilt);
  EXPECT_EQ(store.Stored("Last", "CardWaku"), "0");
  EXPECT_EQ(blinks, 7);  // once at the start and before each of the six fans
  EXPECT_TRUE(QFileInfo::exists(QDir::tempPath() + QStringLiteral("/TolvaGame/CardBack.bmp")));
  EXPECT_TRUE(recorder.messages.empty());
}

// --- drops -------------------------------------------------------------------------

void Drop(CBackSet& dialog, const QList<QUrl>& urls, QPoint at) {
  QMimeData data;
  data.setUrls(urls);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&dialog, &enter);
  QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&dialog, &move);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&dialog, &drop);
}

TEST_F(CardBackDialog, DroppingThreeFilesSetsTheFirstOnly) {
  CBackSet dialog(Context());
  const QList<QUrl> urls = {QUrl::fromLocalFile(Picture("red.png", Qt::red)),
                            QUrl::fromLocalFile(Picture("green.png", Qt::green)),
                            QUrl::fromLocalFile(Picture("blue.png", Qt::blue))};
  Drop(dialog, urls, dialog.PreviewRect[CBackSet::kFreePreview].center());
  EXPECT_EQ(dialog.HasFreeImage, 1);
  EXPECT_TRUE(dialog.FreeRadio()->isChecked());
  EXPECT_TRUE(Near(surfaces.Scratch.pixel(75, 107), Qt::red));
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CardBackDialog, OnlyTheBlackFrameTakesDrops) {
  CBackSet dialog(Context());
  const QList<QUrl> urls = {QUrl::fromLocalFile(Picture("red.png", Qt::red))};
  Drop(dialog, urls, dialog.PreviewRect[CBackSet::kDefaultPreview].center());
  Drop(dialog, urls, QPoint(5, 5));
  EXPECT_EQ(dialog.HasFreeImage, 0);
  EXPECT_TRUE(surfaces.Scratch.isNull());
}

TEST_F(CardBackDialog, ADropWhoseFirstEntryIsNoFileSetsNothing) {
  CBackSet dialog(Context());
  Drop(dialog,
       {QUrl(QStringLiteral("https://example.org/back.png")),
        QUrl::fromLocalFile(Picture("red.png", Qt::red))},
       dialog.PreviewRect[CBackSet::kFreePreview].center());
  Drop(dialog, {QUrl::fromLocalFile(File("missing.png"))},
       dialog.PreviewRect[CBackSet::kFreePreview].center());
  EXPECT_EQ(dialog.HasFreeImage, 0);
  EXPECT_EQ(dialog.Changed, 0);
  EXPECT_TRUE(recorder.messages.empty());  // a missing file is simply nothing
}

// --- bad picture files --------------------------------------------------------------

// A PNG whose header claims w x h pixels and holds nothing else.
QByteArray PngClaiming(quint32 w, quint32 h) {
  QByteArray png = Encoded(Solid(Qt::red, 8, 8), "PNG");
  // The IHDR chunk: length at 8, type at 12, width at 16, height at 20, CRC at 29.
  qToBigEndian(w, png.data() + 16);
  qToBigEndian(h, png.data() + 20);
  // Recompute the CRC of "IHDR" + its 13 bytes so that the header reads as valid.
  quint32 crc = 0xffffffffu;
  for (int i = 12; i < 29; ++i) {
    crc ^= static_cast<quint8>(png[i]);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  qToBigEndian(crc ^ 0xffffffffu, png.data() + 29);
  return png.left(33);  // no image data at all
}

struct BadFile {
  const char* name;
  QByteArray bytes;
  RecordedMessage message;
};

TEST_F(CardBackDialog, DamagedOrLyingFilesGiveTheirMessageAndChangeNothing) {
  const QByteArray png = Encoded(Solid(Qt::red, 300, 400), "PNG");
  const QByteArray jpeg = Encoded(Solid(Qt::red, 300, 400), "JPEG");
  const std::vector<BadFile> cases = {
      {"cut.png", png.left(png.size() / 2), {30001, MessageStyle::Error}},
      {"cut.jpg", jpeg.left(jpeg.size() / 2), {30001, MessageStyle::Error}},
      {"text.png", "this is not a picture", {30001, MessageStyle::Error}},
      {"empty.bmp", "", {30001, MessageStyle::Error}},
      {"huge.png", PngClaiming(100000, 100000), {30001, MessageStyle::Error}},
      {"wide.png", PngClaiming(0x7fffffff, 1), {30001, MessageStyle::Error}},
      {"picture.txt", png, {30056, MessageStyle::Information}},
      {"noextension", png, {30056, MessageStyle::Information}},
  };
  StoreFreeImage(Qt::blue);
  CBackSet dialog(Context());
  ASSERT_EQ(dialog.HasFreeImage, 1);
  const QImage before = surfaces.Scratch;
  for (const BadFile& bad : cases) {
    recorder.messages.clear();
    WriteBytes(File(bad.name), bad.bytes);
    EXPECT_FALSE(dialog.SetFreeImageFromPath(File(bad.name))) << bad.name;
    EXPECT_EQ(recorder.messages, std::vector<RecordedMessage>{bad.message}) << bad.name;
    EXPECT_EQ(surfaces.Scratch, before) << bad.name;
    EXPECT_EQ(dialog.Changed, 0) << bad.name;
    EXPECT_TRUE(dialog.DefaultRadio()->isChecked()) << bad.name;
  }
}

TEST_F(CardBackDialog, TheContentDecidesNotTheName) {
  // A PNG named .jpg is still a picture of one of the five types.
  const QString path = File("really-a-png.jpg");
  WriteBytes(path, Encoded(Solid(Qt::green), "PNG"));
  CBackSet dialog(Context());
  EXPECT_TRUE(dialog.SetFreeImageFromPath(path));
  EXPECT_TRUE(Near(surfaces.Scratch.pixel(75, 107), Qt::green));
  EXPECT_TRUE(recorder.messages.empty());
}

// --- mouse and painting ---------------------------------------------------------------

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at) {
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)),
                    Qt::LeftButton, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

TEST_F(CardBackDialog, PressingAPreviewSelectsItWithTheClickSound) {
  StoreFreeImage(Qt::blue);
  CBackSet dialog(Context());
  SendMouse(dialog, QEvent::MouseButtonPress, dialog.PreviewRect[CBackSet::kFreePreview].center());
  EXPECT_TRUE(dialog.FreeRadio()->isChecked());
  SendMouse(dialog, QEvent::MouseButtonPress,
            dialog.PreviewRect[CBackSet::kDefaultPreview].center());
  EXPECT_TRUE(dialog.DefaultRadio()->isChecked());
  EXPECT_FALSE(dialog.FreeRadio()->isChecked());
  SendMouse(dialog, QEvent::MouseButtonPress, QPoint(3, 300));  // outside both: nothing
  EXPECT_EQ(recorder.waves, (std::vector<int>{155, 155}));

  QTest::mouseClick(dialog.FreeRadio(), Qt::LeftButton);
  EXPECT_TRUE(dialog.FreeRadio()->isChecked());
  EXPECT_EQ(recorder.waves.size(), 3u);
  EXPECT_EQ(store.WriteCount(), 0) << "selecting writes nothing";
}

TEST_F(CardBackDialog, WithSoundOffNothingSounds) {
  soundOn = 0;
  CBackSet dialog(Context());
  SendMouse(dialog, QEvent::MouseButtonPress,
            dialog.PreviewRect[CBackSet::kDefaultPreview].center());
  QTest::mouseClick(dialog.FreeRadio(), Qt::LeftButton);
  EXPECT_TRUE(recorder.waves.empty());
}

TEST_F(CardBackDialog, DoubleClickingTheDefaultPreviewSelectsSavesAndCloses) {
  Settings(store).SetBackSet(1);
  CBackSet dialog(Context());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  SendMouse(dialog, QEvent::MouseButtonDblClick,
            dialog.PreviewRect[CBackSet::kDefaultPreview].center());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(store.Stored("Last", "BackSet"), "0");
  EXPECT_EQ(dialog.Changed, 1);
  EXPECT_TRUE(recorder.waves.empty());  // the double-click itself is silent
}

TEST_F(CardBackDialog, DoubleClickingAnEmptyFreePreviewStaysWithTheMessage) {
  CBackSet dialog(Context());
  dialog.show();
  SendMouse(dialog, QEvent::MouseButtonDblClick,
            dialog.PreviewRect[CBackSet::kFreePreview].center());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(recorder.messages, (std::vector<RecordedMessage>{{30051, MessageStyle::Error}}));
}

TEST_F(CardBackDialog, TheHandShowsOverPreviewsThatHoldAPicture) {
  CBackSet dialog(Context());
  const auto shapeAt = [&](QPoint at) {
    SendMouse(dialog, QEvent::MouseMove, at);
    return dialog.cursor().shape();
  };
  EXPECT_EQ(shapeAt(dialog.PreviewRect[CBackSet::kDefaultPreview].center()),
            Qt::PointingHandCursor);
  EXPECT_EQ(shapeAt(QPoint(3, 300)), Qt::ArrowCursor);
  EXPECT_EQ(shapeAt(dialog.PreviewRect[CBackSet::kFreePreview].center()), Qt::ArrowCursor);
  ASSERT_TRUE(dialog.SetFreeImageFromPath(Picture("red.png", Qt::red)));
  EXPECT_EQ(shapeAt(dialog.PreviewRect[CBackSet::kFreePreview].center()),
            Qt::PointingHandCursor);
}

TEST_F(CardBackDialog, TheFrameLinesFollowTheCheckBox) {
  CBackSet dialog(Context());
  ASSERT_TRUE(dialog.SetFreeImageFromPath(Picture("red.png", Qt::red)));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const QRect defaultFrame = dialog.PictureRect[CBackSet::kDefaultPreview].adjusted(-1, -1, 1, 1);
  const QRect freePicture = dialog.PictureRect[CBackSet::kFreePreview];
  const QRect blackFrame = dialog.PreviewRect[CBackSet::kFreePreview];
  const QColor frame(120, 120, 60);

  QImage shown = dialog.grab().toImage();
  for (QPoint corner : {defaultFrame.topLeft(), defaultFrame.bottomRight()})
    EXPECT_EQ(shown.pixelColor(corner), frame);
  for (QPoint corner : {freePicture.topLeft(), freePicture.bottomRight()})
    EXPECT_EQ(shown.pixelColor(corner), frame);
  EXPECT_TRUE(Near(shown.pixel(freePicture.center()), Qt::red));
  EXPECT_EQ(shown.pixelColor(blackFrame.topLeft()), QColor(Qt::black));

  dialog.FrameLineBox()->click();
  shown = dialog.grab().toImage();
  EXPECT_EQ(shown.pixelColor(defaultFrame.topLeft()), QColor(Qt::white));
  EXPECT_TRUE(Near(shown.pixel(freePicture.topLeft()), Qt::red));  // no frame: the picture
  EXPECT_EQ(shown.pixelColor(blackFrame.topLeft()), QColor(Qt::black));
}

}  // namespace
}  // namespace tolva
