#include "render/ImageFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <unistd.h>

#include "render/GifWriter.h"
#include "render/ImageChecks.h"
#include "render/Pixels.h"
#include "res/StringTable.h"

namespace tolva {

namespace {

constexpr const char* kAppTitle = "TolvaGame";

bool MakeFolder(const QString& path) {
  const QFileInfo info(path);
  if (info.isDir()) return true;
  if (info.exists()) return false;  // a file stands where the folder should be
  return QDir().mkpath(path);
}

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

// The system's temporary folder is shared by every user of the machine. The
// game's folder there is made private to the player who made it; another
// player, who could neither write there nor trust its card faces, gets a
// folder of his own beside it.
QString GameTempFolder() {
  const QString shared = QDir::tempPath() + QLatin1Char('/') + QLatin1String(kAppTitle);
  const QFileInfo info(shared);
  if (!info.exists() || (info.isDir() && info.ownerId() == ::getuid())) return shared;
  return shared + QLatin1Char('-') + QString::number(::getuid());
}

bool MakePrivateFolder(const QString& path) {
  const bool existed = QFileInfo(path).isDir();
  if (!MakeFolder(path)) return false;
  if (!existed)
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return true;
}

}  // namespace

QString TempFolder(const QString& subfolder, const MessageSink& messages) {
  QString folder = GameTempFolder();
  bool made = MakePrivateFolder(folder);
  if (made && !subfolder.isEmpty()) {
    folder += QLatin1Char('/') + subfolder;
    made = MakeFolder(folder);
  }
  if (!made) {
    Report(messages, kMsgFileReadFailed, MessageStyle::Error);
    return {};
  }
  return folder;
}

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
  if (file.size() <= 0 || file.size() > kMaxImageFileBytes) return {};
  QByteArray data = file.read(kMaxImageFileBytes + 1);
  if (data.isEmpty() || data.size() > kMaxImageFileBytes) return {};

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

  // Written beside the target and renamed over it at the end, so a cache or
  // picture file is never left half written.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail();
  bool written = false;
  if (format == "gif") {
    written = WriteGif(file, scaled);
  } else {
    QImageWriter writer(&file, format);
    if (format == "jpeg") writer.setQuality(100);
    written = writer.write(scaled);
  }
  if (!written) {
    file.cancelWriting();
    file.commit();
    return fail();
  }
  if (!file.commit()) return fail();
  return true;
}

}  // namespace tolva
