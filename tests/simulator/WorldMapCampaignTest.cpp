// The campaign on the real world map, read without Qt as the simulator reads
// it: the first legs as the map's notes give them, walked by the view with
// their sounds, and the rebuilding at start-up.
#include <gtest/gtest.h>

#include "tests/support/CampaignFixture.h"
#include "tools/simulator/MapFile.h"

namespace tolva {
namespace {

#ifdef TOLVA_WORLD_MAP_RAW

const MemoryPixelMap& WorldMap() {
  static const MemoryPixelMap map = [] {
    std::string error;
    auto read = sim::ReadMapPicture(TOLVA_WORLD_MAP_RAW, error);
    if (!read) {
      ADD_FAILURE() << error;
      return MemoryPixelMap(0, 0);
    }
    return std::move(*read);
  }();
  return map;
}

struct WorldMapCampaign : testing::CampaignFixture {
  void SetUp() override {
    CampaignFixture::SetUp();
    host.map = WorldMap();
    ASSERT_EQ(host.map.Width(), 1831);
    ASSERT_EQ(host.map.Height(), 649);
  }
};

TEST_F(WorldMapCampaign, TheFirstLegHasTwentyTwoStepsToTheCityAt682And249) {
  StartUp(0);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(view.CityPoint, (TablePoint{682, 249}));
  EXPECT_EQ(host.Waves(), (std::vector<int>{kWaveRouteFifth, kWaveRouteTenth, kWaveRouteFifth, kWaveRouteTenth}))
      << "steps 5, 10, 15 and 20 of 22";
  EXPECT_EQ(settings.ConqCity(), 1);
}

TEST_F(WorldMapCampaign, TheSecondLegHasSeventySixStepsToTheCityAt724And277) {
  StartUp(1);
  EXPECT_EQ(view.CityPoint, (TablePoint{682, 249}));
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(view.CityPoint, (TablePoint{724, 277}));
  EXPECT_EQ(host.Waves().size(), 15u) << "76 steps: fifteen multiples of five";
}

TEST_F(WorldMapCampaign, TheNextStartRebuildsThePictureTheWalkLeft) {
  StartUp(2);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  ASSERT_EQ(settings.ConqCity(), 3);

  testing::ScriptedHost next;  // the next run of the program, on the same store
  next.store = host.store;
  next.map = WorldMap();
  CTolvaView nextView{next};
  next.Attach(nextView);
  nextView.OnFirstShow();
  EXPECT_EQ(nextView.CityPoint, view.CityPoint);
  EXPECT_TRUE(next.map == host.map);
}

TEST_F(WorldMapCampaign, TheHundredthLegCompletesTheCampaign) {
  StartUp(99);
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgCampaignComplete});
  EXPECT_EQ(host.Calls(testing::HostCall::Quit).size(), 1u);
}

#else
TEST(WorldMapCampaign, NeedsTheMapGeneratorsPixmap) { GTEST_SKIP() << "built without the world map"; }
#endif

}  // namespace
}  // namespace tolva
