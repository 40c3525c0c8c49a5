// Where the pictures come from: the embedded bitmaps (":/pictures/<id>.png")
// and the card face sheet file "TolvaGameSys.dll" beside the executable, and
// the same pictures drawn at two and three times their size for screens of
// more pixels (":/pictures/<id>@2x.png", "TolvaGameSys@2x.jpg" ...). Tests
// replace it with synthetic pictures.
#pragma once

#include <QImage>
#include <QString>

namespace tolva {

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // An embedded bitmap by its number; a null image when there is none.
  virtual QImage Bitmap(int id) const;
  // The full path of the card face sheet file.
  virtual QString CardSheetPath() const;

  // The embedded bitmap drawn at `density` (2 or 3) times its size; a null
  // image when the program has none.
  virtual QImage Bitmap(int id, int density) const;
  // The part `clip` (all of it when empty) of the card face sheet drawn at
  // `density` (2 or 3) times its size, cells of 151 x 215 times the density;
  // a null image when the file is missing or damaged (the faces are then
  // enlarged from the sheet).
  virtual QImage CardSheet(int density, const QRect& clip = QRect()) const;
};

// The embedded resource of a picture named as the generators write it,
// "pictures/150.png" or "icons/169.png": in English the English one
// (":/en/pictures/150.png") where the picture has words, otherwise the one
// every language shares (":/pictures/150.png").
QString PictureResource(const QString& name);

inline constexpr const char* kCardSheetFileName = "TolvaGameSys.dll";
// The larger card face sheets beside it, plain JPEG files (the picture
// generator writes them under the same names).
inline QString DenseCardSheetFileName(int density) {
  return QStringLiteral("TolvaGameSys@%1x.jpg").arg(density);
}

}  // namespace tolva
