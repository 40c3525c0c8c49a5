// Where the pictures come from: the embedded bitmaps (":/pictures/<id>.png")
// and the card face sheet file "TolvaGameSys.dll" beside the executable.
// Tests replace it with synthetic pictures.
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
};

inline constexpr const char* kCardSheetFileName = "TolvaGameSys.dll";

}  // namespace tolva
