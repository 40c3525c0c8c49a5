#include "app/PeekCommands.h"

#include "rules/Card.h"

namespace tolva {

int PeekSeatOfCommand(int command) {
  const int seat = command - kCmdPeekSeat0;
  return seat >= 0 && seat < kComputerSeats ? seat : -1;
}

QString PlatePeekHint(int seat) {
  if (seat < 0 || seat >= kComputerSeats) return {};
  const std::string_view name = kSeatNames[seat];
  return QStringLiteral("\n\n※ 名札をクリックすると、") +
         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
         QStringLiteral("の\n手札をカンニングできます");
}

}  // namespace tolva
