// Synthetic pictures of the game's sizes for the rendering tests: card faces
// with a solid body colour per code, digits with a colour per digit, plates,
// coins and the rest with their key colours, so a test can tell by a pixel
// which picture landed where.
#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "render/Messages.h"
#include "render/PictureSource.h"
#include "render/SceneState.h"
#include "render/Surfaces.h"

namespace tolva::testing {

// The body colour of a face (its card area away from the corner index), and
// of each big digit's cell.
QRgb FaceColour(int code);
QRgb DigitColour(int digit);
inline constexpr QRgb kBackColour = 0xff1e2878;  // the default back's body
inline constexpr QPoint kFaceProbe{20, 150};     // a body pixel of a full-size face

// The pictures drawn at `density` times their size, as finely as that allows.
QImage SyntheticCardSheet(int density = 1);
QImage SyntheticBitmap(int id, int density = 1);

class SyntheticPictures : public PictureSource {
 public:
  SyntheticPictures();
  QImage Bitmap(int id) const override;
  QString CardSheetPath() const override { return sheetPath; }
  // With `dense`, the pictures at 2 and 3 times their size; else none.
  QImage Bitmap(int id, int density) const override;
  QImage CardSheet(int density, const QRect& clip) const override;

  std::map<int, QImage> replaced;  // bitmaps a test draws itself
  std::set<int> missing;           // bitmaps that fail to load
  QString sheetPath;               // where WriteCardLibrary put the library file
  bool dense = true;
};

// Writes the sheet as the card library file in `folder`: a JPEG at quality 100
// whose first four bytes are spoiled, as the shipped file is.
QString WriteCardLibrary(const QString& folder, const QImage& sheet);

// Surfaces loaded from synthetic pictures, with the sheet set directly (exact
// colours) and the hidden-hand strip built from the default back.
Surfaces LoadedSurfaces(const SyntheticPictures& pictures = SyntheticPictures());

// A scene of the table at the angle, a table active and started up.
SceneState SceneFor(const TableState& t, double viewAngle);

// Collects the messages the presentation layer reports.
struct MessageLog {
  std::vector<int> ids;
  std::vector<MessageStyle> styles;
  std::vector<std::string> prefixes;
  MessageSink Sink() {
    return [this](std::string_view prefix, int id, MessageStyle style) {
      ids.push_back(id);
      styles.push_back(style);
      prefixes.emplace_back(prefix);
    };
  }
};

// Colour distance for pictures that went through JPEG or smoothing.
bool Near(QRgb a, QRgb b, int tolerance);

}  // namespace tolva::testing
