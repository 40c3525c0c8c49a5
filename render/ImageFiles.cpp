#include "render/ImageFiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include "render/GifWriter.h"
#include "render/ImageChecks.h"
#include "render/Pixels.h"
#include "render/TempFolder.h"
#include "res/StringTable.h"

namespace tolva {

namespace {

bool SizeWithinLimits(const QSize& size) {
  if (!size.isValid()) return true;  // the allocation limit still guards the decode
  return size.width() > 0 && size.height() > 0 && size.width() <= kMaxImageSide &&
         size.height() <= kMaxImageSide &&
         static_cast<qint64>(size.width()) * size.height() <= kMaxImagePixels;
}

// Transparent parts take the colour of the picture's top-left pixel.
QImage Flatten(const QImage& picture) {
  if (!picture.hasAlphaChannel()) return Opaque(picture);
  const QRgb corner = picture.pixel(0, 0);
  QImage flat(picture.size(), kSurfaceFormat);
  if (flat.isNull()) return {};
  flat.fill(qRgb(qRed(corner), qGreen(corner), qBlue(corner)));
  QPainter painter(&flat);
  painter.drawImage(0, 0, picture);
  return flat;
}

}  // namespace

QString ImageTypeOf(const QString& fileName, const MessageSink& messages) {
  const QString name = QFileInfo(fileName).fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString extension = dot < 0 ? QString() : name.mid(dot + 1).toLower();
  if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
    return QStringLiteral("jpeg");
  if (extension == QLatin1String("gif") || extension == QLatin1String("bmp") ||
      extension == QLatin1String("png"))
    return extension;
  if (extension == QLatin1String("tif") || extension == QLatin1String("tiff"))
    return QStringLiteral("tiff");
  Report(messages, kMsgUnsupportedFileType, MessageStyle::Information);
  return {};
}

QImage ReadImageFile(const QString& path) {
  // A folder, a device or a pipe is no picture; opening a pipe would wait for
  // a writer that never comes.
  if (!QFileInfo(path).isFile()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return DecodeImageData(ReadWholePictureFile(file));
}

QByteArray ReadWholePictureFile(QFile& file) {
  const qint64 size = file.size();
  if (size <= 0 || size > kMaxImageFileBytes) return {};
  return file.read(size);
}

QImage DecodeImageData(const QByteArray& bytes) {
  if (bytes.isEmpty() || bytes.size() > kMaxImageFileBytes) return {};
  QByteArray data = bytes;
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  reader.setAllocationLimit(kDecodeAllocationLimitMb);
  const QByteArray format = reader.format();
  if (format.isEmpty()) return {};
  if (!SizeWithinLimits(reader.size())) return {};
  if (!LooksComplete(data, format)) return {};
  QImage picture;
  if (!reader.read(&picture) || picture.isNull()) return {};
  if (!SizeWithinLimits(picture.size())) return {};
  return picture;
}

QImage DecodePlayerImage(const QString& path, const MessageSink& messages) {
  if (ImageTypeOf(path, messages).isEmpty()) return {};
  // A folder dropped on the dialog is not a picture type, whatever its name.
  if (!QFileInfo(path).isFile()) {
    Report(messages, kMsgUnsupportedFileType, MessageStyle::Information);
    return {};
  }
  // A file the player may not read is told as such, not as a lack of memory.
  if (QFile file(path); !file.open(QIODevice::ReadOnly)) {
    Report(messages, kMsgFileReadFailed, MessageStyle::Error);
    return {};
  }
  QImage picture = Flatten(ReadImageFile(path));
  if (picture.isNull()) Report(messages, kMsgOutOfMemory, MessageStyle::Error);
  return picture;
}

bool SaveBitmapAs(const QImage& picture, const QString& path, int w, int h, const QString& type,
                  const MessageSink& messages) {
  const auto fail = [&] {
    Report(messages, kMsgOutOfMemory, MessageStyle::Error);
    return false;
  };
  const QByteArray format = type.toLower().toLatin1();
  static const QList<QByteArray> kTypes = {"jpeg", "gif", "bmp", "png", "tiff"};
  if (!kTypes.contains(format) || picture.isNull() || w <= 0 || h <= 0 || w > kMaxImageSide ||
      h > kMaxImageSide)
    return fail();
  const QImage scaled = Opaque(Halftone(picture, w, h));
  if (scaled.isNull()) return fail();

  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  bool written = false;
  if (format == "gif") {
    written = WriteGif(buffer, scaled);
  } else {
    QImageWriter writer(&buffer, format);
    if (format == "jpeg") writer.setQuality(100);
    written = writer.write(scaled);
  }
  if (!written) return fail();
  if (const int reason = WriteTempFile(path, encoded)) {
    TellTempFileProblem(messages, path, reason);
    return false;
  }
  return true;
}

}  // namespace tolva
