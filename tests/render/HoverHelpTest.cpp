// Hover help: profiles over name plates while a table is active, the numbered
// texts over the table's parts in their order, nothing over the rest.
#include <gtest/gtest.h>

#include "render/HoverHelp.h"
#include "res/StringTable.h"

namespace tolva {
namespace {

struct HoverHelpTest : ::testing::Test {
  HitRects hits;
  std::array<int, 5> reach{};
  HoverHelpTest() {
    hits.SeatPlateRect[1] = Rect::Sized(978, 152, 92, 23);
    hits.PurseTextRect[1] = Rect{1000, 175, 1040, 191};
    hits.StockRect = Rect{458, 409, 592, 504};
    hits.RiverRect = Rect{608, 409, 743, 504};
    hits.MeldHitRect[0] = Rect{245, 258, 411, 352};
    hits.ReachCoinRect[0] = Rect{620, 360, 650, 380};
    hits.MeldHitRect[5] = Rect{600, 350, 990, 455};  // overlaps the coin place
    hits.PendingRect = kPendingHitRect;
    hits.StockCountRect = Rect{515, 507, 532, 523};
    hits.KeyLabelRect = Rect{575, 507, 625, 523};
  }
  HoverText At(int x, int y, bool active = true) const { return HoverHelp(hits, active, reach, x, y); }
  static HoverText Text(int id) { return {HoverText::Kind::String, id}; }
};

TEST_F(HoverHelpTest, NamePlatesShowTheSeatsProfileWhileATableIsActive) {
  EXPECT_EQ(At(1000, 160), (HoverText{HoverText::Kind::Profile, 1}));
  EXPECT_EQ(At(1000, 160, false), HoverText{}) << "no profile without a table";
}

TEST_F(HoverHelpTest, ButtonsAndTheGameNumberPlate) {
  const int ids[6] = {kTipStartMenu, kTipSettingsMenu, kTipHelpMenu, kTipAngleUp, kTipAngleDown,
                      kTipDeclarationMenu};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(At(kButtonRect[i].left, 30), Text(ids[i])) << i;
  EXPECT_EQ(At(54, 51), Text(kTipStartMenu));
  EXPECT_EQ(At(55, 51), Text(kTipSettingsMenu)) << "right edges belong to the next button";
  EXPECT_EQ(At(220, 30), Text(kTipGameNumber));
  EXPECT_EQ(At(220, 30, false), Text(kTipGameNumber));
}

TEST_F(HoverHelpTest, TablePartsInTheirOrder) {
  EXPECT_EQ(At(630, 370), Text(kTipMeldRow)) << "a coin place without Reach is the row beneath";
  reach[0] = 1;
  EXPECT_EQ(At(630, 370), Text(kTipReachCoin));
  EXPECT_EQ(At(300, 300), Text(kTipMeldRow));
  EXPECT_EQ(At(500, 450), Text(kTipStock));
  EXPECT_EQ(At(700, 450), Text(kTipMeldRow)) << "the row comes before the river";
  EXPECT_EQ(At(700, 480), Text(kTipRiver));
  EXPECT_EQ(At(1130, 20), Text(kTipPendingCoins));
  EXPECT_EQ(At(1010, 180), Text(kTipPurse));
  EXPECT_EQ(At(520, 510), Text(kTipStockCount));
  EXPECT_EQ(At(600, 510), Text(kTipKeyLabels));
}

TEST_F(HoverHelpTest, NothingListedLeavesTheTooltipAsItWas) {
  EXPECT_EQ(At(5, 890), HoverText{});
  hits.PendingRect = Rect{};  // no pending coins: their place says nothing
  EXPECT_EQ(At(1130, 20), HoverText{});
}

}  // namespace
}  // namespace tolva
