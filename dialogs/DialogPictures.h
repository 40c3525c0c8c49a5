// The embedded pictures the dialogs show: button images, course marks, the
// default card back and the application icon. A picture that is missing from
// the program's resources gives a null pixmap, and the dialog simply shows no
// image there.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tolva {

// Bitmap numbers of the dialogs' pictures.
enum DialogBitmap : int {
  kBmpCourseOff = 172,  // IDB_OFF32: mark of a course not chosen
  kBmpCourseOn = 173,   // mark of the chosen course
  kBmpEnd32 = 181,      // IDB_END32: cancel buttons
  kBmpOk32 = 182,       // IDB_OK32: OK buttons
  kBmpDefaultBack = 147,
};

QPixmap DialogPicture(int bitmapId);
QIcon DialogIcon(int bitmapId);
// IDB_FD32, the save button's image, which has no number.
QIcon SaveButtonIcon();
QIcon ApplicationIcon();

// The dialogs' fonts: IPAGothic stands for the fixed-pitch "ＭＳ ゴシック",
// IPAPGothic for the proportional "ＭＳ Ｐゴシック" and "MS UI Gothic".
QFont FixedDialogFont();
QFont ProportionalDialogFont();

}  // namespace tolva
