// Dragging with the left button: hand cards (all the marked ones together),
// the stock card (face down until it reaches the hand), the river card, and
// what each drop means: into the hand, onto a meld row, onto the river.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "table/SettingsSchema.h"
#include "tests/support/FlowFixture.h"
#include "tests/support/ScriptedRulesHost.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::SetHand;
using testing::SetMeld;
using testing::SetRiver;

struct DragTest : testing::FlowFixture {
  void Mark(int slot) { host.RightPress(PointerTarget::HandCard(slot)); }
};

TEST_F(DragTest, MarkedCardsArePickedUpTogetherAndGoBackToTheirSlots) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  Mark(1);
  Mark(4);
  host.LeftPress(PointerTarget::HandCard(4));
  EXPECT_EQ(view.Dragging, DragKind::HandCards);
  ASSERT_EQ(t.DraggedCount, 2);
  EXPECT_EQ(t.Dragged[0], C("3s"));
  EXPECT_EQ(t.Dragged[1], C("6s"));
  EXPECT_EQ(t.DraggedFrom[0], 1);
  EXPECT_EQ(t.DraggedFrom[1], 4);
  EXPECT_EQ(Hand(4), testing::Cards("2s 4s 5s 7s 8s"));
  host.LeftRelease(PointerTarget::Elsewhere());
  EXPECT_EQ(Hand(4), testing::Cards("2s 3s 4s 5s 6s 7s 8s"));
  EXPECT_EQ(t.Selected, (TableState::Ints<kHandSlots>{})) << "marks cleared";
  EXPECT_EQ(view.Dragging, DragKind::None);
}

TEST_F(DragTest, AnUnmarkedCardCannotBeTakenWhileOthersAreMarked) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  t.RuleRem = 0;  // shown whatever the reminder setting
  Mark(1);
  host.ClearEvents();
  host.LeftPress(PointerTarget::HandCard(3));
  EXPECT_EQ(view.Dragging, DragKind::None);
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgOnlySelectedCards});
  EXPECT_EQ(t.Selected[1], 1);
}

TEST_F(DragTest, AStockCardLetGoOutsideTheHandGoesBackFaceDown) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  s.StockTop("9h");
  HumansTurn();
  const int stock = t.StockCount;
  host.LeftPress(PointerTarget::Stock());
  EXPECT_EQ(view.Dragging, DragKind::StockCard);
  EXPECT_EQ(view.StockCardFaceDown, 1);
  EXPECT_EQ(t.StockCount, stock - 1);
  host.DragMove(PointerTarget::River());
  EXPECT_EQ(view.StockCardFaceDown, 1) << "face down until it reaches the hand area";
  host.LeftRelease(PointerTarget::MeldRow(2));
  EXPECT_EQ(t.StockCount, stock);
  EXPECT_EQ(t.Stock[stock - 1], C("9h"));
  EXPECT_EQ(t.HasDrawn, 0);
}

TEST_F(DragTest, TheStockCardTurnsUpInTheHandAreaAndIsInsertedWhereItIsDropped) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  s.StockTop("9h");
  HumansTurn();
  host.LeftPress(PointerTarget::Stock());
  host.DragMove(PointerTarget::HandArea());
  EXPECT_EQ(view.StockCardFaceDown, 0);
  EXPECT_EQ(view.Dragging, DragKind::HandCards);
  EXPECT_EQ(t.DraggedFrom[0], 7) << "as if picked up from the slot after his last card";
  EXPECT_EQ(t.HasDrawn, 1);
  host.LeftRelease(PointerTarget::HandCard(2));
  EXPECT_EQ(Hand(4), testing::Cards("2s 3s 4s 9h 5s 6s 7s 8s"));
}

TEST_F(DragTest, ATurnedUpStockCardLetGoElsewhereStaysAsHisLastCard) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  s.StockTop("9h");
  HumansTurn();
  host.Drop(PointerTarget::Stock(), PointerTarget::HandArea());
  EXPECT_EQ(Hand(4), testing::Cards("2s 3s 4s 5s 6s 7s 8s 9h"));
  EXPECT_EQ(t.HasDrawn, 1);
}

