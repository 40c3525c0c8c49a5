// The peek channel between the game and a peek window in a second process:
// a computer seat's hand as text, and the size of the window that shows it.
//
// A hand travels as its card codes in hand order, each in decimal followed by
// a comma: 5, 18 and 40 give "5,18,40,"; an empty hand gives the empty text.
// The peek window reads at most eight fields and stops at the first empty one;
// the text comes from a file another process writes, so anything in a field
// that is not a card code reads as 0, a card the window cannot show.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "rules/Card.h"
#include "rules/TableState.h"

namespace tolva {

class Settings;

// The largest deck holds 52 cards and six jokers.
inline constexpr int kLargestCardCode = kOrdinaryCards + 6;
// What a field that holds no card code reads as.
inline constexpr int kUnknownCard = 0;

// The seat the peek window shows (0 to 3), or kPeekClose to close it.
inline constexpr int kPeekClose = 4;
inline constexpr int kPeekPollMs = 500;

std::string PeekHandText(std::span<const int> cards);

struct PeekHand {
  std::array<int, kHandSlots> cards{};
  int count = 0;
};
PeekHand ParsePeekHand(std::string_view text);

// The peek window's client area for a hand of `cards` cards: each card shows
// 30 pixels of itself and the last one its whole 151, beside room for the
// points: 30 x cards + 123 by 215 (333 x 215 for seven cards).
inline constexpr int PeekClientWidth(int cards) { return 30 * cards + 123; }
inline constexpr int kPeekClientHeight = 215;
// Marks no peek window as running ("CunningView" = 0) and tells a running one
// to close at its next poll ("Now" = 4): when the game's window or the peek
// window closes, when the campaign is complete, and when the program starts.
void ClosePeekWindow(Settings& settings);

// Before the first hand arrives the window is 333 x 217.
inline constexpr int kPeekStartWidth = 333;
inline constexpr int kPeekStartHeight = 217;

}  // namespace tolva
