// The frame of the campaign tests: a program started on the scripted host
// with a stored campaign (the host's map has four cities, then a dead end),
// and the end of a city's tenth game that sets the map advance going.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "table/CTolvaView.h"
#include "table/MapTracing.h"
#include "table/SettingsSchema.h"
#include "tests/support/RouteMaps.h"
#include "tests/support/ScriptedHost.h"

namespace tolva::testing {

class CampaignFixture : public ::testing::Test {
 protected:
  ScriptedHost host;
  CTolvaView view{host};
  Settings settings{host.store};
  const std::vector<MapPoint> cities = RouteMapCityPoints(kStandardLegs);
  const MemoryPixelMap unmarked = RouteMap(kStandardLegs, LastLeg::EndsAtNoCity);

  void SetUp() override {
    host.Attach(view);
    settings.SetPurse(kHumanSeat, 5000);
    settings.SetRuleRem(0);  // no start-up reminder in the way
  }

  // The program starts with `conqCity` cities stored as conquered: the map
  // is rebuilt, then the start-up step (timer 99) runs.
  void StartUp(int conqCity) {
    settings.SetConqCity(conqCity);
    view.OnFirstShow();
    host.Step();
  }

  // The tenth game of the city has been settled; EndGame advances the map.
  void TenthGameEnds() {
    view.t.GameNo = 9;
    view.StartGame();
    view.t.ResultSeat = 1;
    view.t.ResultKind = kTsumo;
    host.ClearEvents();
    view.EndGame();
  }

  bool WalkLeg() {
    return host.RunUntil([&] { return !host.TimerPending(kTimerRoute); }, "the end of the leg");
  }

  Rgb Pixel(MapPoint p) const { return host.map.Pixel(p.x, p.y); }
  static TablePoint AsTable(MapPoint p) { return {p.x, p.y}; }
  // The scroll origin that centres map pixel p in the default window at zoom 2.
  TablePoint CentredAtZoom2(MapPoint p) const {
    return {2 * p.x - view.MapClient.x / 2, 2 * p.y - view.MapClient.y / 2};
  }
};

}  // namespace tolva::testing
