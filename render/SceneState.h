// Everything the table picture is drawn from, read-only: the table record and
// the view's flow, drag and option fields. The shell fills it from the table
// view (ViewScene.h); tests build it directly.
#pragma once

#include <array>
#include <functional>

#include "rules/TableState.h"

namespace tolva {

struct ScenePoint {
  int x = 0;
  int y = 0;
};
// The seven points of one flight, in table coordinates; step d draws at point d.
using ScenePath = std::array<ScenePoint, 7>;

struct SceneState {
  const TableState* t = nullptr;  // must be set

  int TableActive = 0;
  int Initialising = 0;
  int RevealHands = 0;
  int ModernSystem = 1;  // the gradient background

  // The opening-seat choice: cards on show, cards revealed so far, blink phase.
  int ChoiceShown = 0;
  int ChoiceTick = 0;
  int ChoiceBlink = 0;

  // Flights: step 0..6 while running, -1 idle; the paths by moving seat.
  int RiverStep = -1;
  int StockStep = -1;
  int DiscardStep = -1;
  int ReachStep = -1;
  int ReachAnimSeat = -1;
  std::array<ScenePath, 4> StockFlight{};
  std::array<ScenePath, 4> RiverFlight{};
  std::array<ScenePath, 4> DiscardFlight{};
  std::array<ScenePath, 5> ReachFlight{};

  int Dragging = 0;                  // the human is dragging cards: no selection inversion
  std::array<int, 2> PeekOnPress{};  // seat 0's / seat 3's face-up hand held out of the way

  double ViewAngle = 23;

  // The rules engine's points of a seat's hand; without it no big digits are drawn.
  std::function<int(int seat)> HandPoints;
  // Called for each computer seat as its hand is drawn (the peek channel).
  std::function<void(int seat)> PublishHand;
};

}  // namespace tolva
