#include "render/PictureSource.h"

#include <QCoreApplication>
#include <QImageReader>

namespace tolva {

QImage PictureSource::Bitmap(int id) const {
  QImageReader reader(QStringLiteral(":/pictures/%1.png").arg(id), "png");
  return reader.read();
}

QString PictureSource::CardSheetPath() const {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') +
         QLatin1String(kCardSheetFileName);
}

}  // namespace tolva
