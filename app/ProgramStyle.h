// The program's widget style: the platform's own, except that the buttons of
// message boxes and dialogs carry their text alone, without the little icons
// some desktops put beside "OK" and "キャンセル".
#pragma once

class QApplication;

namespace tolva {

void UseProgramStyle(QApplication& app);

}  // namespace tolva
