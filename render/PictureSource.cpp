#include "render/PictureSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "res/Language.h"

namespace tolva {

QString PictureResource(const QString& name) {
  if (ActiveLanguage() == Language::English) {
    const QString english = QStringLiteral(":/en/") + name;
    if (QFile::exists(english)) return english;
  }
  return QStringLiteral(":/") + name;
}

QImage PictureSource::Bitmap(int id) const {
  QImageReader reader(PictureResource(QStringLiteral("pictures/%1.png").arg(id)), "png");
  return reader.read();
}

QImage PictureSource::Bitmap(int id, int density) const {
  if (density <= 1) return Bitmap(id);
  QImageReader reader(PictureResource(QStringLiteral("pictures/%1@%2x.png").arg(id).arg(density)), "png");
  // The reader takes "@2x" for a device pixel ratio; the drawing wants the pixels.
  QImage picture = reader.read();
  picture.setDevicePixelRatio(1);
  return picture;
}

QImage PictureSource::CardSheet(int density, const QRect& clip) const {
  QImageReader reader(QFileInfo(CardSheetPath()).dir().filePath(DenseCardSheetFileName(density)),
                      "jpeg");
  if (!clip.isEmpty()) reader.setClipRect(clip);
  QImage sheet = reader.read();
  sheet.setDevicePixelRatio(1);
  return sheet;
}

QString PictureSource::CardSheetPath() const {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') +
         QLatin1String(kCardSheetFileName);
}

}  // namespace tolva
