// The world map view's rules: where the map opens, what the zoom does to the
// origin, when the zoom and the origin are written, and centring on a city.
#include <gtest/gtest.h>

#include "table/CTolvaView.h"
#include "table/MapView.h"
#include "table/SettingsSchema.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/TableScenario.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::ScriptedHost;

struct MapViewTest : ::testing::Test {
  ScriptedHost host;
  CTolvaView view{host};

  // The window's side of a scroll: the player drags the bars.
  void PlayerScrollsTo(int x, int y) { view.MapScroll = {x, y}; }
  int MapViewCalls() const { return static_cast<int>(host.Calls(HostCall::MapView).size()); }
};

TEST_F(MapViewTest, ShowingScrollsToTheOriginAndHidingKeepsTheScrollPosition) {
  view.MapOrg = {300, 120};
  view.ToggleMap();
  EXPECT_EQ(view.MapShown, 1);
  EXPECT_EQ(view.MapScroll, (TablePoint{300, 120}));

  PlayerScrollsTo(500, 40);
  view.ToggleMap();
  EXPECT_EQ(view.MapShown, 0);
  EXPECT_EQ(view.MapOrg, (TablePoint{500, 40}));

  view.ToggleMap();  // opens where it was left
  EXPECT_EQ(view.MapScroll, (TablePoint{500, 40}));
  EXPECT_EQ(MapViewCalls(), 3);  // the window repaints at every change
}

TEST_F(MapViewTest, HidingTheMapWritesNoOrigin) {
  view.ToggleMap();
  PlayerScrollsTo(700, 200);
  view.ToggleMap();
  EXPECT_EQ(host.store.WriteCount(), 0);
}

TEST_F(MapViewTest, TheOriginIsWrittenWhenTheViewGoesAwayWithTheMapUp) {
  view.ToggleMap();
  PlayerScrollsTo(640, 210);
  view.OnDestroy();
  const Settings settings(host.store);
  EXPECT_EQ(settings.MapOrgX(), 640);
  EXPECT_EQ(settings.MapOrgY(), 210);
}

TEST_F(MapViewTest, TheOriginIsNotWrittenWhenTheViewGoesAwayWithTheTableShown) {
  view.ToggleMap();
  PlayerScrollsTo(640, 210);
  view.ToggleMap();
  view.OnDestroy();
  EXPECT_FALSE(host.store.Stored(kSectionLast, kKeyMapOrgX));
  EXPECT_FALSE(host.store.Stored(kSectionLast, kKeyMapOrgY));
}

TEST_F(MapViewTest, ZoomingToTheActiveZoomDoesNothingAndWritesNothing) {
  view.MapZoom = 2;
  view.ToggleMap();
  host.ClearEvents();
  PlayerScrollsTo(900, 300);
  view.SetMapZoom(2);
  EXPECT_EQ(view.MapScroll, (TablePoint{900, 300}));
  EXPECT_EQ(MapViewCalls(), 0);
  EXPECT_EQ(host.store.WriteCount(), 0);
}

TEST_F(MapViewTest, ZoomingToOneResetsTheOriginToTheTopLeft) {
  view.MapZoom = 3;
  view.MapOrg = {2000, 800};
  view.ToggleMap();
  view.SetMapZoom(1);
  EXPECT_EQ(view.MapZoom, 1);
  EXPECT_EQ(view.MapOrg, (TablePoint{0, 0}));
  EXPECT_EQ(view.MapScroll, (TablePoint{0, 0}));
  EXPECT_EQ(Settings(host.store).Zoom(), 1);
  EXPECT_EQ(host.store.Stored(kSectionSettei, kKeyZoom), "1");
}

TEST_F(MapViewTest, ZoomingBetweenTwoAndThreeKeepsTheStoredOriginNotTheScrollPosition) {
  view.MapZoom = 2;
  view.MapOrg = {1200, 400};
  view.ToggleMap();
  PlayerScrollsTo(50, 60);  // scrolled since the origin was set
  view.SetMapZoom(3);
  EXPECT_EQ(view.MapOrg, (TablePoint{1200, 400}));
  EXPECT_EQ(view.MapScroll, (TablePoint{1200, 400}));
  EXPECT_EQ(Settings(host.store).Zoom(), 3);
  EXPECT_EQ(MapViewCalls(), 2);  // shown, zoomed
}

TEST_F(MapViewTest, AZoomOutsideOneToThreeIsIgnored) {
  for (int zoom : {0, 4, -1, 50}) view.SetMapZoom(zoom);
  EXPECT_EQ(view.MapZoom, 1);
  EXPECT_EQ(host.store.WriteCount(), 0);
}

TEST_F(MapViewTest, CentringPutsTheCityInTheMiddleOfTheWindow) {
  view.MapZoom = 2;
  view.MapClient = {1184, 883};
  view.CityPoint = {682, 249};
  view.CentreOnCity();
  // 2 × 682 − 1184 div 2, 2 × 249 − 883 div 2
  EXPECT_EQ(view.MapOrg, (TablePoint{1364 - 592, 498 - 441}));
  EXPECT_EQ(view.MapScroll, view.MapOrg);
  EXPECT_EQ(MapViewCalls(), 2);  // laid out for the zoom, then scrolled
}

TEST_F(MapViewTest, CentringNearTheEdgeMayAskForAnOriginBeforeTheMap) {
  // The window's scroll bars stop at 0; the view asks for what the arithmetic gives.
  view.MapZoom = 1;
  view.MapClient = {1200, 900};
  view.CityPoint = {100, 50};
  view.CentreOnCity();
  EXPECT_EQ(view.MapOrg, (TablePoint{100 - 600, 50 - 450}));
}

TEST(MapViewDrag, ShowingTheMapPutsADraggedStockCardBack) {
  testing::TableScenario s;
  testing::SetHand(s.t(), kHumanSeat, "5s 5h 9d 9c Kd Kh 2s");
  s.StockTop("3c");
  s.Complete();
  s.view.PlayFrom(kHumanSeat);
  const int stock = s.t().StockCount;
  s.host.LeftPress(PointerTarget::Stock());
  ASSERT_EQ(s.view.Dragging, DragKind::StockCard);
  s.view.ToggleMap();
  EXPECT_EQ(s.view.Dragging, DragKind::None);
  EXPECT_EQ(s.t().StockCount, stock);
  s.host.CheckConservation("the map shown during a drag");
}

TEST(MapViewSizes, TheScrolledAreaIsThePictureAtTheZoom) {
  EXPECT_EQ(MapScrollSize(1), (TablePoint{1831, 649}));
  EXPECT_EQ(MapScrollSize(2), (TablePoint{3662, 1298}));
  EXPECT_EQ(MapScrollSize(3), (TablePoint{5493, 1947}));
}

}  // namespace
}  // namespace tolva
