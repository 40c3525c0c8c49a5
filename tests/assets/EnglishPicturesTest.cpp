// The pictures with words, drawn in English: each word inside its box and
// legible there (not shrunk or squeezed past reading), the English set
// embedded beside the Japanese one at every density, and the program taking
// it when it speaks English. A word the translation files lack stops the
// generator instead of being drawn in Japanese.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "render/PictureSource.h"
#include "res/Language.h"
#include "tools/picturegen/Icons.h"
#include "tools/picturegen/ResultPictures.h"
#include "tools/picturegen/Style.h"
#include "tools/picturegen/TableBitmaps.h"
#include "tools/picturegen/Words.h"

namespace tolva {
namespace {

using picturegen::Words;

const Words& English() {
  static const Words words = [] {
    QString error;
    const std::optional<Words> read = picturegen::EnglishWords(QStringLiteral(TOLVA_I18N_DIR), &error);
    if (!read) ADD_FAILURE() << error.toStdString();
    return read.value_or(Words{});
  }();
  return words;
}

// How much of their natural width the letters keep: 1 when the words were
// only scaled, less when they were squeezed to fit.
double WidthKept(const QPainterPath& fitted, const QString& text, const QFont& font) {
  const QRectF natural = picturegen::TextPath(text, font).boundingRect();
  const QRectF ink = fitted.boundingRect();
  return (ink.width() / ink.height()) / (natural.width() / natural.height());
}

TEST(EnglishPictures, EveryCaptionFitsItsBoxAndStaysLegible) {
  const QRectF inside(13, 13, 300 - 26, 200 - 26);  // within the picture's frame
  for (picturegen::ResultScene scene : picturegen::kResultScenes) {
    const QString caption = English().Caption(scene);
    SCOPED_TRACE(caption.toStdString());
    ASSERT_FALSE(caption.isEmpty());
    const picturegen::CaptionPlace place = picturegen::CaptionPlaceOf(scene);
    const QRectF ink = picturegen::ResultCaption(scene, English()).boundingRect();
    EXPECT_TRUE(place.box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(ink));
    // With its outline and bold stroke the caption still keeps off the frame.
    const qreal stroke = place.outlineWidth + 0.9;
    EXPECT_TRUE(inside.contains(ink.adjusted(-stroke, -stroke, stroke, stroke)));
    // Shown stretched over a 640 x 480 window at the least, capitals of 14
    // pixels on the picture read from across a room.
    EXPECT_GE(ink.height(), 14.0);
    // The Japanese caption of the same picture fills its box to a like degree.
    const QRectF japanese = picturegen::ResultCaption(scene, picturegen::JapaneseWords()).boundingRect();
    EXPECT_GE(ink.width() * ink.height(), 0.35 * japanese.width() * japanese.height());
  }
}

TEST(EnglishPictures, SeatNamesFillTheirPlatesUnsqueezedPastReading) {
  ASSERT_EQ(English().seatNames.size(), 5);
  const QRectF cell(0, 0, 92, 23);
  const QRectF box = picturegen::PlateNameBox(cell);
  for (const QString& name : English().seatNames) {
    SCOPED_TRACE(name.toStdString());
    const QPainterPath plate = picturegen::PlateName(name, cell);
    const QRectF ink = plate.boundingRect();
    EXPECT_TRUE(box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(ink));
    EXPECT_NEAR(ink.height(), box.height(), 0.5) << "every name stands at the plate's height";
    EXPECT_GE(WidthKept(plate, name.toUpper(), picturegen::PGothic(16)), 0.8);
  }
}

TEST(EnglishPictures, TheReachBadgeFitsItsWord) {
  const QString reach = English().reach;
  ASSERT_FALSE(reach.isEmpty());
  const QPainterPath word = picturegen::ReachWord(reach);
  const QRectF box = picturegen::ReachWordBox();
  EXPECT_TRUE(box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(word.boundingRect()));
  // A long word stands a little lower rather than squeezed till its letters
  // run together.
  EXPECT_GE(word.boundingRect().height(), 0.8 * box.height());
  EXPECT_GE(WidthKept(word, reach.toUpper(), picturegen::PGothic(16)), 0.59);
}

TEST(EnglishPictures, AWordMissingFromTheTranslationsIsRefused) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* file : {"names_en.ts", "pictures_en.ts"}) {
    QFile source(QStringLiteral(TOLVA_I18N_DIR "/") + file);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray text = source.readAll();
    // The Reach badge's word loses its translation.
    if (text.contains("<source>リーチ</source>"))
      text.replace("<translation>Reach</translation>", "<translation type=\"unfinished\"></translation>");
    QFile copy(dir.filePath(file));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(text);
  }
  QString error;
  EXPECT_FALSE(picturegen::EnglishWords(dir.path(), &error));
  EXPECT_TRUE(error.contains(QStringLiteral("リーチ"))) << error.toStdString();

  QFile::remove(dir.filePath("names_en.ts"));
  EXPECT_FALSE(picturegen::EnglishWords(dir.path(), &error));
  EXPECT_TRUE(error.contains(QStringLiteral("names_en.ts"))) << error.toStdString();
}

// The game speaks English for one test, and Japanese again after it.
struct SpeakingEnglish {
  SpeakingEnglish() { SetActiveLanguage(Language::English); }
  ~SpeakingEnglish() { SetActiveLanguage(Language::Japanese); }
};

TEST(EnglishPictures, TheProgramTakesTheEnglishSetWhereAPictureHasWords) {
  const char* withWords[] = {"pictures/150.png", "pictures/140@2x.png", "pictures/166@3x.png",
                             "pictures/135.png", "pictures/143@3x.png", "pictures/142.png",
                             "icons/169.png",    "icons/168.png"};
  const char* withoutWords[] = {"pictures/147.png", "pictures/169.png", "pictures/141@2x.png",
                                "icons/tolvagame.png"};
  for (const char* name : withWords) {
    SCOPED_TRACE(name);
    EXPECT_EQ(PictureResource(QString::fromLatin1(name)), QStringLiteral(":/") + name);
    SpeakingEnglish english;
    const QString resource = PictureResource(QString::fromLatin1(name));
    EXPECT_EQ(resource, QStringLiteral(":/en/") + name);
    const QImage en(resource), ja(QStringLiteral(":/") + name);
    ASSERT_FALSE(en.isNull());
    EXPECT_EQ(en.size(), ja.size());
    EXPECT_NE(en, ja) << "the English picture has its own words";
  }
  SpeakingEnglish english;
  for (const char* name : withoutWords)
    EXPECT_EQ(PictureResource(QString::fromLatin1(name)), QStringLiteral(":/") + name) << name;
  // Through the picture source, as the table loads its plates.
  EXPECT_EQ(PictureSource().Bitmap(150), QImage(QStringLiteral(":/en/pictures/150.png")));
}

}  // namespace
}  // namespace tolva
