// CTolvaView: the table view of the game, without pixels. It owns the table
// record, the rules engine, the flow of a game on window timers, the human
// player's actions and the campaign, and it talks to the platform only through
// its Host. The Qt widget shows it and forwards timers, pointer targets and keys.
//
// One step of a game is pending at a time: every timer handler kills its own
// timer when its step is complete and sets the timer of the next step (only the
// Reach coin's timer 6 runs beside another step). The human's turn has no
// timer: the game waits for his input.
//
// The implementation is split by topic:
//   Timers.cpp        setting and killing timers, the last-timer record, OnTimer
//   Flow.cpp          start-up (timer 99), StartGame, the opening seat (timer 1),
//                     EndGame, the next city (timer 12)
//   ComputerTurn.cpp  a computer's turn (timer 2), the flights (timers 3 and 4),
//                     TakeTurnStep, the Reach coin (timer 6), the pause (timer 21)
//   DiscardChecks.cpp the discard landing (timer 5), the checks after the human's discard
//   GameEnds.cpp      the game-end operations and finishing a game
//   Declarations.cpp  Reach, Tolva and Seventy by the human, the Reach cue
//   HumanActions.cpp  pointer presses, drags and releases; marking
//   HumanDiscard.cpp  the human's discard with its refusals and questions
//   HumanKeys.cpp     the hand keys, drawing (F7) and taking (F8) by key
//   Flights.cpp       the seven-point flight tables
//   Campaign.cpp      purses, salaries, course title, campaign reset
//   MapAdvance.cpp    the map advance after a city: the leg search, the route
//                     animation (timer 13), the conquest or the campaign's end,
//                     and the rebuilding of the route at start-up
//   MapView.cpp       showing, hiding, zooming and centring the world map
//   Peek.cpp          cunning mode: publishing the hands, starting a peek window,
//                     and the peek window's own polling (timer 98)
//   ChronicleNotes.cpp what a campaign leaves for its chronicle: its start and
//                     end, each finished game, each conquered city
//   Options.cpp       the menu's options, set in the record and the store together
//   FlowDisplay.cpp   the read-only copy of the flow the drawing is made from
//   ViewHost.cpp      construction, the rules engine's host, card conservation
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "res/StringTable.h"
#include "rules/CThink.h"
#include "rules/TableState.h"
#include "table/Canvas.h"
#include "table/Chronicle.h"
#include "table/Host.h"
#include "table/HumanInput.h"
#include "table/MapMarks.h"
#include "table/MapTracing.h"
#include "table/TimerIds.h"

namespace tolva {

class Settings;

// A point of the flat table surface (1010 x 1010, seen from straight above).
struct TablePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TablePoint&, const TablePoint&) = default;
};

inline constexpr int kFlightPoints = 7;
using FlightPath = std::array<TablePoint, kFlightPoints>;

// The places of the flat table that cards and coins fly between.
inline constexpr TablePoint kStockPoint{345, 398};
inline constexpr TablePoint kRiverPoint{345 + 169, 398};
inline constexpr std::array<TablePoint, kSeats> kSeatPlaces{
    TablePoint{kTableSize, 398}, TablePoint{667, 0}, TablePoint{209, 0}, TablePoint{0, 398},
    TablePoint{kTableSize / 2, kTableSize}};
inline constexpr std::array<TablePoint, kSeats> kReachCoinPlaces{
    TablePoint{631, 333}, TablePoint{570, 288}, TablePoint{401, 288}, TablePoint{340, 333},
    TablePoint{485, 702}};

// Point d (1..7) of a flight from a to b is a + d * trunc((b - a) / 7) in each
// axis; the truncation may leave the seventh point a few pixels short of b.
FlightPath MakeFlight(TablePoint from, TablePoint to);

// What the human's card drag is carrying.
enum class DragKind { None, HandCards, StockCard, RiverCard };

