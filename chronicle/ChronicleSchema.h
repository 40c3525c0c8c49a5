// The chronicle database's tables and how each version of them is made from
// the one before. The version lives in SQLite's user_version: 0 for a new,
// empty file. A database is brought to kChronicleSchemaVersion by running the
// steps after its own version, in one transaction; one made by a later
// program (a higher version) is never changed.
//
// Version 1: campaigns, games (one row per finished game, drawn games
//            included) and conquests.
// Version 2: the calls of each seat in each game (NULL for the games recorded
//            before), and the indexes that read a campaign's games in order.
#pragma once

#include <span>
#include <string_view>

#include <QSqlError>

class QSqlDatabase;

namespace tolva {

inline constexpr int kChronicleSchemaVersion = 2;

// The statements of step `version` (1 to kChronicleSchemaVersion), which make
// that version from the one before.
std::span<const std::string_view> ChronicleSchemaStep(int version);

// Runs steps from + 1 … to and sets user_version to `to`, all in one
// transaction. The error of the statement that failed (then nothing has
// changed), or no error.
QSqlError UpgradeChronicleSchema(QSqlDatabase& db, int from, int to = kChronicleSchemaVersion);

}  // namespace tolva