TEST_F(DragTest, InReachAWinningStockCardEndsTheGameAsItEntersTheHand) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  t.ReachFlag[4] = 1;
  s.StockTop("2h");
  HumansTurn();
  host.LeftPress(PointerTarget::Stock());
  host.DragMove(PointerTarget::HandCard(3));  // no question: it is Tsumo at once
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultKind, kTsumo);
  EXPECT_EQ(LastGame().table.ResultSeat, 4);
  EXPECT_EQ(LastGame().table.HandCount[4], 8) << "the winning card stays in the hand";
  EXPECT_EQ(LastGame().table.DraggedCount, 0);
}

TEST_F(DragTest, InReachAStockCardThatDoesNotWinIsThrownWhereverItIsLetGo) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  t.ReachFlag[4] = 1;
  t.IppatsuFlag[4] = 1;
  s.StockTop("3c");
  HumansTurn();
  host.LeftPress(PointerTarget::Stock());
  host.DragMove(PointerTarget::HandArea());
  EXPECT_EQ(t.IppatsuFlag[4], 0);
  host.LeftRelease(PointerTarget::HandCard(1));
  EXPECT_EQ(RiverTop(), C("3c"));
  EXPECT_EQ(Hand(4), testing::Cards("5s 5h 9d 9c Kd Kh 2s"));
  EXPECT_EQ(t.TurnSeat, 0);
}

TEST_F(DragTest, TheRiverCardGoesInRightAfterTheCardItIsDroppedOn) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  SetRiver(t, "9h");
  HumansTurn();
  const int river = t.RiverCount;
  host.LeftPress(PointerTarget::River());
  EXPECT_EQ(view.Dragging, DragKind::RiverCard);
  EXPECT_EQ(t.RiverCount, river - 1);
  host.LeftRelease(PointerTarget::HandCard(1));
  EXPECT_EQ(Hand(4), testing::Cards("2s 3s 9h 4s 5s 6s 7s 8s"));
  EXPECT_EQ(t.RiverTakenCard, C("9h"));
  EXPECT_EQ(t.HasDrawn, 1);
}

TEST_F(DragTest, TheRiverCardDroppedOutsideTheHandIsNotTaken) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  SetRiver(t, "9h");
  HumansTurn();
  const int river = t.RiverCount;
  host.Drop(PointerTarget::River(), PointerTarget::HandArea());
  EXPECT_EQ(t.RiverCount, river);
  EXPECT_EQ(RiverTop(), C("9h"));
  EXPECT_EQ(t.HasDrawn, 0);
  EXPECT_EQ(t.RiverTakenCard, kEmptySlot);
}

TEST_F(DragTest, NeitherPileCanBeTakenFromTwiceNorTheRiverInReach) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  SetRiver(t, "9h");
  HumansTurn();
  t.ReachFlag[4] = 1;
  host.LeftPress(PointerTarget::River());
  EXPECT_EQ(view.Dragging, DragKind::None) << "not in Reach";
  t.ReachFlag[4] = 0;
  view.DrawFromStock();
  host.LeftPress(PointerTarget::Stock());
  host.LeftPress(PointerTarget::River());
  EXPECT_EQ(view.Dragging, DragKind::None) << "not after drawing";
}

TEST_F(DragTest, BeforeDrawingNoCardCanBeLaidOrThrown) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  host.Drop(PointerTarget::HandCard(0), PointerTarget::River());
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgDrawOrTakeFirst});
  EXPECT_EQ(Hand(4), testing::Cards("2s 3s 4s 5s 6s 7s 8s"));
  t.ReachFlag[4] = 1;
  host.ClearEvents();
  host.Drop(PointerTarget::HandCard(0), PointerTarget::MeldRow(1));
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgDrawFromStockFirst});
  t.RuleRem = 0;
  host.ClearEvents();
  host.Drop(PointerTarget::HandCard(0), PointerTarget::River());
  EXPECT_TRUE(host.MessageIds().empty());
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
}

TEST_F(DragTest, ARefusedExposureGivesTheCardsBack) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  view.DrawFromStock();
  const auto before = Hand(4);
  Mark(1);
  Mark(3);
  host.Drop(PointerTarget::HandCard(1), PointerTarget::MeldRow(0));  // two cards cannot open a row
  EXPECT_EQ(t.MeldLength[0], 0);
  EXPECT_EQ(Hand(4), before);
  EXPECT_EQ(view.Dragging, DragKind::None);
}

