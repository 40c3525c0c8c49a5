#include "render/CardSheet.h"

#include <QFile>
#include <QFileInfo>

#include "render/ImageFiles.h"
#include "render/Pixels.h"
#include "rules/Card.h"

namespace tolva {

bool LoadCardSheet(Surfaces& s, const PictureSource& source, const MessageSink& messages) {
  const QString library = source.CardSheetPath();
  if (!QFileInfo(library).isFile()) return false;
  const QString folder = TempFolder(QString(), messages);
  if (folder.isEmpty()) return false;
  const QString copy = folder + QStringLiteral("/card.jpeg");
  QFile::remove(copy);
  if (!QFile::copy(library, copy)) return false;
  {
    QFile file(copy);
    if (!file.open(QIODevice::ReadWrite)) {
      QFile::remove(copy);
      return false;
    }
    static constexpr char kJpegStart[4] = {'\xFF', '\xD8', '\xFF', '\xE0'};
    const bool repaired = file.write(kJpegStart, 4) == 4;
    file.close();
    if (!repaired) {
      QFile::remove(copy);
      return false;
    }
  }
  QImage sheet = Opaque(ReadImageFile(copy));
  QFile::remove(copy);

  s.CardSheet = QImage();
  s.ForgetScaledFaces();
  if (sheet.width() < kRanks * kCardWidth || sheet.height() < kSuits * kCardHeight) return false;
  s.CardSheet = std::move(sheet);
  return true;
}

}  // namespace tolva
