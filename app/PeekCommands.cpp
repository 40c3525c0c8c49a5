#include "app/PeekCommands.h"

#include "rules/Card.h"

namespace tolva {

int PeekSeatOfCommand(int command) {
  const int seat = command - kCmdPeekSeat0;
  return IsComputerSeat(seat) ? seat : -1;
}

QString PlatePeekHint(int seat) {
  if (!IsComputerSeat(seat)) return {};
  const std::string_view name = kSeatNames[seat];
  return QStringLiteral("\n\n※ 名札をクリックすると、") +
         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
         QStringLiteral("の\n手札をカンニングできます");
}

}  // namespace tolva
