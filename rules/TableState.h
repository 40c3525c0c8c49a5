// The table record: every field of one game that the rules engine, the game
// flow, the human player's input and the drawing code read and change in place.
// There is no copy and no undo; the view owns exactly one of these.
//
// The field names are the game's own vocabulary (Hand, HandCount, Stock, River,
// Meld, Purse, ReachFlag ...) so the rules read like the rules of the game.
#pragma once

#include <array>
#include <type_traits>

#include "rules/Card.h"

namespace tolva {

inline constexpr int kHandSlots = 8;       // seven dealt cards plus one drawn
inline constexpr int kPileSlots = 23;      // 17 + 6: the largest stock (six jokers)
inline constexpr int kMeldRows = 10;       // exposed rows shared by all seats
inline constexpr int kMeldSlots = 19;      // cards a row can hold at most
inline constexpr int kDealtCards = 7;
inline constexpr int kSeatsDealt = 5 * kDealtCards;  // 35 cards go to the hands

// Plans of the computer seats (StrategyMode).
enum StrategyModeCode : int {
  kModeLowHand = 1,      // aim at Tolva: shed high cards, expose melds
  kModeTenPointers = 2,  // collect ten-pointers for Seventy
  kModePairs = 3,        // collect pairs for the four-pair hand
  kModeShedHigh = 9,     // default: shed high cards, expose melds
};

// An array whose every slot is empty (-1), the state of a slot holding no card.
template <typename Array>
constexpr Array EmptySlots() {
  Array cells{};
  for (auto& cell : cells) {
    if constexpr (std::is_same_v<typename Array::value_type, int>) {
      cell = kEmptySlot;
    } else {
      cell = EmptySlots<typename Array::value_type>();
    }
  }
  return cells;
}

struct TableState {
  template <int N>
  using Ints = std::array<int, N>;

  // --- the cards --------------------------------------------------------------
  std::array<Ints<kHandSlots>, kSeats> Hand = EmptySlots<std::array<Ints<kHandSlots>, kSeats>>();  // slots 0..HandCount-1 are valid
  Ints<kSeats> HandCount{};
  Ints<kPileSlots> Stock = EmptySlots<Ints<kPileSlots>>();  // top card is Stock[StockCount - 1]
  int StockCount = 0;
  Ints<kPileSlots> River = EmptySlots<Ints<kPileSlots>>();  // top card is River[RiverCount - 1]; empty slots -1
  int RiverCount = 0;
  std::array<Ints<kMeldSlots>, kMeldRows> Meld = EmptySlots<std::array<Ints<kMeldSlots>, kMeldRows>>();  // cards in display order
  Ints<kMeldRows> MeldLength{};                     // 0 marks a free row
  int DeckSize = 54;                                // 52 + jokers: 54, 56 or 58

  // --- coins and marks ----------------------------------------------------------
  Ints<kSeats> Purse{};
  int PendingPool = 0;  // Reach coins lying on the table
  Ints<kSeats> ReachFlag{};
  Ints<kSeats> IppatsuFlag{};
  Ints<kSeats> TolvaMark{};  // seats the failed Tolva declarer must pay

  // --- whose turn and how the game ended -----------------------------------------
  int FirstRound = 0;
  int TurnSeat = -1;
  int ResultSeat = -1;  // opener before play; winner at the end; +5 for a drawn game
  int ResultKind = 0;
  int PayerSeat = -1;
  int GameNo = 0;  // 1..10 within a city, 0 before the first game of a run
  Ints<kComputerSeats> StrategyMode{kModeShedHigh, kModeShedHigh, kModeShedHigh,
                                    kModeShedHigh};

  // --- cards on the move ------------------------------------------------------------
  int DrawnCard = kEmptySlot;       // just drawn from the stock or taken from the river
  int DiscardCard = kEmptySlot;     // travelling to the river
  int RiverTakenCard = kEmptySlot;  // the human may not discard it this turn

  // --- the human player's working fields ---------------------------------------------
  Ints<kHandSlots> Selected{};  // marks of seat 4's hand slots; they move with the cards
  int Cursor = 0;               // hand slot the keyboard works on
  int HasDrawn = 0;             // drawn, taken or called this turn
  int PonSelect = 0;            // choosing two cards for a Pon
  int ReachPending = 0;         // Reach declared, its discard not yet accepted
  Ints<kHandSlots> Dragged{};   // cards the human has picked up
  Ints<kHandSlots> DraggedFrom{};
  int DraggedCount = 0;

  // --- options the view copies from the settings once at start -------------------------
  int ManSpeed = 1;
  int CardSpeed = 1;
  int PonSpeed = 1;
  int OpenMode = 0;
  int Koukaon = 1;  // sound effects
  int RuleRem = 1;  // explanatory messages for refused actions
  int DspRem = 1;   // hover help

  bool operator==(const TableState&) const = default;
};

}  // namespace tolva