// What the drawing and the window read of the flow beside the table record
// (the fields of the same names in CTolvaView), copied out so that nothing
// that draws can change the game.
struct FlowDisplay {
  int TableActive = 0;
  int MapShown = 0;
  int Initialising = 1;
  int RevealHands = 0;
  int ChoiceShown = 0;
  int ChoiceTick = 0;
  int ChoiceBlink = 0;
  int RiverStep = -1;
  int StockStep = -1;
  int DiscardStep = -1;
  int ReachStep = -1;
  int ReachAnimSeat = -1;
  std::array<FlightPath, kComputerSeats> StockFlight{};
  std::array<FlightPath, kComputerSeats> RiverFlight{};
  std::array<FlightPath, kComputerSeats> DiscardFlight{};
  std::array<FlightPath, kSeats> ReachFlight{};
  DragKind Dragging = DragKind::None;
  int StockCardFaceDown = 0;
  std::array<int, 2> PeekOnPress{};
  double ViewAngle = 23;
  int CunningMode = 0;
  bool ComputerHandsFaceUp = false;  // CTolvaView::ComputerHandsFaceUp
};

// The options of the settings menu that the table record keeps a copy of.
enum class TableOption { OpenMode, Koukaon, RuleRem, DspRem, ManSpeed, CardSpeed, PonSpeed };

