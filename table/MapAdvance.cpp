// The map advance between two cities. After a city's tenth game the map is
// shown at twice its size around the king's city, the next leg of the route is
// found and walked a pixel a tick (timer 13), and at its end the next city is
// conquered and its games follow after a pause (timer 12); the end of the leg
// after the ninety-ninth city completes the campaign and ends the program.
//
// The marks go onto the host's map picture through mapMarks_, which records
// them, so that a campaign reset can give the picture back unmarked.
#include "table/CTolvaView.h"
#include "table/PeekChannel.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {
constexpr int kAdvanceZoom = 2;
constexpr int kRoutePeriodMs = 100;
constexpr int kNextCityPauseMs = 3000;

MapPoint ToMapPoint(TablePoint p) { return {p.x, p.y}; }
TablePoint ToTablePoint(MapPoint p) { return {p.x, p.y}; }
}  // namespace

PixelMap& CTolvaView::MapPicture() {
  // The key colours are read once from each picture, before anything is
  // painted on it.
  if (mapMarks_.Attach(host_.MapPicture())) MapKeyColours = ReadMapColours(mapMarks_);
  return mapMarks_;
}

void CTolvaView::RebuildRoute() {
  route_.reset();
  PixelMap& map = MapPicture();
  mapMarks_.EraseMarks();
  const RebuiltRoute rebuilt = tolva::RebuildRoute(map, MapKeyColours, StoredSettings().ConqCity());
  CityPoint = ToTablePoint(rebuilt.cityPoint);
}

void CTolvaView::AdvanceMap() {
  // The city's games are over: no seat has a turn until the next city's
  // opening choice. The player may hide the map meanwhile, and must not play
  // on (or declare on) the finished table, whoever moved last.
  t.TurnSeat = -1;
  MapShown = 1;
  MapZoom = kAdvanceZoom;
  CentreOnCity();
  PixelMap& map = MapPicture();
  legMarks_ = mapMarks_.Changes();
  route_.emplace(map, MapKeyColours);
  if (!route_->Start(ToMapPoint(CityPoint))) {
    route_.reset();
    AdvanceFailed();
    return;
  }
  SetFlowTimer(kTimerRoute, kRoutePeriodMs);
}

void CTolvaView::RouteTick() {
  if (!route_) {
    KillFlowTimer(kTimerRoute);
    return;
  }
  switch (route_->StepOnce()) {
    case RouteWalker::Step::Moved: {
      const int steps = route_->RouteSteps();
      if (steps >= kInstantTraceLimit) {
        LegTooLong();
        break;
      }
      if (steps % 10 == 0) {
        Cue(kWaveRouteTenth);
      } else if (steps % 5 == 0) {
        Cue(kWaveRouteFifth);
      }
      break;
    }
    case RouteWalker::Step::ReachedEnd: LegEnds(); break;
    case RouteWalker::Step::NotWalking:
      KillFlowTimer(kTimerRoute);
      route_.reset();
      break;
  }
  host_.MapViewChanged();
}

void CTolvaView::LegEnds() {
  KillFlowTimer(kTimerRoute);
  Settings settings = StoredSettings();
  const int conquered = settings.ConqCity();
  if (conquered >= kEndCount) {
    CompleteCampaign();
    return;
  }
  // The route point is the ring pixel of the city the leg reached.
  if (const auto city = route_->ConquerAt(route_->RoutePoint())) {
    CityPoint = ToTablePoint(*city);
    CentreOnCity();
    settings.SetConqCity(conquered + 1);
    RecordConquest(conquered + 1);
  }
  route_.reset();
  SetFlowTimer(kTimerNextCity, kNextCityPauseMs);
}

// A leg the start-up could not trace again is no leg of our picture: on a
// damaged picture the walk might wander over it for hours. It ends as a leg
// that cannot be found, and its pixels are given back.
void CTolvaView::LegTooLong() {
  KillFlowTimer(kTimerRoute);
  route_.reset();
  mapMarks_.EraseMarksSince(legMarks_);
  AdvanceFailed();
}

void CTolvaView::CompleteCampaign() {
  route_.reset();
  host_.ShowResultPicture(ResultPicture::CampaignComplete);
  Settings settings = StoredSettings();
  // An empty purse: the next run begins with the course selection.
  settings.Write(SettingsChange().ClearPurse(kHumanSeat).ConqCity(0));
  EndChronicleCampaign(CampaignEnding::RouteComplete);
  Inform(kMsgCampaignComplete);
  // A running peek window closes with the program.
  ClosePeekWindow(settings);
  host_.QuitProgram();
}

// No leg leaves the city: the picture is damaged where the route should go on.
// Rather than stand still with the map up and no timer, the march stops in
// order: back to an empty table, with the purses and the conquered cities as
// stored. That is what a new run of the program would find, so the start
// command plays the next set of games from this city, as a restart would.
void CTolvaView::AdvanceFailed() {
  host_.ShowMessage({}, kMsgNoNextCity, MessageStyle::Error);
  MapShown = 0;
  host_.MapViewChanged();
  TableActive = 0;
  t.GameNo = 0;
  RedrawScene(false);
}

}  // namespace tolva
