// The card model shared by every layer: a card is a plain int code.
//
//   1..52   ordinary cards; suit = (code - 1) / 13, rank = (code - 1) % 13
//           (rank 0 ace, 1..8 two to nine, 9 ten, 10 jack, 11 queen, 12 king)
//   53..    jokers; every code above 52 is a joker and all jokers are alike
//   -1      an empty slot
//
// Suits have no precedence in play; their index is also the row of the card's
// picture in the face sheet and the rank its column.
#pragma once

#include <array>
#include <string_view>

#include "res/Translation.h"

namespace tolva {

inline constexpr int kEmptySlot = -1;
inline constexpr int kOrdinaryCards = 52;
inline constexpr int kRanks = 13;
inline constexpr int kSuits = 4;

inline constexpr int kSeats = 5;
inline constexpr int kComputerSeats = 4;
inline constexpr int kHumanSeat = 4;

inline constexpr int kRankAce = 0;
inline constexpr int kRankTwo = 1;
inline constexpr int kRankTen = 9;
inline constexpr int kRankJack = 10;
inline constexpr int kRankQueen = 11;
inline constexpr int kRankKing = 12;

constexpr bool IsJoker(int code) { return code > kOrdinaryCards; }
constexpr bool IsOrdinary(int code) { return code >= 1 && code <= kOrdinaryCards; }
constexpr int SuitOf(int code) { return (code - 1) / kRanks; }
constexpr int RankOf(int code) { return (code - 1) % kRanks; }
constexpr int CardCode(int suit, int rank) { return suit * kRanks + rank + 1; }

// Ace 1, two to nine their face value, ten to king 10, joker 0.
constexpr int CardPoints(int code) {
  if (IsJoker(code)) return 0;
  const int rank = RankOf(code);
  return rank >= kRankTen ? 10 : rank + 1;
}

// A "ten-pointer" is a non-joker of rank ten or above.
constexpr bool IsTenPointer(int code) { return !IsJoker(code) && RankOf(code) >= kRankTen; }

// Seat numbers from outside the table (a caller's mistake, a stored value) are
// refused by every rules operation that takes one.
constexpr bool IsSeat(int seat) { return seat >= 0 && seat < kSeats; }
constexpr bool IsComputerSeat(int seat) { return seat >= 0 && seat < kComputerSeats; }

constexpr int NextSeat(int seat) { return seat == kHumanSeat ? 0 : seat + 1; }
constexpr int PreviousSeat(int seat) { return seat == 0 ? kHumanSeat : seat - 1; }

// The seat names as the game prints them (the generals, then the king).
inline constexpr std::array<std::string_view, kSeats> kSeatNames = {
    "セレウコス", "プトレマイオス", "アンティゴノス", "リュシマコス", "アレクサンドロス"};

// How a game ended (ResultKind).
enum ResultKindCode : int {
  kTolvaFailed = 0,
  kTolvaSucceeded = 1,
  kWentOut = 2,
  kSeventy = 3,
  kTsumo = 4,
  kReachWin = 5,
  kRon = 6,
};

inline constexpr std::array<std::string_view, 7> kResultKindNames = {
    "トルヴァ失敗", "トルヴァ成功", "上がり", "７０成功", "ツモ上がり", "リーチ上がり", "当たり上がり"};

// A seat's name and a result's name as the player reads them (the tables
// above keep the game's own, which the records and the simulator use).
inline std::string_view SeatName(int seat) {
  return IsSeat(seat) ? Translated(text_context::kSeatNames, kSeatNames[static_cast<std::size_t>(seat)])
                      : std::string_view{};
}
inline std::string_view ResultKindName(int kind) {
  return kind >= 0 && kind < static_cast<int>(kResultKindNames.size())
             ? Translated(text_context::kResultKinds, kResultKindNames[static_cast<std::size_t>(kind)])
             : std::string_view{};
}

}  // namespace tolva