// The most recently set timer, whatever its id; id 0 when there is none.
struct TimerRecord {
  int id = 0;
  int periodMs = 0;
  friend bool operator==(const TimerRecord&, const TimerRecord&) = default;
};

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
  // The dragged cards themselves are t.Dragged[0 .. t.DraggedCount): hand cards
  // with their slots of origin in t.DraggedFrom, or the one stock or river card.
  DragKind Dragging = DragKind::None;
  int StockCardFaceDown = 0;             // the dragged stock card has not entered the hand area
  int StockCardTurnedUp = 0;             // this drag's stock card entered the hand area
  std::array<int, 2> PeekOnPress{};      // button held on seat 0's / seat 3's place in open mode
  int SkipEffect = 0;                    // a left press ends a running dissolve

  // --- view settings and campaign (read by the drawing and the map view) ----------------------
  double ViewAngle = 23;  // bird's-eye angle, 9..31 ("Kakudo")
  int MapZoom = 1;
  TablePoint MapOrg{};
  // The map's scroll position and the size of the area it is shown in, kept in
  // step by the window (table/MapView.cpp says who writes which).
  TablePoint MapScroll{};
  TablePoint MapClient{kCanvasWidth, kCanvasHeight};
  TablePoint CityPoint{kStartCityPoint.x, kStartCityPoint.y};  // where the king stands on the map
  // The route, city-edge and city colours read from the map picture, with the
  // fixed conquered and travelled colours.
  MapColours MapKeyColours{};
  int CunningMode = 0;

  // --- the host's entry points --------------------------------------------------------------
  // Start-up of the main view, once its pictures are loaded: read the settings,
  // reset the flow, set timer 99. (A peek window never calls it.)
  void OnFirstShow();
  void OnTimer(int id);  // a window timer fired

  // --- flow operations ---------------------------------------------------------------------------
  void StartGame();
  void TakeTurnStep(bool insert, bool mayDiscardDrawn);
  void EndGame();
  // Play begins at `seat`: a computer's turn on timer 2, or the human's turn
  // waiting for his input.
  void PlayFrom(int seat);

  // The game-end operations; each sets the result, plays its sound, shows the
  // result and calls EndGame.
  void TolvaDeclared(int seat);
  void SeventyDeclared(int seat);
  void WentOut(int seat);
  void Tsumo(int seat);
  void WinOnDiscard();  // ResultSeat, ResultKind (5 or 6) and PayerSeat already set
  void DrawnGame();

  // --- what the drawing and the menus ask -------------------------------------------------------
  const TableState& Table() const { return t; }
  FlowDisplay Display() const;
  int HandPoints(int seat) const { return think.HandPoints(seat); }
  std::string ProfileText(int seat) const { return think.ProfileText(seat); }
  // Computer hands are drawn face up at the end of a game and, in open mode,
  // during the first three games of a city.
  bool ComputerHandsFaceUp() const;
  // The human may act on his turn: a game on the table, the table shown, no
  // opening choice or result display under way.
  bool HumansTurn() const;
  bool DeclarationAllowed(Declaration which) const;
  const TimerRecord& LastTimer() const { return lastTimer_; }
  bool TimerRunning(int id) const;
  bool GameTimerPending() const;  // a step of the game is due (timers other than 6 and 98)

  // --- the human's actions ------------------------------------------------------------------------
  void LeftPress(PointerTarget target);
  void DragMove(PointerTarget target);
  void LeftRelease(PointerTarget target);
  void RightPress(PointerTarget target);
  void Key(HumanKey key, bool ctrl = false);
  void DrawFromStock();   // F7
  void TakeFromRiver();   // F8
  void DeclareReach();    // F9 and the declaration menu
  void DeclareTolva();    // F10 and the declaration menu
  void DeclareSeventy();  // the declaration menu
  void AngleUp();         // F4 and icon 3
  void AngleDown();       // F5 and icon 4
  // A left press during a dissolve ends it; the window asks at each frame.
  void SkipRunningEffect() { SkipEffect = 1; }
  void ClearEffectSkip() { SkipEffect = 0; }
  bool EffectSkipped() const { return SkipEffect != 0; }

  // --- the options ---------------------------------------------------------------------------
  // Sets the option in the table record and writes it to the store together,
  // so that the game and the settings file never disagree.
  void SetOption(TableOption option, int value);

  // --- the campaign ---------------------------------------------------------------------------
  void LoadPurses();
  void SavePurses() override;
  void PaySalaries();
  // The campaign is over (`how`) and starts again from the course selection.
  void ResetCampaign(CampaignEnding how = CampaignEnding::PurseUsedUp);
  void SetCourseTitle(bool notice);
  void MapResetCommand();  // "世界地図の初期化(&I)"
  // After the tenth game of a city: the route on the map, then timer 12.
  void AdvanceMap();
  // At start-up, once the map picture is loaded: the conquered part of the
  // route painted again from "ConqCity", and the city point set. Marks of
  // this run painted before are taken off first.
  void RebuildRoute();
  // The leg being walked by the route animation (timer 13); none between legs.
  const std::optional<RouteWalker>& Route() const { return route_; }
  // The world map view (MapView.cpp).
  void ToggleMap();
  void SetMapZoom(int zoom);
  void CentreOnCity();
  // The window is going away: with the map up, its scroll origin is kept for
  // the next run.
  void OnDestroy();

  // --- cunning mode: the peek window on a computer seat's hand -------------------------------
  // Main instance. The drawing of each computer seat publishes its hand in the
  // peek channel; a seat's peek command shows that seat in the peek window,
  // starting one when none runs and the seat holds cards.
  void PublishHand(int seat) const;
  void StartPeek(int seat);
  // Peek instance, which keeps the hand it shows in seat 0's slots. When its
  // window is first shown it polls the channel at once and then every 500 ms
  // (timer 98); each poll shows the chosen seat's hand when its text changed,
  // and "Now" = 4 closes the window.
  void StartPeekPolling();
  void PeekTick();
  std::string LastPeekText;  // the hand text the peek window shows

  // The cards that have left one place and not reached another at this moment
  // (for the card-conservation check); the dragged cards are counted by the check.
  std::vector<int> CardsInFlight() const;

 private:
  // RulesHost, for the rules engine.
  Answer ShowMessage(std::string_view prefix, int stringId, MessageStyle style) override;
  void PlayWave(int waveId, bool toEnd) override;
  void RedrawScene(bool tableChanged) override;
  int ClockSeconds() override;
  int TolvaRate() override;
  void ClearLastTimerRecord() override;

  // Sounds and messages, gated on the options.
  void Cue(int wave, bool toEnd = false);
  void Refusal(int message = 0);  // wave 161, the text only with reminders on
  Answer Ask(int message, MessageStyle style);
  void Inform(int message);  // information box whatever the reminder setting
  Settings StoredSettings() const;

  // Timers (Timers.cpp).
  bool SetFlowTimer(int id, int periodMs);
  void KillFlowTimer(int id);
  void KillLastTimer();
  void KillGameTimers();
  int TurnPause() const;
  int CardTick() const;
  int DiscardPause() const;

  // Timer steps.
  void StartUpStep();       // 99
  void OpeningSeatTick();   // 1
  void ComputerTurn();      // 2
  void RiverFlightTick();   // 3
  void StockFlightTick();   // 4
  void DiscardLands();      // 5
  void ReachCoinTick();     // 6
  void TurnPauseEnds();     // 21
  void NextCity();          // 12
  void RouteTick();         // 13

  void ComputeFlights();
  void ResetFlow();
  // The course selection of a new campaign; false when it was cancelled and
  // the program ends.
  bool ChooseCourse();
  // The discard reaches the river: its sound, and one more turn of the game.
  void LandInRiver(int card);
  // The human's Pon or Kan on the river's top card (HumanCall), counted for
  // the chronicle when it took the card.
  void HumanCalls(int ponFlag);
  void StartReachCoin(int seat);
  void ReachCue();
  void FinishGame(ResultPicture picture);

  // The map advance (MapAdvance.cpp).
  PixelMap& MapPicture();  // the host's picture, painted through mapMarks_
  void LegEnds();
  void LegTooLong();
  void CompleteCampaign();
  void AdvanceFailed();
  // Offers `card` to seat's hand as the card after its last one and asks
  // IsWinningHand; the count goes back afterwards unless the card wins and
  // keepOnWin is set.
  bool OfferCard(int seat, int card, bool keepOnWin);
  bool ReachWinOnDiscard(int discarder, int card);
  bool HumanCallOnDiscard(int card);
  void AfterHumanDiscard();

  // The chronicle (ChronicleNotes.cpp).
  // SettleGame, then the finished game with its settlement into the chronicle.
  std::string SettleAndRecord();
  void BeginChronicleCampaign();
  void EndChronicleCampaign(CampaignEnding how);
  void RecordConquest(int city);
  // The campaign's key; a campaign the chronicle has not seen yet gets one now.
  std::string ChronicleKey();

  // The human's side (HumanActions.cpp, HumanDiscard.cpp, HumanKeys.cpp).
  enum class DiscardSource { Drag, Key };
  void ToggleMark(int slot);
  void AskPonWithSelection();
  void ClearMarks();
  void PickUpHandCards(int slot);
  void InsertDragged(int afterSlot);
  void ReturnDragged();
  void EndDrag();
  void DropHandCards(PointerTarget target);
  void TsumoCheckAfterDrop();
  bool TsumoOnEightCards();
  void HumanDiscard(DiscardSource source);
  void KeyDiscard();
  void MoveCursor(int delta, bool ctrl);
  void KeepCursorInHand();
  bool HumanInReach() const;  // declared earlier, not declaring now
  // He has drawn, taken the river card or called this turn: another card is
  // refused, saying that a discard is due. False when no card is in yet.
  bool RefusedAsDrawn();

  Host& host_;
  TimerRecord lastTimer_;
  std::array<bool, kTimerIds> timerSet_{};
  bool resultShowing_ = false;  // from a game's end until EndGame
  MapMarks mapMarks_;
  std::optional<RouteWalker> route_;
  std::size_t legMarks_ = 0;  // mapMarks_.Changes() when the leg began
  // What the chronicle keeps of the game under way beyond the table record.
  struct GameTally {
    int turns = 0;                      // discards that reached the river
    std::array<int, kSeats> calls{};    // Pon and Kan per seat
  };
  GameTally tally_;
};

}  // namespace tolva
