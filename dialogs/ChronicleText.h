// The chronicle's texts as its window and its export show them, built from
// the data (res/ChronicleTexts.h holds the words).
#pragma once

#include <cstdint>
#include <string_view>

#include <QString>

#include "chronicle/ChronicleData.h"
#include "dialogs/QtText.h"

namespace tolva {

QString QtText(std::string_view text);

// "プトレマイオスのツモ上がり", or "流れ" for a drawn game.
QString ResultText(const GameFinished& game);
// Seconds since the epoch as local date and time ("2024/05/01 10:23").
QString DateTimeText(std::int64_t seconds);
QString DateText(std::int64_t seconds);
// "第3次": the campaign's number, its place among all campaigns (1 first).
QString CampaignNumberText(std::size_t index);

}  // namespace tolva
