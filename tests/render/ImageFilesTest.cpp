// Image files: picture types by name, decoding the player's files (cut short,
// lying about their size, too big) and writing the five types.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include "render/FileProblems.h"
#include "render/GifWriter.h"
#include "render/ImageChecks.h"
#include "render/ImageFiles.h"
#include "render/TempFolder.h"
#include "res/StringTable.h"
#include "tests/render/support/SyntheticPictures.h"

namespace tolva {
namespace {

QImage Gradient(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x ^ y) & 255));
  return image;
}

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  if (QByteArray(format) == "gif") {
    EXPECT_TRUE(WriteGif(buffer, image));
  } else {
    EXPECT_TRUE(QImageWriter(&buffer, format).write(image));
  }
  return data;
}

struct ImageFilesTest : ::testing::Test {
  testing::MessageLog log;
  QString folder = TempFolder(QStringLiteral("tests"), {});

  QString Write(const QString& name, const QByteArray& bytes) const {
    const QString path = folder + "/" + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
};

TEST_F(ImageFilesTest, ImageTypeOfGoesByTheLastExtensionInAnyCase) {
  EXPECT_EQ(ImageTypeOf("photo.JPG", log.Sink()), "jpeg");
  EXPECT_EQ(ImageTypeOf("photo.jpeg", log.Sink()), "jpeg");
  EXPECT_EQ(ImageTypeOf("scan.tif", log.Sink()), "tiff");
  EXPECT_EQ(ImageTypeOf("scan.TIFF", log.Sink()), "tiff");
  EXPECT_EQ(ImageTypeOf("/home/u/a.b/back.Png", log.Sink()), "png");
  EXPECT_EQ(ImageTypeOf("x.gif", log.Sink()), "gif");
  EXPECT_EQ(ImageTypeOf("archive.png.bmp", log.Sink()), "bmp");
  EXPECT_TRUE(log.ids.empty());

  EXPECT_EQ(ImageTypeOf("README", log.Sink()), "");
  EXPECT_EQ(ImageTypeOf("/home/u/a.b/noextension", log.Sink()), "") << "a dot in a folder is no extension";
  EXPECT_EQ(ImageTypeOf("picture.webp", log.Sink()), "");
  EXPECT_EQ(log.ids, (std::vector<int>{kMsgUnsupportedFileType, kMsgUnsupportedFileType,
                                       kMsgUnsupportedFileType}));
  EXPECT_EQ(log.styles[0], MessageStyle::Information);
}

TEST_F(ImageFilesTest, EveryTypeIsWrittenAndReadBack) {
  const QImage source = Gradient(90, 60);
  for (const char* type : {"jpeg", "gif", "bmp", "png", "tiff"}) {
    const QString path = folder + "/out." + type;
    ASSERT_TRUE(SaveBitmapAs(source, path, 151, 215, type, log.Sink())) << type;
    QImageReader reader(path);
    EXPECT_EQ(QByteArray(reader.format()), QByteArray(type)) << "written as " << type;
    const QImage back = DecodePlayerImage(path, log.Sink());
    ASSERT_EQ(back.size(), QSize(151, 215)) << type;
    const QImage expected = source.scaled(151, 215, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int tolerance = QByteArray(type) == "gif" ? 40 : QByteArray(type) == "jpeg" ? 12 : 0;
    for (const QPoint p : {QPoint(10, 10), QPoint(75, 107), QPoint(140, 200)})
      EXPECT_TRUE(testing::Near(back.pixel(p), expected.pixel(p), tolerance))
          << type << " at " << p.x() << "," << p.y();
  }
  EXPECT_TRUE(log.ids.empty());
}

TEST_F(ImageFilesTest, GifEncoderSurvivesTablesThatFillAndClear) {
  // Noise makes the LZW table fill many times over.
  QImage noise(400, 300, QImage::Format_RGB32);
  quint32 seed = 12345;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) {
      seed = seed * 1103515245u + 12345u;
      noise.setPixel(x, y, qRgb((seed >> 16) & 0xC0, (seed >> 8) & 0xC0, seed & 0xC0));
    }
  const QByteArray data = Encoded(noise, "gif");
  EXPECT_TRUE(LooksComplete(data, "gif"));
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  const QImage back = QImageReader(&buffer, "gif").read();
  ASSERT_EQ(back.size(), noise.size());
  int exact = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) exact += (back.pixel(x, y) & 0xffffff) == (noise.pixel(x, y) & 0xffffff);
  EXPECT_EQ(exact, 400 * 300) << "64 colours fit the palette exactly";
}

TEST_F(ImageFilesTest, AFileCutShortGivesTheMessageAndNoPicture) {
  const QImage source = Gradient(200, 150);
  for (const char* type : {"jpeg", "png", "bmp", "gif", "tiff"}) {
    const QByteArray whole = Encoded(source, type);
    ASSERT_FALSE(DecodePlayerImage(Write(QString("whole.") + type, whole), log.Sink()).isNull()) << type;
    for (double part : {0.3, 0.7, 0.98}) {
      log.ids.clear();
      const QString path = Write(QString("cut.") + type, whole.left(static_cast<int>(whole.size() * part)));
      EXPECT_TRUE(DecodePlayerImage(path, log.Sink()).isNull()) << type << " cut at " << part;
      EXPECT_EQ(log.ids, std::vector<int>{kMsgOutOfMemory}) << type << " cut at " << part;
    }
  }
}

