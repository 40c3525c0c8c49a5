#include "dialogs/ChronicleText.h"

#include <QDateTime>

#include "res/ChronicleTexts.h"
#include "rules/Card.h"

namespace tolva {

namespace text = chronicle_text;

QString ResultText(const GameFinished& game) {
  const bool decided = game.resultKind >= 0 && game.resultKind < static_cast<int>(kResultKindNames.size());
  if (!decided || game.resultSeat < 0 || game.resultSeat >= kSeats) return QtText(text::kDrawnGame);
  return QtText(text::kResultOfSeat)
      .arg(QtText(kSeatNames[game.resultSeat]), QtText(kResultKindNames[game.resultKind]));
}

QString DateTimeText(std::int64_t seconds) {
  return QDateTime::fromSecsSinceEpoch(seconds).toString(QtText(text::kDateTimeFormat));
}

QString DateText(std::int64_t seconds) {
  return QDateTime::fromSecsSinceEpoch(seconds).toString(QtText(text::kDateFormat));
}

QString CampaignNumberText(std::size_t index) {
  return QtText(text::kCampaignNumber).arg(static_cast<qulonglong>(index) + 1);
}

}  // namespace tolva
