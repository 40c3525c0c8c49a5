// CTolvaView: the table view of the game, without pixels. It owns the table
// record, the rules engine, the flow of a game on window timers, the human
// player's actions and the campaign, and it talks to the platform only through
// its Host. The Qt widget shows it and forwards timers, pointer targets and keys.
//
// One step of a game is pending at a time: every timer handler kills its own
// timer when its step is complete and sets the timer of the next step (only the
// Reach coin's timer 6 runs beside another step). The human's turn has no
// timer: the game waits for his input.
#pragma once

#include <array>
#include <string>

#include "rules/CThink.h"
#include "rules/TableState.h"
#include "table/Host.h"

namespace tolva {

// A point of the flat table surface (1010 x 1010, seen from straight above).
struct TablePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TablePoint&, const TablePoint&) = default;
};

// The ids of the game's window timers.
enum TimerId : int {
  kTimerOpeningSeat = 1,
  kTimerComputerTurn = 2,
  kTimerRiverFlight = 3,
  kTimerStockFlight = 4,
  kTimerDiscardFlight = 5,
  kTimerReachCoin = 6,
  kTimerNextCity = 12,
  kTimerRoute = 13,
  kTimerTurnPause = 21,
  kTimerPeek = 98,
  kTimerStartUp = 99,
};

inline constexpr int kFlightPoints = 7;
using FlightPath = std::array<TablePoint, kFlightPoints>;

// What the human's card drag is carrying.
enum class DragKind { None, HandCards, StockCard, RiverCard };

class CTolvaView : private RulesHost {
 public:
  explicit CTolvaView(Host& host);
  CTolvaView(const CTolvaView&) = delete;
  CTolvaView& operator=(const CTolvaView&) = delete;

  TableState t;   // the table record the rules engine and the drawing read
  CThink think;   // the rules engine, working on t

  // --- flow state (read by the drawing) ------------------------------------------------
  int TableActive = 0;   // a campaign's game is on the table
  int MapShown = 0;      // the world map occupies the view
  int Initialising = 1;  // until the start-up step has finished; no table is drawn
  int RevealHands = 0;   // all hands face up at the end of a game
  int ChoiceShown = 0;   // the opening-seat cards are on show
  int ChoiceTick = 0;    // ticks of timer 1 so far (also the cards revealed)
  int ChoiceBlink = 0;   // blink phase: the chosen seat's card is hidden
  int RiverStep = -1;    // animation steps of timers 3, 4, 5, 6: -1 idle, 0..6 running
  int StockStep = -1;
  int DiscardStep = -1;
  int ReachStep = -1;
  int ReachAnimSeat = -1;  // seat whose Reach coin is flying
  std::array<FlightPath, kComputerSeats> StockFlight{};    // stock to seat s (timer 4)
  std::array<FlightPath, kComputerSeats> RiverFlight{};    // river to seat s (timer 3)
  std::array<FlightPath, kComputerSeats> DiscardFlight{};  // seat s to river (timer 5)
  std::array<FlightPath, kSeats> ReachFlight{};            // seat s to its coin place (timer 6)

  // --- the human's drag (read by the drawing) -------------------------------------------
  DragKind Dragging = DragKind::None;
  int StockCardFaceDown = 0;             // the dragged stock card has not entered the hand area
  std::array<int, 2> PeekOnPress{};      // button held on seat 0's / seat 3's place in open mode

  // --- view settings and campaign (read by the drawing and the map view) ----------------------
  double ViewAngle = 23;  // bird's-eye angle, 9..31 ("Kakudo")
  int MapZoom = 1;
  TablePoint MapOrg{};
  TablePoint CityPoint{654, 260};
  int CunningMode = 0;

  // --- the host's entry points --------------------------------------------------------------
  void OnFirstShow();       // start-up: read settings, reset the flow, set timer 99
  void OnTimer(int id);     // a window timer fired

  // --- flow operations ---------------------------------------------------------------------------
  void StartGame();
  void TakeTurnStep(bool insert, bool mayDiscardDrawn);
  void EndGame();

  // The cards that have left one place and not reached another at this moment
  // (for the card-conservation check).
  std::vector<int> CardsInFlight() const;

 private:
  // RulesHost, for the rules engine.
  Answer ShowMessage(std::string_view prefix, int stringId, MessageStyle style) override;
  void PlayWave(int waveId, bool toEnd) override;
  void RedrawScene(bool tableChanged) override;
  int ClockSeconds() override;
  int TolvaRate() override;
  void SavePurses() override;
  void ClearLastTimerRecord() override;

  Host& host_;
};

}  // namespace tolva