TEST_F(ImageFilesTest, AFileLyingAboutItsSizeIsRefusedBeforeDecoding) {
  // A PNG header announcing 100000 x 100000 pixels over a few bytes of data.
  QByteArray png = Encoded(Gradient(8, 8), "png");
  const auto be32 = [&](int at, quint32 v) {
    for (int i = 0; i < 4; ++i) png[at + i] = static_cast<char>((v >> (24 - 8 * i)) & 0xFF);
  };
  be32(16, 100000);
  be32(20, 100000);
  EXPECT_TRUE(DecodePlayerImage(Write("huge.png", png), log.Sink()).isNull());

  // A BMP whose header claims 40000 x 40000 at 32 bits.
  QByteArray bmp = Encoded(Gradient(8, 8), "bmp");
  const auto le32 = [&](int at, quint32 v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  le32(18, 40000);
  le32(22, 40000);
  EXPECT_TRUE(DecodePlayerImage(Write("huge.bmp", bmp), log.Sink()).isNull());

  // A JPEG named .png decodes by its content, as any picture the player drops.
  const QImage byContent = DecodePlayerImage(Write("really.png", Encoded(Gradient(20, 10), "jpeg")), log.Sink());
  EXPECT_EQ(byContent.size(), QSize(20, 10));
  EXPECT_EQ(log.ids, (std::vector<int>{kMsgOutOfMemory, kMsgOutOfMemory}));
}

TEST_F(ImageFilesTest, FilesBeyondTheSizeLimitOrEmptyAreNotRead) {
  EXPECT_TRUE(ReadImageFile(Write("empty.png", {})).isNull());
  EXPECT_TRUE(ReadImageFile(folder + "/missing.png").isNull());
  QFile big(folder + "/big.bmp");
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(kMaxImageFileBytes + 1));
  big.close();
  EXPECT_TRUE(ReadImageFile(big.fileName()).isNull());
}

TEST_F(ImageFilesTest, AFolderOrAPipeIsNoPictureAndIsNotOpened) {
  // A pipe where the cache or the free image should be would keep a read
  // waiting for a writer forever: the game would hang at its start.
  const QString pipe = folder + "/CardBack.bmp";
  QFile::remove(pipe);
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  EXPECT_TRUE(ReadImageFile(pipe).isNull());
  EXPECT_TRUE(DecodePlayerImage(pipe, log.Sink()).isNull());
  QFile::remove(pipe);
  ASSERT_TRUE(QDir(folder).mkpath("album.png"));
  EXPECT_TRUE(ReadImageFile(folder + "/album.png").isNull());
  EXPECT_TRUE(DecodePlayerImage(folder + "/album.png", log.Sink()).isNull());
  EXPECT_EQ(log.ids, std::vector<int>(2, kMsgUnsupportedFileType));
}

TEST_F(ImageFilesTest, TransparentPartsTakeTheTopLeftPixelsColour) {
  QImage picture(30, 20, QImage::Format_ARGB32);
  picture.fill(qRgba(10, 200, 30, 0));
  QPainter(&picture).fillRect(10, 5, 10, 10, QColor(250, 0, 0));
  picture.save(folder + "/clear.png");
  const QImage flat = DecodePlayerImage(folder + "/clear.png", log.Sink());
  ASSERT_FALSE(flat.isNull());
  EXPECT_FALSE(flat.hasAlphaChannel());
  EXPECT_EQ(flat.pixel(25, 18), qRgb(10, 200, 30));
  EXPECT_EQ(flat.pixel(15, 10), qRgb(250, 0, 0));
}

// A file that cannot be written is the folder's fault, told with where and
// why; only a picture that cannot be encoded blames the memory.
TEST_F(ImageFilesTest, AFailedWriteSaysWhereAndWhyAndAFailedEncodingBlamesMemory) {
  const QImage picture = Gradient(20, 20);
  const QStringList filesBefore = QDir(folder).entryList(QDir::Files);
  EXPECT_FALSE(SaveBitmapAs(picture, "/nonexistent-folder/deeper/out.bmp", 20, 20, "bmp", log.Sink()));
  EXPECT_FALSE(SaveBitmapAs(picture, folder, 20, 20, "png", log.Sink())) << "a folder is no file";
  EXPECT_FALSE(SaveBitmapAs(picture, folder + "/out.xyz", 20, 20, "xyz", log.Sink())) << "no encoder";
  EXPECT_FALSE(SaveBitmapAs(QImage(), folder + "/none.png", 20, 20, "png", log.Sink()));
  EXPECT_EQ(log.ids, (std::vector<int>{kMsgFileReadFailed, kMsgFileReadFailed, kMsgOutOfMemory,
                                       kMsgOutOfMemory}));
  EXPECT_EQ(log.prefixes[0], ProblemPrefix("/nonexistent-folder/deeper", kWhyNoSuchFolder));
  EXPECT_EQ(log.prefixes[1], ProblemPrefix(folder, kWhyNotRegularFile));
  EXPECT_EQ(log.styles[0], MessageStyle::Error);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), filesBefore) << "nothing half written is left";
}

}  // namespace
}  // namespace tolva
