// What the campaign leaves behind for its chronicle: a campaign's start and
// end, every finished game with its settlement, and every conquered city. The
// game gathers these plain records and hands them to its Host, which keeps
// them where it likes (the program in a database, the simulator in one too, or
// nowhere) and stamps them with the time it receives them. Keeping them must
// never make the game wait, and nothing of it feeds back into play: the purses
// stay where the campaign keeps them, in the settings.
//
// A campaign runs from a course selection to its end or reset and is known by
// a key kept in the settings. A campaign older than the chronicle gets its key
// with its first recorded game.
#pragma once

#include <array>
#include <string>
#include <variant>

#include "rules/Card.h"

namespace tolva {

// The result kind of a drawn game (the kinds of a decided game are 0 to 6).
inline constexpr int kDrawnResult = -1;

struct SeatOutcome {
  int payment = 0;     // what the settlement paid (+) or took (−)
  int purse = 0;       // after the settlement
  bool reach = false;  // declared Reach in this game (and did not withdraw it)
  int calls = 0;       // Pon and Kan made in this game
  friend bool operator==(const SeatOutcome&, const SeatOutcome&) = default;
};

struct CampaignBegan {
  std::string campaign;  // the new campaign's key
  int course = 1;        // 1 初級 … 4 プロ
  std::array<int, kSeats> purses{};  // as the course selection set them
  friend bool operator==(const CampaignBegan&, const CampaignBegan&) = default;
};

struct GameFinished {
  std::string campaign;
  int course = 1;
  int city = 1;           // the city the games are played for: conquered cities + 1
  std::string cityName;
  int gameNo = 1;         // 1 to 10 within the city
  int jokers = 2;
  int resultKind = kDrawnResult;  // 0 to 6, or kDrawnResult
  int resultSeat = -1;    // winner or declarer; for a drawn game the seat that opened it
  int payerSeat = -1;     // the seat that paid a Reach win or a Ron (kinds 5 and 6), else -1
  std::array<SeatOutcome, kSeats> seats{};
  int pendingPool = 0;    // Reach coins left on the table after the settlement
  int turns = 0;          // discards that reached the river
  friend bool operator==(const GameFinished&, const GameFinished&) = default;
};

struct CityConquered {
  std::string campaign;
  int city = 1;  // the conquered city's number, 1 to 99
  std::string cityName;
  friend bool operator==(const CityConquered&, const CityConquered&) = default;
};

enum class CampaignEnding {
  PurseUsedUp = 1,    // the king could not pay the salaries at a city's start
  MapReset = 2,       // "世界地図の初期化"
  RouteComplete = 3,  // the hundredth leg was walked
  Abandoned = 4,      // a new course was chosen while it was under way (its purse emptied by hand)
};

struct CampaignEnded {
  std::string campaign;
  CampaignEnding how = CampaignEnding::PurseUsedUp;
  friend bool operator==(const CampaignEnded&, const CampaignEnded&) = default;
};

using ChronicleEntry = std::variant<CampaignBegan, GameFinished, CityConquered, CampaignEnded>;

}  // namespace tolva
