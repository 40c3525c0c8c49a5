#include "render/CardSheet.h"

#include <QFile>
#include <QFileInfo>

#include "render/ImageFiles.h"
#include "render/Pixels.h"
#include "render/TempFolder.h"
#include "rules/Card.h"

namespace tolva {

namespace {

constexpr QByteArrayView kJpegStart("\xFF\xD8\xFF\xE0", 4);
constexpr char kWorkingCopy[] = "card.jpeg";

// The sheet read through its working copy in the temporary folder, which is
// deleted once read. Where no copy can be written the sheet is read from
// memory: a temporary folder the game cannot use never keeps it from play.
QImage ReadThroughWorkingCopy(const QByteArray& repaired, const MessageSink& messages) {
  const QString folder = TempFolder({}, messages);
  if (!folder.isEmpty()) {
    const QString copy = folder + u'/' + QLatin1String(kWorkingCopy);
    const int reason = WriteTempFile(copy, repaired);
    if (reason == 0) {
      QImage sheet = ReadImageFile(copy);
      QFile::remove(copy);
      return sheet;
    }
    TellTempFileProblem(OncePerRun(messages), copy, reason);
  }
  return DecodeImageData(repaired);
}

}  // namespace

bool LoadCardSheet(Surfaces& s, const PictureSource& source, const MessageSink& messages) {
  const QString library = source.CardSheetPath();
  if (!QFileInfo(library).isFile()) return false;
  QFile file(library);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray bytes = ReadWholePictureFile(file);
  if (bytes.size() < kJpegStart.size()) return false;
  bytes.replace(0, kJpegStart.size(), kJpegStart);
  QImage sheet = Opaque(ReadThroughWorkingCopy(bytes, messages));

  s.CardSheet = QImage();
  s.ForgetScaledFaces();
  if (sheet.width() < kRanks * kCardWidth || sheet.height() < kSuits * kCardHeight) return false;
  s.CardSheet = std::move(sheet);
  return true;
}

}  // namespace tolva
