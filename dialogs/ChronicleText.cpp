#include "dialogs/ChronicleText.h"

#include <QDateTime>

#include "res/ChronicleTexts.h"
#include "rules/Card.h"

namespace tolva {

namespace text = chronicle_text;

QString ResultText(const GameFinished& game) {
  const bool decided = game.resultKind >= 0 && game.resultKind < static_cast<int>(kResultKindNames.size());
  if (!decided || game.resultSeat < 0 || game.resultSeat >= kSeats) return Tr(text_context::kChronicle, text::kDrawnGame);
  return Tr(text_context::kChronicle, text::kResultOfSeat)
      .arg(QtText(SeatName(game.resultSeat)), QtText(ResultKindName(game.resultKind)));
}

QString DateTimeText(std::int64_t seconds) {
  return QDateTime::fromSecsSinceEpoch(seconds).toString(Tr(text_context::kChronicle, text::kDateTimeFormat));
}

QString DateText(std::int64_t seconds) {
  return QDateTime::fromSecsSinceEpoch(seconds).toString(Tr(text_context::kChronicle, text::kDateFormat));
}

QString CampaignNumberText(std::size_t index) {
  return Tr(text_context::kChronicle, text::kCampaignNumber).arg(static_cast<qulonglong>(index) + 1);
}

}  // namespace tolva
