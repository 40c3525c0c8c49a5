// The frame of a game: start-up, the start of a game with its resets, the
// choice of the opening seat, the end of a game and the start of the next city.
#include <charconv>

#include "rules/Deal.h"
#include "table/CTolvaView.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {
constexpr int kStartUpPeriodMs = 100;
constexpr int kOpeningSeatPeriodMs = 100;
constexpr int kOpeningSeatTicks = 5;
constexpr int kBlinkFlips = 8;
constexpr int kBlinkWaitMs = 100;
constexpr int kGamesPerCity = 10;
}  // namespace

void CTolvaView::OnFirstShow() {
  RebuildRoute();  // the map picture is loaded by now
  const Settings settings = StoredSettings();
  t.ManSpeed = settings.ManSpeed();
  t.CardSpeed = settings.CardSpeed();
  t.PonSpeed = settings.PonSpeed();
  t.OpenMode = settings.OpenMode();
  t.Koukaon = settings.Koukaon();
  t.RuleRem = settings.RuleRem();
  t.DspRem = settings.DspRem();
  MapZoom = settings.Zoom();
  MapOrg = {settings.MapOrgX(), settings.MapOrgY()};
  ResetFlow();
  ComputeFlights();
  RedrawScene(false);
  SetFlowTimer(kTimerStartUp, kStartUpPeriodMs);
}

void CTolvaView::ResetFlow() {
  t.GameNo = 0;
  t.TurnSeat = -1;
  TableActive = 0;
  t.HasDrawn = 0;
  t.PonSelect = 0;
  t.Selected.fill(0);
  t.MeldLength.fill(0);
  t.RiverTakenCard = kEmptySlot;
  RiverStep = StockStep = DiscardStep = ReachStep = -1;
  ChoiceShown = 0;
}

void CTolvaView::StartUpStep() {
  KillFlowTimer(kTimerStartUp);
  Settings settings = StoredSettings();
  if (settings.Purse(kHumanSeat) > 0) {
    SetCourseTitle(false);  // the campaign goes on
    // One older than the chronicle gets its key now rather than during a
    // settlement, whose writes belong together.
    ChronicleKey();
  } else if (!ChooseCourse()) {
    return;
  }
  if (!host_.PrepareCardBacks()) {
    host_.ShowMessage({}, kMsgCardBackFailed, MessageStyle::Error);
    return;  // no game, and the table stays undrawn
  }
  Initialising = 0;
  if (settings.AutoStart() == 1) {
    StartGame();
  } else if (t.RuleRem) {
    Inform(kMsgHowToStart);
  }
  RedrawScene(false);
}

void CTolvaView::StartGame() {
  ++t.GameNo;
  if (t.GameNo == 1) {
    LoadPurses();
    t.PendingPool = 0;
    PaySalaries();
    if (t.Purse[kHumanSeat] <= 0) {
      ResetCampaign();
      return;
    }
  }
  TableActive = 1;
  t.FirstRound = 1;
  t.ReachPending = 0;
  PeekOnPress.fill(0);
  RevealHands = 0;
  // The human's working state of the last game ends with it: a mark, a Pon
  // selection or a card taken from the river must not carry into the new deal.
  t.HasDrawn = 0;
  t.PonSelect = 0;
  t.Selected.fill(0);
  t.RiverTakenCard = kEmptySlot;
  t.DrawnCard = kEmptySlot;
  t.DiscardCard = kEmptySlot;
  t.Cursor = 0;
  tally_ = {};

  t.DeckSize = kOrdinaryCards + StoredSettings().Joker();
  t.StockCount = t.DeckSize - kSeatsDealt;
  ReachAnimSeat = -1;
  t.RiverCount = 0;
  t.River.fill(kEmptySlot);
  for (int row = 0; row < kMeldRows; ++row) {
    t.MeldLength[row] = 0;
    t.Meld[row].fill(kEmptySlot);
  }
  t.DraggedCount = 0;
  Dragging = DragKind::None;
  StockCardFaceDown = StockCardTurnedUp = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    t.HandCount[seat] = kDealtCards;
    t.IppatsuFlag[seat] = 0;
    t.ReachFlag[seat] = 0;
    t.TolvaMark[seat] = 0;
  }
  ShuffleAndDeal(t, host_.ShuffleSeed());
  RedrawScene(true);

  if (t.GameNo == 1) {
    t.ResultSeat = -1;
    ChoiceShown = 1;
    ChoiceTick = 0;
    SetFlowTimer(kTimerOpeningSeat, kOpeningSeatPeriodMs);
  } else {
    // Every deal gets its plans; the first game of a city makes them once the
    // opening seat is known (timer 1).
    for (int seat = 0; seat < kComputerSeats; ++seat) think.PlanStrategy(seat);
  }
}

void CTolvaView::OpeningSeatTick() {
  if (++ChoiceTick < kOpeningSeatTicks) return;
  KillFlowTimer(kTimerOpeningSeat);
  t.ResultSeat = ChooseOpeningSeat(t);
  for (int flip = 0; flip < kBlinkFlips; ++flip) {
    ChoiceBlink = 1 - ChoiceBlink;
    RedrawScene(true);
    host_.Wait(kBlinkWaitMs);
  }
  for (int seat = 0; seat < kComputerSeats; ++seat) think.PlanStrategy(seat);
  ChoiceShown = 0;
  ChoiceBlink = 0;
  RedrawScene(true);
  PlayFrom(t.ResultSeat);
}

void CTolvaView::PlayFrom(int seat) {
  // Every ending names a seat; should a damaged record name none, the first
  // general opens rather than a turn for no seat.
  if (!IsSeat(seat)) seat = 0;
  t.TurnSeat = seat;
  if (seat == kHumanSeat) {
    t.HasDrawn = 0;
    KeepCursorInHand();
  } else {
    SetFlowTimer(kTimerComputerTurn, TurnPause());
  }
  // The lit name plate shows whose turn it is; when it is the human's,
  // nothing else would redraw the table before he acts.
  RedrawScene(false);
}

void CTolvaView::EndGame() {
  resultShowing_ = false;
  if (t.GameNo >= kGamesPerCity) {
    AdvanceMap();
    return;
  }
  // The winner or declarer opens; after a drawn game the settlement has given
  // back the seat that opened it.
  t.TurnSeat = t.ResultSeat;
  StartGame();
  if (TableActive) PlayFrom(t.TurnSeat);
}

void CTolvaView::NextCity() {
  KillFlowTimer(kTimerNextCity);
  host_.Dissolve(false);
  MapShown = 0;
  host_.MapViewChanged();
  t.GameNo = 0;
  StartGame();
}

}  // namespace tolva
