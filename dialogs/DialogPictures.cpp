#include "dialogs/DialogPictures.h"

#include "render/PictureSource.h"

namespace tolva {

namespace {

constexpr int kDialogFontPixels = 12;

QPixmap Resource(const QString& path) {
  QPixmap picture;
  picture.load(path);  // stays null when the resource is missing
  return picture;
}

QIcon IconOf(const QPixmap& picture) { return picture.isNull() ? QIcon() : QIcon(picture); }

QFont DialogFont(const QString& family, QFont::StyleHint hint) {
  QFont font(family);
  font.setStyleHint(hint);
  font.setPixelSize(kDialogFontPixels);
  return font;
}

}  // namespace

QPixmap DialogPicture(int bitmapId) {
  return Resource(PictureResource(QStringLiteral("pictures/%1.png").arg(bitmapId)));
}

QIcon DialogIcon(int bitmapId) { return IconOf(DialogPicture(bitmapId)); }

QIcon SaveButtonIcon() { return IconOf(Resource(QStringLiteral(":/pictures/IDB_FD32.png"))); }

QIcon ApplicationIcon() { return IconOf(Resource(QStringLiteral(":/icons/tolvagame.png"))); }

QFont FixedDialogFont() {
  return DialogFont(QStringLiteral("IPAGothic"), QFont::TypeWriter);
}

QFont ProportionalDialogFont() {
  return DialogFont(QStringLiteral("IPAPGothic"), QFont::SansSerif);
}

}  // namespace tolva
