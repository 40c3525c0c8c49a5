#include "app/PeekCommands.h"

#include "rules/Card.h"
#include "dialogs/QtText.h"

namespace tolva {

int PeekSeatOfCommand(int command) {
  const int seat = command - kCmdPeekSeat0;
  return IsComputerSeat(seat) ? seat : -1;
}

QString PeekButtonTip(int seat) {
  return Tr(text_context::kHoverHelp, "%1の\n手札のカンニング").arg(QtText(SeatName(seat)));
}

QString PlatePeekHint(int seat) {
  if (!IsComputerSeat(seat)) return {};
  return Tr(text_context::kHoverHelp, "\n\n※ 名札をクリックすると、%1の\n手札をカンニングできます")
      .arg(QtText(SeatName(seat)));
}

}  // namespace tolva