TEST_F(DragTest, AnAcceptedExposureLaysTheCardsAndClearsTheMarks) {
  {
    // Whether the rules engine lays a set yet.
    TableState scratch = testing::EmptyTable();
    testing::ScriptedRulesHost rules;
    CThink think(scratch, rules);
    SetHand(scratch, 4, "2s");
    scratch.Dragged = {5, 18, 31};
    scratch.DraggedCount = 3;
    if (think.CheckExposeCount(0, 3) != 1 || think.ExposeSelection(0, 3) != 1)
      GTEST_SKIP() << "the rules engine does not lay melds yet";
  }
  SetHand(t, 4, "5s 5h 5d 2c 6s 7s 8s");
  HumansTurn();
  view.DrawFromStock();
  Mark(0);
  Mark(1);
  Mark(2);
  host.Drop(PointerTarget::HandCard(0), PointerTarget::MeldRow(0));
  EXPECT_EQ(t.MeldLength[0], 3);
  EXPECT_EQ(t.HandCount[4], 5);
  EXPECT_EQ(t.Selected, (TableState::Ints<kHandSlots>{}));
  EXPECT_EQ(t.DraggedCount, 0);
}

TEST_F(DragTest, OneCardDroppedNearTheRiverIsThrownButTwoComeBack) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  view.DrawFromStock();
  Mark(0);
  Mark(1);
  host.Drop(PointerTarget::HandCard(0), PointerTarget::RiverNeighbourhood());
  EXPECT_EQ(t.HandCount[4], 8);
  EXPECT_EQ(t.TurnSeat, kHumanSeat);
  host.LeftPress(PointerTarget::Elsewhere());
  EXPECT_EQ(view.think.CountSelected(), 0) << "a press elsewhere clears the marks";
  host.Drop(PointerTarget::HandCard(7), PointerTarget::RiverNeighbourhood());
  EXPECT_EQ(t.HandCount[4], 7);
  EXPECT_EQ(t.TurnSeat, 0);
}

TEST_F(DragTest, ADeclaredReachIsDiscardedOnlyOnTheRiverItself) {
  SetHand(t, 4, "5s 5h 9d 9c Kd Kh 2s");
  s.StockTop("3c");
  HumansTurn();
  view.DrawFromStock();
  view.DeclareReach();
  host.Drop(PointerTarget::HandCard(7), PointerTarget::RiverNeighbourhood());
  EXPECT_EQ(t.HandCount[4], 8) << "near the river is not enough while declaring";
  host.Drop(PointerTarget::HandCard(7), PointerTarget::River());
  EXPECT_EQ(RiverTop(), C("3c"));
  EXPECT_EQ(t.ReachPending, 0);
  EXPECT_EQ(t.ReachFlag[4], 1);
}

TEST_F(DragTest, InOpenModeHoldingTheButtonOnANearSeatHidesItsHand) {
  t.OpenMode = 1;
  HumansTurn();
  host.LeftPress(PointerTarget::SeatPlace3());
  EXPECT_EQ(view.PeekOnPress[1], 1);
  host.LeftRelease(PointerTarget::SeatPlace3());
  EXPECT_EQ(view.PeekOnPress[1], 0);
  t.GameNo = 4;  // open mode has no effect from the fourth game on
  host.LeftPress(PointerTarget::SeatPlace0());
  EXPECT_EQ(view.PeekOnPress[0], 0);
}

TEST_F(DragTest, TheIconsTiltOnThePressAndOpenTheirMenusOnTheRelease) {
  HumansTurn();
  const double angle = view.ViewAngle;
  host.LeftPress(PointerTarget::Icon(kIconAngleUp));
  EXPECT_EQ(view.ViewAngle, angle + 1);
  EXPECT_EQ(Settings(host.store).Kakudo(), static_cast<int>(angle + 1));
  host.LeftPress(PointerTarget::Icon(kIconAngleDown));
  EXPECT_EQ(view.ViewAngle, angle);
  host.LeftRelease(PointerTarget::Icon(kIconSettingsMenu));
  host.LeftRelease(PointerTarget::Icon(kIconDeclarationMenu));
  const auto menus = host.Calls(HostCall::Menu);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[0].id, kMenuSettings);
  EXPECT_EQ(menus[1].id, kMenuDeclarations);
}

}  // namespace
}  // namespace tolva
