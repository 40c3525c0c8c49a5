// The chronicle as read back from its database: the campaigns, their games in
// the order they were played, and the cities they conquered. Plain data for
// the figures, the charts and the CSV export; no Qt.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "table/Chronicle.h"

namespace tolva {

struct CampaignRow {
  std::int64_t id = 0;  // the database's number, in the order campaigns were first seen
  std::string key;
  std::optional<int> course;
  // The course selection's time and purses; none for a campaign that began
  // before the chronicle did.
  std::optional<std::int64_t> began;  // seconds since the epoch
  std::optional<std::array<int, kSeats>> startingPurses;
  std::optional<std::int64_t> ended;
  std::optional<CampaignEnding> ending;
};

struct GameRow {
  std::size_t campaign = 0;  // index into ChronicleData::campaigns
  std::int64_t played = 0;   // seconds since the epoch
  // The game as recorded. Its campaign key is left empty: `campaign` says it.
  GameFinished game;
  bool callsKnown = true;  // false for games recorded before calls were counted
};

struct ConquestRow {
  std::size_t campaign = 0;  // index into ChronicleData::campaigns
  std::int64_t conquered = 0;
  int city = 0;
  std::string cityName;
};

struct ChronicleData {
  std::vector<CampaignRow> campaigns;  // oldest first
  std::vector<GameRow> games;          // in the order they were played
  std::vector<ConquestRow> conquests;  // in the order they happened
};

}  // namespace tolva
