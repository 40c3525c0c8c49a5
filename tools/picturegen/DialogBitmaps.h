// Button pictures of the dialogs and the main window: the four peek buttons
// (166), the course marks (172 off, 173 on), and the 32 x 32 images of the
// cancel (181, IDB_END32), OK (182, IDB_OK32) and save (IDB_FD32) buttons.
#pragma once

#include <QColor>
#include <QImage>

#include "Words.h"

namespace tolva::picturegen {

inline const QColor kPeekKey{128, 0, 0};

// 64 x 16 on RGB(128, 0, 0): images 0..3 peek at seats 3, 2, 1, 0, each a
// medallion with the first letter of the general's name.
QImage PeekButtons(const Words& words, int density = 1);

// 16 x 16 with transparency: the course mark, lit on the chosen course.
QImage CourseMark(bool on);

// 32 x 32 with transparency.
QImage CancelButtonImage();
QImage OkButtonImage();
QImage SaveButtonImage();

}  // namespace tolva::picturegen
